// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/currentplot.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

const QColor coaxBrown(150, 75, 0);
const QColor mastGrey(90, 90, 90);

} // namespace

void paintCurrents(QPainter &p, const QRectF &rect, const antenna::Prediction &prediction, const ChartColours &colours,
                   const QFont &font)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    p.fillRect(rect, colours.background);
    const QFontMetricsF metrics(font);
    const double line = metrics.height(), scale = line / 12;
    p.setPen(colours.text);
    const QString title = QStringLiteral("电缆外皮和桅杆上的电流");
    p.drawText(QPointF(rect.center().x() - metrics.horizontalAdvance(title) / 2, rect.top() + line * 1.1), title);

    struct Run
    {
        const antenna::CurrentProfile *profile;
        QString label;
        QColor colour;
    };
    std::vector<Run> runs;
    if (prediction.coaxCurrent)
        runs.push_back({&*prediction.coaxCurrent, QStringLiteral("电缆外皮"), coaxBrown});
    if (prediction.mastCurrent)
        runs.push_back({&*prediction.mastCurrent, QStringLiteral("桅杆"), mastGrey});
    const double depth = prediction.installation.height;
    double top = 0.05; // 5 % at least
    for (const auto &run : runs)
        for (const auto &[below, fraction] : run.profile->points)
            top = std::max(top, fraction);
    const QRectF plot = rect.adjusted(metrics.horizontalAdvance(QStringLiteral("100%")) + line * 0.6, line * 1.8,
                                      -line * 0.6, -line * 3.6);
    if (runs.empty() || plot.width() <= 0 || plot.height() <= 0) {
        p.restore();
        return;
    }
    auto x = [&](double below) { return plot.left() + below / depth * plot.width(); };
    auto y = [&](double fraction) { return plot.bottom() - fraction / top * plot.height(); };

    p.setPen(QPen(colours.grid, 0.5 * scale));
    const double xStep = tickStep(depth, 5), yStep = tickStep(top, 5);
    for (double v = 0; v <= depth + xStep * 1e-9; v += xStep) {
        p.drawLine(QPointF(x(v), plot.top()), QPointF(x(v), plot.bottom()));
        const QString t = QString::number(v, 'g', 4);
        p.setPen(colours.text);
        p.drawText(QPointF(x(v) - metrics.horizontalAdvance(t) / 2, plot.bottom() + line * 1.1), t);
        p.setPen(QPen(colours.grid, 0.5 * scale));
    }
    for (double v = 0; v <= top + yStep * 1e-9; v += yStep) {
        p.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        const QString t = QString::number(v * 100, 'g', 3) + u'%';
        p.setPen(colours.text);
        p.drawText(QPointF(plot.left() - metrics.horizontalAdvance(t) - line * 0.3, y(v) + metrics.ascent() / 2.5), t);
        p.setPen(QPen(colours.grid, 0.5 * scale));
    }
    p.setPen(QPen(colours.text, scale));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    const QString axis = QStringLiteral("J 底部以下（米）");
    p.drawText(QPointF(plot.right() - metrics.horizontalAdvance(axis), plot.bottom() + line * 2.2), axis);
    if (prediction.installation.choke) {
        p.setPen(QPen(colours.mark, scale, Qt::DotLine));
        const double at = x(prediction.installation.chokeAt);
        p.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
        p.setPen(colours.mark);
        p.drawText(QPointF(at + line * 0.2, plot.top() + line), QStringLiteral("扼流圈"));
    }
    p.save();
    p.setClipRect(plot.adjusted(-scale, -scale, scale, scale));
    for (const auto &run : runs) {
        QPainterPath path;
        bool first = true;
        for (const auto &[below, fraction] : run.profile->points) {
            const QPointF at(x(below), y(fraction));
            first ? path.moveTo(at) : path.lineTo(at);
            first = false;
        }
        p.setPen(QPen(run.colour, 2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.restore();
    double lx = plot.left();
    const double ly = plot.bottom() + line * 3.3;
    for (const auto &run : runs) {
        p.setPen(QPen(run.colour, 2 * scale));
        p.drawLine(QPointF(lx, ly - line * 0.3), QPointF(lx + line * 1.6, ly - line * 0.3));
        p.setPen(colours.text);
        p.drawText(QPointF(lx + line * 2, ly), run.label);
        lx += line * 2.5 + metrics.horizontalAdvance(run.label) + line;
    }
    p.restore();
}

CurrentPlot::CurrentPlot(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(200, 150);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("电缆外皮和桅杆上的电流"));
}

void CurrentPlot::setPrediction(const std::optional<antenna::Prediction> &prediction, const QString &description)
{
    shown = prediction;
    setAccessibleDescription(description);
    update();
}

void CurrentPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (shown)
        paintCurrents(painter, rect(), *shown, screenColours(palette()), font());
    else
        painter.fillRect(rect(), palette().color(QPalette::Base));
}

} // namespace ui
