// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/document.h"

namespace ui {

void Document::setResults(const std::optional<calc::Calculated> &results)
{
    Changes what = Results;
    if (predicted)
        what |= Prediction;
    calculated = results;
    predicted.reset();
    emit changed(what);
}

void Document::setPrediction(const std::optional<antenna::Prediction> &prediction)
{
    if (!prediction && !predicted)
        return;
    predicted = prediction;
    emit changed(Prediction);
}

void Document::addMeasurement(const antenna::Measurement &measurement)
{
    measured.push_back(measurement);
    emit changed(Measurements);
}

} // namespace ui
