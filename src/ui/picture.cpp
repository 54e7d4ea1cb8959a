// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/picture.h"

#include <QPainter>
#include <qdrawutil.h>

namespace ui {

Picture::Picture(const QString &resource, QWidget *parent) : QWidget(parent), renderer(resource)
{
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, border);
    renderer.render(&painter, QRectF(QPointF(border, border), renderer.defaultSize()));
}

} // namespace ui
