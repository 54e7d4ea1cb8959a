// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/prediction.h"
#include "ui/cutsheet.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <variant>

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QThread;

namespace ui {

class Announcer;
class ElevationPlot;
class SwrPlot;

// "性能预测": how the antenna as calculated will work, simulated by nec2c
// while the window stays responsive, and its lengths for the builder's
// tube. It simulates when it appears and again when the tube or the
// results change; a new request stops the one under way, and so does
// closing the window.
class PredictionWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PredictionWindow(QWidget *parent = nullptr);
    ~PredictionWindow() override;

    // The results the main window shows, or none (then it says why).
    void setResults(const std::optional<CutSheet> &sheet);

    // The last prediction for those results and this tube, once it is in.
    const std::optional<antenna::Prediction> &prediction() const { return result; }
    bool isRunning() const { return running != nullptr; }

signals:
    // A prediction arrived, or the one there was is gone.
    void predictionChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void simulate();
    void stop();
    void arrived(int generation, const std::variant<antenna::Prediction, antenna::Problem> &outcome);
    void showPrediction();
    void clear(const QString &why);

    std::optional<CutSheet> sheet;
    std::optional<antenna::Prediction> result;
    std::shared_ptr<antenna::Nec2c> running;
    QList<QPointer<QThread>> threads;
    int generation = 0;
    QTimer tubeEdited; // a pause in typing, then the simulation

    QDoubleSpinBox *tube = nullptr;
    QLabel *status = nullptr;
    QProgressBar *progress = nullptr;
    SwrPlot *plot = nullptr;
    ElevationPlot *elevation = nullptr;
    QList<QLabel *> figures; // a line each: at f, lowest, band, gain, trim
    QList<QLabel *> lengths; // a heading, then A to E
    QLabel *model = nullptr;
    Announcer *announcer = nullptr;
};

} // namespace ui
