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
        TubeTooThick,   // the tubes would (nearly) touch: thickestMm is the largest
        BadLengths,     // lengths no J has (C not below B, B not below A, …)
        OutOfRange,     // the antenna too small or too large to model: lowestMhz to highestMhz
        Nec2cMissing,   // detail: why it could not be started, if it was found
        Nec2cFailed,    // detail: what it said or how it ended
        Nec2cTimedOut,  // seconds: how long it was given
        Nec2cGarbled,   // line, detail: where its output stopped making sense
        Cancelled,
        BadHeight,        // no height, or one so great the model means nothing: highestM is the largest
        BadMast,          // a mast of no thickness, or one that would touch: thickestMm is the largest
        BadCoax,          // the same for the coax
        BadChoke,         // a choke of no impedance
        ChokeWithoutCoax, // a choke but no coax to put it on
        ChokeBelowGround, // highestM: the farthest below the J it may be
    };
    Kind kind;
    double thickestMm = 0;
    double lowestMhz = 0, highestMhz = 0;
    double seconds = 0;
    qint64 line = 0;
    QString detail;

    double highestM = 0;

    static Problem of(Kind kind) { return {kind, 0, 0, 0, 0, 0, {}, 0}; }
    static Problem tooThick(Kind kind, double mm) { return with(kind, &Problem::thickestMm, mm); }
    static Problem tooHigh(Kind kind, double m) { return with(kind, &Problem::highestM, m); }
    static Problem outOfRange(double lowest, double highest) { return {Kind::OutOfRange, 0, lowest, highest, 0, 0, {}, 0}; }
    static Problem failed(const QString &detail) { return {Kind::Nec2cFailed, 0, 0, 0, 0, 0, detail, 0}; }
    static Problem missing(const QString &detail = {}) { return {Kind::Nec2cMissing, 0, 0, 0, 0, 0, detail, 0}; }
    static Problem timedOut(double seconds) { return with(Kind::Nec2cTimedOut, &Problem::seconds, seconds); }
    static Problem garbled(qint64 line, const QString &detail) { return {Kind::Nec2cGarbled, 0, 0, 0, 0, line, detail, 0}; }

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
