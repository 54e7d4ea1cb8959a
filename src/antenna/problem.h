// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace antenna {

// Why a prediction could not be made, as a value: what went wrong, with
// the numbers it concerns, each in a field of its own. The front ends say
// it in words.
struct Problem
{
    enum class Kind {
        BadFrequency,   // not a finite, positive frequency
        BadTube,        // a tube diameter that is not a finite, positive number
        TubeTooThick,   // the tubes would (nearly) touch: thickestTubeMm is the largest
        BadLengths,     // lengths no J has (C not below B, B not below A, …)
        OutOfRange,     // the antenna too small or too large to model: lowestMhz to highestMhz
        Nec2cMissing,   // detail: why it could not be started, if it was found
        Nec2cFailed,    // detail: what it said or how it ended
        Nec2cTimedOut,  // seconds: how long it was given
        Nec2cGarbled,   // line, detail: where its output stopped making sense
        Cancelled,
    };
    Kind kind;
    double thickestTubeMm = 0;
    double lowestMhz = 0, highestMhz = 0;
    double seconds = 0;
    qint64 line = 0;
    QString detail;

    static Problem of(Kind kind) { return {kind, 0, 0, 0, 0, 0, {}}; }
    static Problem tubeTooThick(double mm) { return with(Kind::TubeTooThick, &Problem::thickestTubeMm, mm); }
    static Problem outOfRange(double lowest, double highest) { return {Kind::OutOfRange, 0, lowest, highest, 0, 0, {}}; }
    static Problem failed(const QString &detail) { return {Kind::Nec2cFailed, 0, 0, 0, 0, 0, detail}; }
    static Problem missing(const QString &detail = {}) { return {Kind::Nec2cMissing, 0, 0, 0, 0, 0, detail}; }
    static Problem timedOut(double seconds) { return with(Kind::Nec2cTimedOut, &Problem::seconds, seconds); }
    static Problem garbled(qint64 line, const QString &detail) { return {Kind::Nec2cGarbled, 0, 0, 0, 0, line, detail}; }

    friend bool operator==(const Problem &, const Problem &) = default;

private:
    static Problem with(Kind kind, double Problem::*field, double v)
    {
        Problem p = of(kind);
        p.*field = v;
        return p;
    }
};

} // namespace antenna
