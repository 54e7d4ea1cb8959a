// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"
#include "antenna/solution.h"
#include "antenna/prediction.h"
#include "antenna/swr.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace ui {

struct PlotCurve
{
    std::vector<antenna::SwrPoint> points;
    QString label; // for the legend
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
    qreal width = 2; // in the plot's pixels
};

// SWR against frequency: the curves over [from, to], the lines at SWR 1.5
// and 2, and f marked.
struct SwrChart
{
    double from = 0, to = 0;
    double mark = 0; // f
    std::vector<PlotCurve> curves;
};

struct ChartColours
{
    QColor background, text, grid, line15, line20, mark;
};

// A step of 1, 2 or 5 times a power of ten giving about so many ticks over span.
double tickStep(double span, int ticks = 6);

// Draws into rect, in the given face (its pixel size sets the text's).
void paintSwrChart(QPainter &painter, const QRectF &rect, const SwrChart &chart, const ChartColours &colours,
                   const QFont &font);

// The gain in the plane of the J (elevation, both sides), relative to its
// largest, on rings 10 dB apart.
void paintElevation(QPainter &painter, const QRectF &rect, const std::vector<antenna::Gain> &pattern,
                    const ChartColours &colours, const QFont &font);

// The prediction's curves (the J as calculated, and as corrected for the
// tube) and the analyser's sweeps, the last strongest and the earlier
// fading, over a range that covers them all; f marked.
SwrChart chartOf(const std::optional<antenna::Prediction> &p, const std::vector<antenna::Measurement> &measured,
                 double mhz);

// The colours on screen, from the widget's palette.
ChartColours screenColours(const QPalette &palette);
// On paper: black on white.
ChartColours printColours();

// The SWR chart on screen; what it shows is also its accessible description.
class SwrPlot : public QWidget
{
    Q_OBJECT
public:
    explicit SwrPlot(QWidget *parent = nullptr);
    void setChart(const SwrChart &chart, const QString &description);
    const SwrChart &chart() const { return shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SwrChart shown;
};

class ElevationPlot : public QWidget
{
    Q_OBJECT
public:
    explicit ElevationPlot(QWidget *parent = nullptr);
    void setPattern(const std::vector<antenna::Gain> &pattern, const QString &description);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<antenna::Gain> pattern;
};

} // namespace ui
