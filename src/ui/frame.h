// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QGroupBox>

namespace ui {

// A captioned, etched frame around a group of controls, which are placed
// at fixed positions relative to its top-left corner.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    explicit Frame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
