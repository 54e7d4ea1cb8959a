// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"
#include "antenna/prediction.h"
#include "antenna/trimlog.h"
#include "calc/calculation.h"

#include <QObject>

#include <optional>
#include <vector>

namespace ui {

// What the windows show and the cut sheet prints, held in one place: the
// results of the last calculation that wrote them all, the prediction made
// for them, and the analyser's sweeps of the antenna as built: imported
// from files, kept in the trim log, and the one live from the analyser.
// The windows read it and say what they change; it says what changed.
class Document : public QObject
{
    Q_OBJECT
public:
    enum Change { Results = 1, Prediction = 2, Measurements = 4, Live = 8, Log = 16 };
    Q_DECLARE_FLAGS(Changes, Change)

    using QObject::QObject;

    const std::optional<calc::Calculated> &results() const { return calculated; }
    const std::optional<antenna::Prediction> &prediction() const { return predicted; }
    // Imported, in the order they came, the last latest.
    const std::vector<antenna::Measurement> &measurements() const { return measured; }
    const std::optional<antenna::Measurement> &live() const { return liveSweep; }
    const antenna::TrimLog &trimLog() const { return log; }
    // Every sweep there is, oldest first: the imported, the kept, the live one.
    std::vector<antenna::Measurement> sweeps() const;
    // The builder's own trim figure where the log gives one, else the model's.
    std::optional<antenna::TrimFigure> trimFigure() const;

    // New results, or none: a prediction of the old ones is gone. The
    // sweeps stay, measured of the antenna being trimmed.
    void setResults(const std::optional<calc::Calculated> &results);
    // The prediction of the results there are, or none.
    void setPrediction(const std::optional<antenna::Prediction> &prediction);
    void addMeasurement(const antenna::Measurement &measurement);
    // The sweep from the analyser, updated in place; none once it is gone.
    void setLive(const std::optional<antenna::Measurement> &sweep);
    // The live sweep kept in the log as the next cut.
    void keep(const antenna::KeptSweep &sweep);
    void setTrimLog(const antenna::TrimLog &trimLog);

signals:
    void changed(ui::Document::Changes what);

private:
    std::optional<calc::Calculated> calculated;
    std::optional<antenna::Prediction> predicted;
    std::vector<antenna::Measurement> measured;
    std::optional<antenna::Measurement> liveSweep;
    antenna::TrimLog log;
};

} // namespace ui

Q_DECLARE_OPERATORS_FOR_FLAGS(ui::Document::Changes)
