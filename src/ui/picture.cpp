// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/picture.h"

#include "ui/artwork.h"

#include <QPainter>
#include <qdrawutil.h>

namespace ui {

Picture::Picture(QWidget *parent) : QWidget(parent) {}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, border);
    painter.translate(border, border);
    paintDiagram(painter, devicePixelRatioF());
}

} // namespace ui
