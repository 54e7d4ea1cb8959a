// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QWidget>

namespace ui {

// What a screen reader hears of the window: a frame named by its title,
// without its decorations, the diagram as an image, result boxes that are
// read-only text and a frequency box that is editable text, each read
// whole. The window calls it; it installs itself once.
void installAccessibility();

// Leaves a decorative widget (the title's shadow) out of what is heard.
void hideFromAccessibility(QWidget *widget);

// A visible text as a person would say it: without the colons, brackets
// and access-key marks that a screen reader reads out as words.
QString spoken(const QString &text);

// Says a sentence once through the screen reader, as a notification that
// appears, without taking the focus: the results after a calculation.
// Nothing to see and never in the tab order.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &sentence);
};

} // namespace ui
