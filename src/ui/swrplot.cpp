// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/swrplot.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

QString tickText(double v, double step)
{
    const int decimals = std::max(0, -int(std::floor(std::log10(step)) ));
    return QString::number(v, 'f', decimals);
}

const QColor formulaBlue(0, 70, 200);
const QColor correctedGreen(0, 130, 60);
const QColor measuredRed(210, 40, 0);
const QColor freeSpaceGrey(110, 110, 150);
const QColor line15Green(0, 140, 0);
const QColor line20Orange(200, 120, 0);
const QColor markRed(200, 0, 0);

} // namespace

double tickStep(double span, int ticks)
{
    const double raw = span / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10 * power;
}

SwrChart chartOf(const std::optional<antenna::Prediction> &p, const std::vector<antenna::Measurement> &measured,
                 double mhz)
{
    SwrChart chart;
    chart.mark = mhz;
    if (p) {
        const auto band = antenna::bandAround(p->mhz);
        chart.from = band.from;
        chart.to = band.last();
        const bool installed = !p->installation.isBare();
        const QString there = installed ? QStringLiteral("，安装后") : QString();
        chart.curves = {{p->swr(), (p->installation.asBuilt ? QStringLiteral("按实际尺寸") : QStringLiteral("按公式")) + there,
                         formulaBlue, Qt::SolidLine, 2},
                        {p->correctedSwr(), QStringLiteral("按管径修正") + there, correctedGreen, Qt::DashLine, 2}};
        if (p->freeSpace) // the same J alone, for comparison
            chart.curves.push_back({p->freeSpace->swr(), QStringLiteral("同一天线在自由空间"), freeSpaceGrey, Qt::DotLine, 1.5});
    }
    for (std::size_t i = 0; i < measured.size(); ++i) {
        const auto &m = measured[i];
        const bool last = i + 1 == measured.size();
        QColor colour = measuredRed;
        if (!last) // earlier cuts fade, the older the fainter
            colour.setAlpha(int(60 + 100.0 * double(i + 1) / double(measured.size())));
        chart.curves.push_back({m.data.swr(), QStringLiteral("实测 ") + m.label, colour, Qt::SolidLine, last ? 2.5 : 1.5});
        const double first = m.data.points.front().mhz, end = m.data.points.back().mhz;
        const bool empty = chart.to <= chart.from;
        chart.from = empty ? first : std::min(chart.from, first);
        chart.to = empty ? end : std::max(chart.to, end);
    }
    return chart;
}

ChartColours screenColours(const QPalette &palette)
{
    return {palette.color(QPalette::Base), palette.color(QPalette::Text), palette.color(QPalette::Mid),
            line15Green, line20Orange, markRed};
}

ChartColours printColours()
{
    return {Qt::white, Qt::black, QColor(190, 190, 190), line15Green, line20Orange, markRed};
}

