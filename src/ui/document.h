// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"
#include "antenna/prediction.h"
#include "calc/calculation.h"

#include <QObject>

#include <optional>
#include <vector>

namespace ui {

// What the windows show and the cut sheet prints, held in one place: the
// results of the last calculation that wrote them all, the prediction made
// for them, and the analyser's sweeps of the antenna as built. The windows
// read it and say what they change; it says what changed.
class Document : public QObject
{
    Q_OBJECT
public:
    enum Change { Results = 1, Prediction = 2, Measurements = 4 };
    Q_DECLARE_FLAGS(Changes, Change)

    using QObject::QObject;

    const std::optional<calc::Calculated> &results() const { return calculated; }
    const std::optional<antenna::Prediction> &prediction() const { return predicted; }
    // In the order they came, the last latest.
    const std::vector<antenna::Measurement> &measurements() const { return measured; }

    // New results, or none: a prediction of the old ones is gone. The
    // sweeps stay, measured of the antenna being trimmed.
    void setResults(const std::optional<calc::Calculated> &results);
    // The prediction of the results there are, or none.
    void setPrediction(const std::optional<antenna::Prediction> &prediction);
    void addMeasurement(const antenna::Measurement &measurement);

signals:
    void changed(ui::Document::Changes what);

private:
    std::optional<calc::Calculated> calculated;
    std::optional<antenna::Prediction> predicted;
    std::vector<antenna::Measurement> measured;
};

} // namespace ui

Q_DECLARE_OPERATORS_FOR_FLAGS(ui::Document::Changes)
