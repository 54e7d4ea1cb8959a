// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"
#include "antenna/prediction.h"
#include "antenna/solver.h"
#include "ui/messagebox.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QThread;

namespace ui {

class AnalyserPanel;
class Announcer;
class CurrentPlot;
class Document;
class ElevationPlot;
class InstallationGroup;
class SwrPlot;

// "性能预测": how the antenna as calculated (or built) will work where it
// stands, simulated while the window stays responsive, and its lengths for
// the builder's tube. It simulates the document's results when it appears
// and again when the tube, the installation or the results change; a new
// request stops the one under way, and so does closing the window. Analyser sweeps dropped on it or imported go
// into the document and are drawn over the prediction, with what to cut.
class PredictionWindow : public QWidget
{
    Q_OBJECT
public:
    // What simulates: nec2c unless told otherwise.
    using SolverFactory = std::function<std::shared_ptr<antenna::Solver>()>;

    explicit PredictionWindow(Document *document, QWidget *parent = nullptr);
    ~PredictionWindow() override;

    void setSolverFactory(SolverFactory factory) { makeSolver = std::move(factory); }

    // The last prediction for the results and this tube, once it is in.
    const std::optional<antenna::Prediction> &prediction() const;
    bool isRunning() const { return running != nullptr; }

    // Reads an analyser's sweep of the antenna as built (Touchstone) and
    // shows it over the prediction, with what to cut; one that cannot be
    // read gets a message naming the file and the line, and changes
    // nothing. Returns whether it was read.
    bool importMeasurement(const QString &fileName);
    const std::vector<antenna::Measurement> &measurements() const;
    AnalyserPanel *analyser() const { return analyserPanel; }

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

    Document *document;
    SolverFactory makeSolver;
    std::shared_ptr<antenna::Solver> running;
    QList<QPointer<QThread>> threads;
    int generation = 0;
    QTimer tubeEdited; // a pause in typing, then the simulation

    QDoubleSpinBox *tube = nullptr;
    InstallationGroup *installation = nullptr;
    AnalyserPanel *analyserPanel = nullptr;
    QLabel *status = nullptr;
    QProgressBar *progress = nullptr;
    SwrPlot *plot = nullptr;
    ElevationPlot *elevation = nullptr;
    CurrentPlot *currents = nullptr;
    // A label a line, so that Tab and a screen reader take one figure at a time.
    struct
    {
        QLabel *atF, *lowest, *band, *gain, *elevation, *groundPlane, *freeSpace, *coax, *mast, *trim;
    } figure{};
    struct
    {
        QLabel *heading;
        std::array<QLabel *, 5> rows; // A to E
    } lengths{};
    struct
    {
        QLabel *lowest, *band, *impedance, *cut;
    } measured{};
    QLabel *model = nullptr;
    Announcer *announcer = nullptr;
    MessageBoxes messages{this};
};

} // namespace ui
