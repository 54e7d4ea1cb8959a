// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace antenna {

// Why a prediction could not be made, as a value: what went wrong, with the
// numbers it concerns, told in Chinese (the window) or English (the
// command line under another locale).
struct Problem
{
    enum class Kind {
        BadFrequency,   // not a finite, positive frequency
        BadTube,        // a tube diameter that is not a finite, positive number
        TubeTooThick,   // the tubes would (nearly) touch: limit is the largest diameter
        BadLengths,     // lengths no J has (C not below B, B not below A, …)
        OutOfRange,     // the antenna too small or too large to model
        Nec2cMissing,   // detail: the program looked for
        Nec2cFailed,    // detail: what it said or how it ended
        Nec2cTimedOut,  // limit: seconds
        Nec2cGarbled,   // detail: where its output stopped making sense
        Cancelled,
    };
    Kind kind;
    double limit = 0;
    QString detail;

    QString text(bool chinese) const;

    friend bool operator==(const Problem &, const Problem &) = default;
};

} // namespace antenna
