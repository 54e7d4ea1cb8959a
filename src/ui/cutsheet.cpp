// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/cutsheet.h"

#include "ui/artwork.h"
#include "ui/dimensions.h"
#include "ui/document.h"
#include "ui/layout.h"
#include "ui/swrplot.h"
#include "words/words.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace ui {

namespace {

// The sheet is laid out in tenths of a millimetre on an A4 page.
constexpr double paperWidth = 2100;
constexpr double paperHeight = 2970;
constexpr double margin = 150;
constexpr double diagramScale = 4.4; // the window's diagram, 120 × 341, about 15 cm tall
constexpr double smallerDiagramScale = 3.1; // with a prediction below
constexpr int pngDotsPerInch = 200;

const QColor letterBlue(0, 0, 192); // the diagram's own letters
const QColor grey(96, 96, 96);

QFont sheetFont(int size)
{
    QFont font = qtFont(Font::Default);
    font.setPixelSize(size);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString title(const CutSheet &sheet)
{
    return QStringLiteral("J型天线  %1 MHz").arg(sheet.results.frequency);
}

// "A 1481.96 毫米", its letter in the diagram's blue, placed by the middle
// of its height and where its text starts, ends or has its centre.
void drawDimension(QPainter &p, QPointF at, Qt::Alignment alignment, char letter, const QString &value,
                   const QString &note = {})
{
    p.setFont(sheetFont(45));
    const QFontMetricsF metrics(p.font());
    const QString head = QStringLiteral("%1 ").arg(QLatin1Char(letter));
    const QString rest = value + QStringLiteral(" 毫米") + note;
    const double width = metrics.horizontalAdvance(head) + metrics.horizontalAdvance(rest);
    const double x = alignment & Qt::AlignRight ? at.x() - width
                     : alignment & Qt::AlignHCenter ? at.x() - width / 2
                                                    : at.x();
    const double baseline = at.y() + (metrics.ascent() - metrics.descent()) / 2;
    p.setPen(letterBlue);
    p.drawText(QPointF(x, baseline), head);
    p.setPen(Qt::black);
    p.drawText(QPointF(x + metrics.horizontalAdvance(head), baseline), rest);
}

// What the model says and the analyser measured, from `top` to the bottom
// margin: the SWR curves beside the key figures and the lengths for the tube.
void paintPrediction(QPainter &p, const CutSheet &sheet, double top)
{
    const auto &prediction = sheet.prediction;
    const double mhz = sheet.results.mhz;
    p.setPen(Qt::black);
    p.setFont(sheetFont(36));
    // The heading says what was modelled, where it stands too: on as many lines as it takes.
    const QString heading = prediction ? QStringLiteral("性能预测：") + words::figures(*prediction, sheet.results.frequency).model
                                       : QStringLiteral("实测驻波比");
    const QRectF headingRoom(margin, top, paperWidth - 2 * margin, 200);
    const double headingHeight = p.boundingRect(headingRoom, Qt::TextWordWrap, heading).height();
    p.drawText(headingRoom, Qt::TextWordWrap, heading);
    top += headingHeight - 36;
    // The cuts made, a line each, across the foot of the page.
    QStringList cuts;
    if (!sheet.log.kept.empty()) {
        cuts << QStringLiteral("修剪记录：");
        for (std::size_t i = 0; i < sheet.log.kept.size(); ++i)
            cuts << words::keptSweepLine(sheet.log, i);
        if (const auto own = sheet.log.measuredTrim())
            cuts << words::measuredTrimLine(*own, prediction ? &*prediction : nullptr);
    }
    const double logHeight = cuts.isEmpty() ? 0 : 36.0 * cuts.size() + 20;
    const double bottom = paperHeight - margin - logHeight;
    const QRectF chart(margin, top + 60, 820, bottom - top - 60);
    paintSwrChart(p, chart, chartOf(prediction, sheet.measured, mhz), printColours(), sheetFont(26));

    const QRectF column(chart.right() + 50, chart.top(), paperWidth - margin - chart.right() - 50, chart.height());
    double y = column.top();
    p.setFont(sheetFont(prediction && !prediction->installation.isBare() ? 25 : 28));
    auto write = [&](const QString &text) {
        if (text.isEmpty())
            return;
        const QRectF room(column.left(), y, column.width(), bottom - y);
        const QRectF used = p.boundingRect(room, Qt::TextWordWrap, text);
        p.drawText(room, Qt::TextWordWrap, text);
        y += used.height() + 8;
    };
    p.save();
    p.setFont(sheetFont(26));
    for (qsizetype i = 0; i < cuts.size(); ++i)
        p.drawText(QPointF(margin, bottom + 46 + 36.0 * double(i)), cuts[i]);
    p.restore();
    if (prediction) {
        const auto f = words::figures(*prediction, sheet.results.frequency);
        for (const auto &line : {f.atF, f.lowest, f.band, f.gain, f.elevation, f.groundPlane, f.freeSpace, f.coax, f.mast})
            write(line);
        y += 12;
        for (const auto &row : words::lengthRows(*prediction))
            write(row);
        y += 12;
        write(f.trim);
    }
    if (!sheet.measured.empty()) {
        y += 12;
        const auto f = words::measuredFigures(sheet.measured.back(), sheet.trim, mhz);
        for (const auto &line : {f.lowest, f.band, f.impedance, f.cut})
            write(line);
    }
}

void paintPaper(QPainter &p, const CutSheet &sheet)
{
    const QString version = QStringLiteral("Tolvera " TOLVERA_VERSION);
    const auto value = [&](char letter) { return sheet.results.texts[calc::indexOf(letter)]; };

    p.setPen(Qt::black);
    p.setFont(sheetFont(80));
    p.drawText(QPointF(margin, margin + 80), title(sheet));
    p.setFont(sheetFont(32));
    p.setPen(grey);
    p.drawText(QRectF(margin, margin + 40, paperWidth - 2 * margin, 50), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1  %2").arg(version, sheet.date.toString(Qt::ISODate)));
    p.drawLine(QPointF(margin, margin + 120), QPointF(paperWidth - margin, margin + 120));

    // The diagram, large, with the values where its letters are.
    const bool predicted = sheet.prediction || !sheet.measured.empty();
    const double scale = predicted ? smallerDiagramScale : diagramScale;
    const QPointF origin((paperWidth - diagramSize.width() * scale) / 2, predicted ? 330 : 400);
    auto at = [&](double x, double y) { return origin + QPointF(x, y) * scale; };
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    paintDiagramWithoutLetters(p);
    p.restore();
    drawDimension(p, at(109.5, 162), Qt::AlignLeft, 'A', value('A'));
    drawDimension(p, at(18, 253), Qt::AlignRight, 'B', value('B'));
    drawDimension(p, at(66, 175), Qt::AlignRight, 'D', value('D'));
    // C's value lies beyond A's dimension line: a leader joins it to C's.
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(at(94.5, 294), at(112, 294));
    drawDimension(p, at(114, 294), Qt::AlignLeft, 'C', value('C'));
    drawDimension(p, at(60, 360), Qt::AlignHCenter, 'E', value('E'), QStringLiteral("（管材总长度）"));

    // The table: letter, value, what it measures.
    const double top = predicted ? origin.y() + diagramSize.height() * scale + 150 : 2080;
    const double row = predicted ? 64 : 80;
    const double valueRight = margin + 520;
    const double textLeft = margin + 600;
    p.setFont(sheetFont(36));
    p.setPen(grey);
    p.drawText(QRectF(margin, top, 150, row), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("尺寸"));
    p.drawText(QRectF(margin, top, valueRight - margin, row), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("长度（毫米）"));
    p.drawText(QRectF(textLeft, top, paperWidth - margin - textLeft, row), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("测量内容"));
    p.setPen(QPen(grey, 2));
    p.drawLine(QPointF(margin, top + row), QPointF(paperWidth - margin, top + row));
    double y = top + row;
    for (const auto &result : calc::results) {
        p.setPen(letterBlue);
        p.drawText(QRectF(margin, y, 150, row), Qt::AlignLeft | Qt::AlignVCenter, QString(QLatin1Char(result.letter)));
        p.setPen(Qt::black);
        p.drawText(QRectF(margin, y, valueRight - margin, row), Qt::AlignRight | Qt::AlignVCenter,
                   value(result.letter));
        p.drawText(QRectF(textLeft, y, paperWidth - margin - textLeft, row), Qt::AlignLeft | Qt::AlignVCenter,
                   measures(result));
        y += row;
        p.setPen(QPen(QColor(200, 200, 200), 1));
        p.drawLine(QPointF(margin, y), QPointF(paperWidth - margin, y));
    }
    p.setPen(Qt::black);
    p.drawText(QRectF(margin, y + 20, paperWidth - 2 * margin, row), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("E = A + B + 20 = %1 + %2 + 20 = %3 毫米").arg(value('A'), value('B'), value('E')));
    if (predicted)
        paintPrediction(p, sheet, y + row + 40);
}

} // namespace

std::optional<CutSheet> cutSheetOf(const Document &document, const QDate &date)
{
    if (!document.results())
        return std::nullopt;
    return CutSheet{*document.results(), date, document.prediction(), document.sweeps(), document.trimFigure(),
                    document.trimLog()};
}

void paintCutSheet(QPainter &painter, const QRectF &page, const CutSheet &sheet)
{
    const double scale = std::min(page.width() / paperWidth, page.height() / paperHeight);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(page.center());
    painter.scale(scale, scale);
    painter.translate(-paperWidth / 2, -paperHeight / 2);
    paintPaper(painter, sheet);
    painter.restore();
}

bool saveCutSheet(const CutSheet &sheet, const QString &fileName)
{
    if (QFileInfo(fileName).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
        const double dotsPerTenthMm = pngDotsPerInch / 254.0;
        QImage image(int(paperWidth * dotsPerTenthMm), int(paperHeight * dotsPerTenthMm), QImage::Format_RGB32);
        image.setDotsPerMeterX(int(pngDotsPerInch / 0.0254));
        image.setDotsPerMeterY(int(pngDotsPerInch / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        paintCutSheet(painter, image.rect(), sheet);
        painter.end();
        return image.save(fileName, "PNG");
    }

    QPdfWriter writer(fileName);
    if (!writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF())))
        return false;
    writer.setTitle(title(sheet));
    writer.setCreator(QStringLiteral("Tolvera " TOLVERA_VERSION));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paintCutSheet(painter, QRectF(0, 0, writer.width(), writer.height()), sheet);
    return painter.end();
}

QString cutSheetFileName(const CutSheet &sheet)
{
    // Only what a file name can hold, on any system.
    QString frequency;
    for (QChar c : sheet.results.frequency) {
        if (c.isPrint() && !QStringLiteral("\\/:*?\"<>|").contains(c) && !c.isSpace())
            frequency += c;
    }
    return QStringLiteral("J型天线-%1MHz.pdf").arg(frequency);
}

} // namespace ui
