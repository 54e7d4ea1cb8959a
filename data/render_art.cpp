// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// Draws the program's SVG artwork at build time, for what cannot draw SVG
// itself: a desktop that wants a bitmap icon, and the Windows build, which
// has no Qt Svg.
//   render_art png IN.svg OUT.png WIDTH HEIGHT   the whole drawing, scaled
//   render_art picture IN.svg OUT.pic ID...      the elements, as vectors
//                                                (QPicture), in SVG units
//   render_art ico OUT.ico IN.png...             a Windows icon of PNGs
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

int png(const QString &svg, const QString &out, int width, int height)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || width <= 0 || height <= 0)
        return 1;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(out) ? 0 : 1;
}

int picture(const QString &svg, const QString &out, const QStringList &ids)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return 1;
    QPicture picture;
    QPainter painter(&picture);
    for (const auto &id : ids) {
        if (!renderer.elementExists(id))
            return 1;
        renderer.render(&painter, id, renderer.boundsOnElement(id));
    }
    painter.end();
    return picture.save(out) ? 0 : 1;
}

// ICONDIR, one ICONDIRENTRY per image, then the PNGs themselves.
int ico(const QString &out, const QStringList &pngs)
{
    QByteArray header(6, '\0');
    qToLittleEndian<quint16>(1, header.data() + 2); // an icon
    qToLittleEndian<quint16>(quint16(pngs.size()), header.data() + 4);
    QByteArray entries;
    QByteArray images;
    const int offset = 6 + 16 * int(pngs.size());
    for (const auto &path : pngs) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray data = file.readAll();
        const QImage image = QImage::fromData(data, "PNG");
        if (image.isNull() || image.width() > 256 || image.height() > 256)
            return 1;
        QByteArray entry(16, '\0');
        entry[0] = char(image.width() & 0xff); // 0 stands for 256
        entry[1] = char(image.height() & 0xff);
        qToLittleEndian<quint16>(1, entry.data() + 4); // planes
        qToLittleEndian<quint16>(32, entry.data() + 6); // bits per pixel
        qToLittleEndian<quint32>(quint32(data.size()), entry.data() + 8);
        qToLittleEndian<quint32>(quint32(offset + images.size()), entry.data() + 12);
        entries += entry;
        images += data;
    }
    QFile file(out);
    return file.open(QIODevice::WriteOnly) && file.write(header + entries + images) > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 5 && args[0] == u"png")
        return png(args[1], args[2], args[3].toInt(), args[4].toInt());
    if (args.size() >= 4 && args[0] == u"picture")
        return picture(args[1], args[2], args.mid(3));
    if (args.size() >= 3 && args[0] == u"ico")
        return ico(args[1], args.mid(2));
    std::fprintf(stderr, "usage: render_art png IN.svg OUT.png WIDTH HEIGHT\n"
                         "       render_art picture IN.svg OUT.pic ID...\n"
                         "       render_art ico OUT.ico IN.png...\n");
    return 2;
}
