// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/prediction.h"
#include "ui/swrplot.h"

#include <QWidget>

#include <optional>

class QPainter;
class QRectF;

namespace ui {

// The current along the coax's shield and the mast, in metres below the
// J's bottom, as a share of the feed current; the choke marked.
void paintCurrents(QPainter &painter, const QRectF &rect, const antenna::Prediction &p, const ChartColours &colours,
                   const QFont &font);

// The same on screen; what it shows is also its accessible description.
class CurrentPlot : public QWidget
{
    Q_OBJECT
public:
    explicit CurrentPlot(QWidget *parent = nullptr);
    void setPrediction(const std::optional<antenna::Prediction> &prediction, const QString &description);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<antenna::Prediction> shown;
};

} // namespace ui
