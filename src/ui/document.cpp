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

void Document::setLive(const std::optional<antenna::Measurement> &sweep)
{
    liveSweep = sweep;
    emit changed(Live);
}

void Document::keep(const antenna::KeptSweep &sweep)
{
    log.kept.push_back(sweep);
    emit changed(Log);
}

void Document::setTrimLog(const antenna::TrimLog &trimLog)
{
    log = trimLog;
    emit changed(Log);
}

std::vector<antenna::Measurement> Document::sweeps() const
{
    auto all = measured;
    for (const auto &k : log.kept)
        all.push_back(k.measurement);
    if (liveSweep)
        all.push_back(*liveSweep);
    return all;
}

std::optional<antenna::TrimFigure> Document::trimFigure() const
{
    if (auto own = log.measuredTrim())
        return own;
    if (predicted)
        return predicted->trimFigure();
    return std::nullopt;
}

} // namespace ui