void paintSwrChart(QPainter &p, const QRectF &rect, const SwrChart &chart, const ChartColours &colours,
                   const QFont &font)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    p.fillRect(rect, colours.background);

    double top = 3;
    for (const auto &curve : chart.curves) {
        for (const auto &pt : curve.points) {
            if (pt.mhz >= chart.from && pt.mhz <= chart.to && std::isfinite(pt.swr))
                top = std::max(top, std::ceil(pt.swr));
        }
    }
    top = std::min(top, 10.0);

    const QRectF plot = rect.adjusted(metrics.horizontalAdvance(QStringLiteral("10.0")) + line * 0.8, line * 0.6,
                                      -line * 0.6, -line * (2.4 + 1.2 * std::ceil(chart.curves.size() / 2.0)));
    if (plot.width() <= 0 || plot.height() <= 0 || !(chart.to > chart.from)) {
        p.restore();
        return;
    }
    auto x = [&](double mhz) { return plot.left() + (mhz - chart.from) / (chart.to - chart.from) * plot.width(); };
    auto y = [&](double swr) { return plot.bottom() - (std::min(swr, top * 1.5) - 1) / (top - 1) * plot.height(); };

    // Grid and axes.
    const double scale = line / 12;
    p.setPen(QPen(colours.grid, 0.5 * scale));
    const double xStep = tickStep(chart.to - chart.from);
    for (double v = std::ceil(chart.from / xStep) * xStep; v <= chart.to + xStep * 1e-9; v += xStep) {
        p.drawLine(QPointF(x(v), plot.top()), QPointF(x(v), plot.bottom()));
        const QString t = tickText(v, xStep);
        p.setPen(colours.text);
        p.drawText(QPointF(x(v) - metrics.horizontalAdvance(t) / 2, plot.bottom() + line * 1.1), t);
        p.setPen(QPen(colours.grid, 0.5 * scale));
    }
    for (int v = 1; v <= int(top); ++v) {
        p.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        const QString t = QString::number(v);
        p.setPen(colours.text);
        p.drawText(QPointF(plot.left() - metrics.horizontalAdvance(t) - line * 0.3, y(v) + metrics.ascent() / 2.5), t);
        p.setPen(QPen(colours.grid, 0.5 * scale));
    }
    p.setPen(QPen(colours.text, scale));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    const QString axis = QStringLiteral("MHz");
    p.drawText(QPointF(plot.right() - metrics.horizontalAdvance(axis), plot.bottom() + line * 2.2), axis);
    p.drawText(QPointF(plot.left() + line * 0.3, plot.top() + line), QStringLiteral("SWR"));

    // SWR 1.5 and 2, and f.
    p.setPen(QPen(colours.line15, scale, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), y(1.5)), QPointF(plot.right(), y(1.5)));
    p.setPen(QPen(colours.line20, scale, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), y(2)), QPointF(plot.right(), y(2)));
    const auto rightLabel = [&](double swr, const QString &text) {
        p.drawText(QPointF(plot.right() - metrics.horizontalAdvance(text) - line * 0.3, y(swr) - line * 0.2), text);
    };
    p.setPen(colours.line15);
    rightLabel(1.5, QStringLiteral("1.5"));
    p.setPen(colours.line20);
    rightLabel(2, QStringLiteral("2.0"));
    p.setPen(QPen(colours.mark, scale, Qt::DotLine));
    p.drawLine(QPointF(x(chart.mark), plot.top()), QPointF(x(chart.mark), plot.bottom()));
    p.setPen(colours.mark);
    p.drawText(QPointF(x(chart.mark) + line * 0.2, plot.top() + line), QStringLiteral("f"));

    // The curves, cut off at the top.
    p.save();
    p.setClipRect(plot);
    for (const auto &curve : chart.curves) {
        QPainterPath path;
        bool drawing = false;
        for (const auto &pt : curve.points) {
            if (!std::isfinite(pt.swr)) {
                drawing = false;
                continue;
            }
            const QPointF at(x(pt.mhz), y(pt.swr));
            if (drawing)
                path.lineTo(at);
            else
                path.moveTo(at);
            drawing = true;
        }
        p.setPen(QPen(curve.colour, curve.width * scale, curve.style, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.restore();

    // The legend under the axis, two to a line.
    double lx = plot.left();
    double ly = plot.bottom() + line * 3.4;
    for (std::size_t i = 0; i < chart.curves.size(); ++i) {
        const auto &curve = chart.curves[i];
        if (i % 2 == 0 && i > 0) {
            lx = plot.left();
            ly += line * 1.2;
        } else if (i % 2 == 1) {
            lx = plot.left() + plot.width() / 2;
        }
        p.setPen(QPen(curve.colour, curve.width * scale, curve.style));
        p.drawLine(QPointF(lx, ly - line * 0.3), QPointF(lx + line * 1.6, ly - line * 0.3));
        p.setPen(colours.text);
        p.drawText(QPointF(lx + line * 2, ly), curve.label);
    }
    p.restore();
}

void paintElevation(QPainter &p, const QRectF &rect, const std::vector<antenna::Gain> &pattern,
                    const ChartColours &colours, const QFont &font)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    p.fillRect(rect, colours.background);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    const double scale = line / 12;
    // Over a ground there is only the half above it.
    const bool aboveGround = !pattern.empty() && std::all_of(pattern.begin(), pattern.end(),
                                                              [](const antenna::Gain &g) { return g.theta <= 90; });
    const double radius = aboveGround ? std::min(rect.width() / 2, rect.height() - 3.5 * line) - line * 0.5
                                      : std::min(rect.width(), rect.height() - 3 * line) / 2 - line * 0.5;
    const QPointF centre(rect.center().x(), rect.top() + line * 1.8 + radius);
    p.setPen(colours.text);
    const QString title = aboveGround ? QStringLiteral("仰角方向图（J 所在平面，地面以上）")
                                      : QStringLiteral("仰角方向图（J 所在平面）");
    p.drawText(QPointF(rect.center().x() - metrics.horizontalAdvance(title) / 2, rect.top() + line * 1.1), title);
    if (pattern.empty() || radius <= 0) {
        p.restore();
        return;
    }
    double peak = -1e9;
    for (const auto &g : pattern)
        peak = std::max(peak, g.dbi);
    constexpr double range = 30; // dB shown below the peak
    p.setPen(QPen(colours.grid, 0.5 * scale));
    p.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        const double r = radius * (range - 10 * ring) / range;
        if (aboveGround)
            p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, 180 * 16);
        else
            p.drawEllipse(centre, r, r);
    }
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y())); // horizon
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + (aboveGround ? 0 : radius)));

    // The plane of the J: towards the long element (phi 0) on the right.
    std::vector<std::pair<double, double>> cut; // angle from +x, counterclockwise; relative gain
    for (const auto &g : pattern) {
        if (g.phi == 0)
            cut.emplace_back(90 - g.theta, g.dbi);
        else if (g.phi == 180)
            cut.emplace_back(90 + g.theta, g.dbi);
    }
    std::sort(cut.begin(), cut.end());
    QPolygonF shape;
    for (const auto &[angle, dbi] : cut) {
        const double r = radius * std::max(0.0, (dbi - peak + range) / range);
        const double a = angle * M_PI / 180;
        shape << centre + QPointF(r * std::cos(a), -r * std::sin(a));
    }
    if (aboveGround)
        shape << centre;
    QColor fill = colours.mark;
    fill.setAlpha(40);
    p.setBrush(fill);
    p.setPen(QPen(colours.mark, 1.5 * scale));
    p.drawPolygon(shape);
    p.setPen(colours.text);
    const QString label = QStringLiteral("0 dB = %1 dBi，环距 10 dB").arg(QString::number(peak, 'f', 1));
    p.drawText(QPointF(rect.center().x() - metrics.horizontalAdvance(label) / 2, rect.bottom() - line * 0.3), label);
    p.restore();
}

SwrPlot::SwrPlot(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(360, 240);
    setFocusPolicy(Qt::StrongFocus); // a screen reader user reaches its description
    setAccessibleName(QStringLiteral("驻波比曲线"));
}

void SwrPlot::setChart(const SwrChart &chart, const QString &description)
{
    shown = chart;
    if (accessibleDescription() != description) // said again only when it changes
        setAccessibleDescription(description);
    update();
}

void SwrPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintSwrChart(painter, rect(), shown, screenColours(palette()), font());
}

ElevationPlot::ElevationPlot(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(180, 200);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("仰角方向图"));
}

void ElevationPlot::setPattern(const std::vector<antenna::Gain> &gains, const QString &description)
{
    pattern = gains;
    setAccessibleDescription(description);
    update();
}

void ElevationPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintElevation(painter, rect(), pattern, screenColours(palette()), font());
}

} // namespace ui
