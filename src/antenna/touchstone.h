// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/oneport.h"

#include <QString>

#include <variant>

class QIODevice;

namespace antenna {

// An analyser's sweep as a file holds it: the reflection of port 1.
struct TouchstoneFile
{
    OnePort reflection;
    int ports = 1;   // 2 for a two-port file, of which S11 is read
    int version = 1; // 1, or 2 for a "[Version] 2.0" file
    enum class Parameter { S, Y, Z } parameter = Parameter::S;
};

// Why a file is no sweep we can read, and on which line (0: the file as a
// whole).
struct TouchstoneError
{
    enum class Kind {
        Unreadable,      // cannot be opened; detail: why
        TooLarge,        // larger than any analyser writes; detail: its size in MB
        NotText,         // binary bytes
        LineTooLong,
        NoOptionLine,    // data before any "#" line, or none at all
        BadOptionLine,   // a field it does not know, or two that contradict; detail: the field
        UnknownUnit,     // a frequency unit Touchstone does not have; detail: the unit
        NotS,            // H or G parameters; detail: which
        NotANumber,      // a value that is no number, NaN or infinite; detail: the value
        WrongCount,      // not a frequency and whole pairs of values; detail: how many
        NotRising,       // a frequency that repeats or goes back; detail: the frequency
        NoData,
        TooManyPorts,    // an .s3p or more; detail: how many, where the file says
        BadVersion,      // a [Version] other than 2.0; detail: the version
        BadKeyword,      // a [keyword] out of place, unknown or not for one port; detail: the keyword
        WrongFrequencyCount, // not as many frequencies as [Number of Frequencies] says; detail: how many there are
    };
    Kind kind;
    qint64 line = 0;
    QString detail;
};

// Reads a Touchstone file of one port (.s1p) or two (.s2p, whose S11 is
// taken), version 1 or 2.0. Version 1: the option line "# <Hz|kHz|MHz|GHz>
// <S|Y|Z> <RI|MA|DB> R <z0>" in any letter case, spacing and order, with
// GHz, S, MA and R 50 where a field is missing, Y and Z normalised to R;
// "!" comments, on their own lines or after data; blank lines. Version 2.0
// adds its keywords ([Version] 2.0, [Number of Ports] 1 or 2, [Two-Port
// Data Order], [Number of Frequencies], [Reference], [Matrix Format],
// [Network Data], [End], information blocks), with Y and Z in siemens and
// ohms. The number of ports comes from [Number of Ports], the name's
// ".sNp", or else the first data line. A point where |S11| ≥ 1 (a
// calibration slip) is no error: its SWR is infinite, off the scale.
std::variant<TouchstoneFile, TouchstoneError> readTouchstone(const QString &fileName);

// The same from an open device, the file's name giving its ports.
std::variant<TouchstoneFile, TouchstoneError> readTouchstone(QIODevice &file, const QString &fileName);

// The largest file read: some ten times the largest sweep an analyser saves.
inline constexpr qint64 largestTouchstone = 32 * 1024 * 1024;

} // namespace antenna
