// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"
#include "antenna/prediction.h"
#include "ui/cutsheet.h"
#include "ui/messagebox.h"

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
// closing the window. Analyser sweeps dropped on it or imported are drawn
// over the prediction, with what to cut.
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

    // Reads an analyser's sweep of the antenna as built (Touchstone) and
    // shows it over the prediction, with what to cut; one that cannot be
    // read gets a message naming the file and the line, and changes
    // nothing. Returns whether it was read.
    bool importMeasurement(const QString &fileName);
    const std::vector<antenna::Measurement> &measurements() const { return measured; }

signals:
    // A prediction or a measurement arrived, or the prediction there was is gone.
    void predictionChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void simulate();
    void stop();
    void arrived(int generation, const std::variant<antenna::Prediction, antenna::Problem> &outcome);
    void showPrediction();
    void showMeasurements();
    void chooseMeasurement();
    void clear(const QString &why);

    std::optional<CutSheet> sheet;
    std::optional<antenna::Prediction> result;
    std::vector<antenna::Measurement> measured; // in the order imported
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
    QList<QLabel *> measuredLines; // lowest, band, what to cut
    QLabel *model = nullptr;
    Announcer *announcer = nullptr;
    MessageBoxes messages{this};
};

} // namespace ui
