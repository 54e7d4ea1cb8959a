// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

namespace ui {

// What every window of the program shares, whatever the desktop: Chinese
// texts (Qt's own too), the Song face it carries for message boxes and
// menus, Fusion style and the window's own colours, tooltips included.
// Once, after the QApplication exists.
void setUpApplication();

} // namespace ui
