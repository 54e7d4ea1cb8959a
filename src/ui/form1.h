// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/boxes.h"
#include "ui/cutsheet.h"
#include "ui/messagebox.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class QAction;
namespace ui {
class Announcer;
class Document;
class PredictionWindow;
}
class QLineEdit;
class QPushButton;

// The calculator's one window. It holds no logic of its own: it lays out
// the controls, owns the text of every box and routes three events to the
// calculation and the frequency field checks, and the last calculation's
// results to the cut sheet (Ctrl+P, Ctrl+S, the diagram's context menu)
// and to the performance prediction (Ctrl+R).
class Form1 : public QWidget, public calc::Boxes
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    QString text(calc::Box box) const override;
    void setText(calc::Box box, const QString &text) override;
    void select(calc::Box box, qsizetype start, qsizetype length) override;

    // The sheet of the results on screen, once a calculation has written
    // them all, with what was predicted and measured of them.
    std::optional<ui::CutSheet> cutSheet() const;
    ui::Document *document() const { return shown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void createControls();
    void pressByShortcut();
    void calculate();
    void frequencyEdited();
    void printCutSheet();
    void saveCutSheet();
    void openPrediction();

    QLineEdit *box(calc::Box which) const { return boxes[static_cast<std::size_t>(which)]; }

    std::array<QLineEdit *, 6> boxes{};
    QPushButton *MCount = nullptr;
    QWidget *diagram = nullptr;
    ui::Announcer *announcer = nullptr;
    ui::MessageBoxes messages{this};
    QTimer shortcutRelease; // the access key's press, shown briefly before it acts
    ui::Document *shown = nullptr;
    QDate calculatedOn;
    QAction *printAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *predictAction = nullptr;
    QPointer<ui::PredictionWindow> prediction; // made when first asked for
};
