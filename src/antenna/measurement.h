// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/oneport.h"
#include "antenna/swr.h"

#include <QString>

#include <complex>

namespace antenna {

// Where a measurement came from: a file, or an analyser swept live.
struct Origin
{
    enum class Kind { File, Device };
    Kind kind = Kind::File;
    QString where;   // the file's path as the user named it, or the port
    QString model;   // the analyser, as it names itself, for a device
    QString version; // and its firmware
};

// One analyser sweep of the antenna as built, and what it says.
struct Measurement
{
    QString label; // what the legend and the figures call it
    Origin origin;
    OnePort data;
    SwrSummary summary;           // against 50 ohms
    std::complex<double> zAtBest; // R + jX where the SWR is lowest
};

Measurement measurement(const QString &label, const Origin &origin, const OnePort &data);
// A file's sweep, called by its name.
Measurement measuredFile(const QString &path, const OnePort &data);

// How far the resonance moves up for 10 mm cut off A, with B cut by
// bOverA of A's cut (in proportion, as the correction scales them).
struct TrimFigure
{
    double mhzPer10mmOfA = 0;
    double bOverA = 0;
};

// Millimetres to take off A and B (negative: to add).
struct Cut
{
    double a = 0, b = 0;
};

// What to cut to move the resonance from `measuredMhz` to `targetMhz`.
Cut cutFor(double measuredMhz, double targetMhz, const TrimFigure &trim);

} // namespace antenna
