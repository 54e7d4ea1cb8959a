// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace ui {

// What a screen reader hears of the window: a frame named by its title,
// without its decorations, the diagram as an image, and result boxes that
// are read-only text. The window calls it; it installs itself once.
void installAccessibility();

// Leaves a decorative widget (the title's shadow) out of what is heard.
void hideFromAccessibility(QWidget *widget);

} // namespace ui
