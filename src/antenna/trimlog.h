// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace antenna {

// One sweep the builder kept while trimming: when, how many millimetres
// were cut off A and B since the sweep before (negative: added), a note.
struct KeptSweep
{
    QDateTime time;
    double cutA = 0, cutB = 0;
    QString note;
    Measurement measurement;
};

// The sweeps kept while trimming, the first before any cut or after the
// first, each after the cut before it.
struct TrimLog
{
    std::vector<KeptSweep> kept;

    // The measured resonance of each kept sweep (its lowest SWR).
    std::vector<double> resonances() const;
    // From two or more sweeps between which A was cut: the builder's own
    // trim figure, the resonance's rise for 10 mm off A from the line
    // through them all, B cut as it was on average.
    std::optional<TrimFigure> measuredTrim() const;
};

// A one-port as Touchstone version 1 (# Hz S RI R 50, the reference as it
// is), which NanoVNA-Saver and the rest read, its comments first.
QByteArray touchstoneOf(const OnePort &port, const QStringList &comments);

// Why a log could not be saved or opened.
struct TrimLogError
{
    enum class Kind { CannotWrite, NoIndex, BadIndex, BadSweep };
    Kind kind;
    QString file;   // the file concerned
    QString detail; // what the system said, or what was wrong
};

// A log as one folder of .s1p files, one a kept sweep, and an index
// (trimlog.json) of the cuts, notes, times and where each sweep came from.
// Writes nothing but these; a folder that holds a log already is written over.
std::optional<TrimLogError> saveTrimLog(const TrimLog &log, const QString &folder);
std::variant<TrimLog, TrimLogError> openTrimLog(const QString &folder);

inline constexpr auto trimLogIndex = "trimlog.json";

} // namespace antenna
