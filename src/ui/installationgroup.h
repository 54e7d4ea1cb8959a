// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/installation.h"
#include "calc/calculation.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace ui {

// "安装": where the J really stands and how it was built, each with a
// sensible default: the lengths as built (the formula's until changed),
// the ground, the height, a metal mast, the coax and a choke on it.
class InstallationGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit InstallationGroup(QWidget *parent = nullptr);

    // What is set; the lengths as built only where they differ from the formula's.
    antenna::Installation installation() const;

    // The formula's lengths for new results: the lengths as built start from them.
    void setFormula(const calc::Lengths &lengths);

signals:
    void changed();

private:
    void enableWhatApplies();

    QComboBox *ground = nullptr;
    QLabel *heightLabel = nullptr;
    QDoubleSpinBox *height = nullptr;
    QCheckBox *mast = nullptr, *coax = nullptr, *choke = nullptr;
    QDoubleSpinBox *mastDiameter = nullptr, *coaxDiameter = nullptr, *chokeOhms = nullptr, *chokeAt = nullptr;
    std::array<QDoubleSpinBox *, 4> built{}; // A to D
    calc::Lengths formula;
};

} // namespace ui
