// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QPalette>
#include <QRgb>

#include <optional>
#include <span>

namespace ui {

enum class Kind { Picture, Label, Frame, Button, TextBox };

// Which of the window's three fonts a control uses.
enum class Font {
    Default, // 宋体 9 pt: 12 px per Chinese character, 6 per Latin, 12 per line
    Box,     // 宋体 10.5 pt, the text boxes
    Title,   // 宋体 15.75 pt bold, the vertical title
};

// One control of the window, placed in twips (15 per pixel), relative to
// the window or, for a control inside a frame, to that frame.
struct Control
{
    const char *name; // objectName; "Label1_11" is member 11 of array Label1
    Kind kind;
    const char *frame; // the frame it lies in, or nullptr for the window
    int left, top, width, height;
    const char *text;
    std::optional<QRgb> colour; // text colour, if not the default
    std::optional<int> tabIndex; // focus order of the focusable controls
    Font font = Font::Default;
    bool wraps = false; // a label whose text wraps inside its fixed box
};

constexpr int twipsPerPixel = 15;
constexpr int clientWidth = 3855;
constexpr int clientHeight = 5430;

// Every control, in creation order: later ones are drawn on top.
std::span<const Control> controls();

// The font itself: the Song face the program carries.
QFont qtFont(Font which);

// The window's own colours, whatever the desktop's theme: a classic light
// grey window with black text and white boxes, which the label colours and
// the diagram were chosen for.
QPalette windowPalette();

} // namespace ui
