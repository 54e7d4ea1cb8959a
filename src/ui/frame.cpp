// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/frame.h"

#include "ui/accessible.h"

#include <QPainter>

namespace ui {

namespace {
constexpr int captionLeft = 6;
constexpr int captionPadding = 1;
} // namespace

Frame::Frame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    setAccessibleName(spoken(caption)); // "频率输入", without the colon
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int lineY = font().pixelSize() / 2;
    // The etched line: a shadow with a light edge below and right of it.
    const QRect outer(0, lineY, width() - 1, height() - lineY - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(outer.translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));

    const int captionWidth = fontMetrics().horizontalAdvance(title());
    const QRect captionRect(captionLeft, 0, captionWidth + 2 * captionPadding, font().pixelSize());
    painter.fillRect(captionRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

} // namespace ui
