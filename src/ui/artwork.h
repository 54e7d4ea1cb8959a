// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>
#include <QSizeF>

class QPainter;

namespace ui {

// The program's two drawings, the diagram and the atom icon. They are SVG;
// where Qt Svg is not at hand (the Windows build) they were drawn at build
// time: bitmaps for the screen at each display scale, and the diagram's
// drawing commands, still vectors, for the cut sheet.

// The diagram's own size, in its units (one per pixel in the window).
constexpr QSizeF diagramSize(120, 341);

// The whole diagram at its own size, from the painter's origin, as sharp as
// a screen of that device pixel ratio shows it.
void paintDiagram(QPainter &painter, qreal devicePixelRatio);

// The diagram without its letters A to D, in its own units, as vectors.
void paintDiagramWithoutLetters(QPainter &painter);

// The window's icon, at the sizes desktops ask for.
QIcon atomIcon();

} // namespace ui
