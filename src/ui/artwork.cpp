// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/artwork.h"

#include <QPainter>

#ifdef TOLVERA_PREDRAWN_ART
#include <QPicture>
#include <QPixmap>
#include <QPixmapCache>
#include <array>
#else
#include <QSvgRenderer>
#endif

namespace ui {

#ifdef TOLVERA_PREDRAWN_ART

namespace {

// The display scales a Windows user can choose, in per cent.
constexpr std::array<int, 9> scales{100, 125, 150, 175, 200, 225, 250, 300, 350};

} // namespace

void paintDiagram(QPainter &painter, qreal devicePixelRatio)
{
    // The smallest bitmap that is not scaled up; beyond 350 % the largest.
    int scale = scales.back();
    for (int s : scales) {
        if (s >= devicePixelRatio * 100 - 0.5) {
            scale = s;
            break;
        }
    }
    // Decoded once, not at every repaint.
    const QString resource = QStringLiteral(":/diagram@%1.png").arg(scale);
    QPixmap pixmap;
    if (!QPixmapCache::find(resource, &pixmap)) {
        pixmap.load(resource);
        QPixmapCache::insert(resource, pixmap);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), diagramSize), pixmap, QRectF(pixmap.rect()));
    painter.restore();
}

void paintDiagramWithoutLetters(QPainter &painter)
{
    QPicture picture;
    picture.load(QStringLiteral(":/diagram-unlettered.pic"));
    // A picture scales itself from its own resolution to the device's; it
    // is to come out in the painter's units, like the SVG.
    painter.save();
    const QPaintDevice *device = painter.device();
    painter.scale(qreal(picture.logicalDpiX()) / device->logicalDpiX(),
                  qreal(picture.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

QIcon atomIcon()
{
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

#else

namespace {

// Parsed once, not at every repaint.
QSvgRenderer &diagram()
{
    static QSvgRenderer renderer(QStringLiteral(":/diagram.svg"));
    return renderer;
}

} // namespace

void paintDiagram(QPainter &painter, qreal)
{
    diagram().render(&painter, QRectF(QPointF(0, 0), diagramSize));
}

void paintDiagramWithoutLetters(QPainter &painter)
{
    for (const auto *part : {"drawing", "ohms"}) {
        const auto id = QString::fromLatin1(part);
        diagram().render(&painter, id, diagram().boundsOnElement(id));
    }
}

QIcon atomIcon()
{
    QSvgRenderer renderer(QStringLiteral(":/icon.svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

#endif

} // namespace ui
