// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/prediction.h"
#include "antenna/swr.h"
#include "antenna/touchstone.h"

#include <QString>
#include <QStringList>

namespace antenna {

// One analyser sweep of the antenna as built.
struct Measurement
{
    QString file; // as the user named it
    Sweep1Port sweep;
    SwrSummary summary;
};

Measurement measurement(const QString &file, const Sweep1Port &sweep);

// Millimetres to take off A and B (negative: to add) to move the
// resonance from `measured` to `target`: the trim figure says how far 10 mm
// off A, with B cut in proportion, moves it.
struct Cut
{
    double a = 0, b = 0;
};

Cut cutFor(double measuredMhz, double targetMhz, double mhzPer10mmOfA, double bOverA);

// In words a builder acts on: "A、B 各剪短约 12 毫米", "A 剪短约 12 毫米，B 剪短约
// 4 毫米", "A 加长约 …", or that nothing needs cutting.
QString cutAdvice(const Cut &cut, bool chinese);

// What a sweep says, a line each: its lowest SWR and where ("实测 a.s1p：最低
// 驻波比 1.35，在 147.200 MHz"), its band where the SWR stays at or below 2
// and, with a prediction's trim figure, what to cut for the target.
QStringList measuredFigures(const Measurement &m, const Prediction *p, double targetMhz, bool chinese);

} // namespace antenna
