// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/swr.h"

#include <QString>

class QIODevice;

#include <variant>
#include <vector>

namespace antenna {

// An analyser's sweep of the antenna: S11 as SWR against the file's
// reference impedance, in rising frequency.
struct Sweep1Port
{
    double z0 = 50; // ohms
    int ports = 1;  // 2 for an .s2p file, of which S11 is read
    std::vector<SwrPoint> swr;
};

// Why a file is no sweep we can read, and on which line (0: the file as a
// whole).
struct TouchstoneError
{
    enum class Kind {
        Unreadable,      // cannot be opened
        TooLarge,        // larger than any analyser writes
        NotText,         // binary bytes
        LineTooLong,
        NoOptionLine,    // data before any "#" line, or none at all
        BadOptionLine,   // a field it does not know, or two that contradict
        UnknownUnit,     // a frequency unit Touchstone does not have
        NotS,            // Y, Z, H or G parameters
        NotANumber,      // a value that is no number, NaN or infinite
        WrongCount,      // not a frequency and whole pairs of values
        NotRising,       // a frequency that repeats or goes back
        NoData,
        TooManyPorts,    // an .s3p or more
    };
    Kind kind;
    qint64 line = 0;
    QString detail; // the offending text, where there is one

    QString text(const QString &file, bool chinese) const;
};

// Reads a Touchstone version 1 file of one port (.s1p) or two (.s2p, whose
// S11 is taken): the option line "# <Hz|kHz|MHz|GHz> S <RI|MA|DB> R <z0>"
// in any letter case, spacing and order, with GHz, MA and R 50 where a
// field is missing; "!" comments, on their own lines or after data; blank
// lines. The number of ports comes from the name's ".sNp", or else from the
// first data line. A point where |S11| ≥ 1 (a calibration slip) is no
// error: its SWR is infinite, off the scale.
std::variant<Sweep1Port, TouchstoneError> readTouchstone(const QString &fileName);

// The same from an open device, the file's name giving its ports.
std::variant<Sweep1Port, TouchstoneError> readTouchstone(QIODevice &file, const QString &fileName);

// The largest file read: some ten times the largest sweep an analyser saves.
inline constexpr qint64 largestTouchstone = 32 * 1024 * 1024;

} // namespace antenna
