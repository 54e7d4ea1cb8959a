// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/boxes.h"
#include "calc/results.h"
#include "runtime/message.h"
#include "runtime/runtimeerror.h"

#include <optional>
#include <variant>

namespace calc {

// The J's four lengths as the boxes show them, read back as numbers: what
// a builder cuts, in millimetres.
struct Lengths
{
    double a = 0, b = 0, c = 0, d = 0;

    friend bool operator==(const Lengths &, const Lengths &) = default;
};

// What a calculation that wrote all five results calculated: the
// frequency as it was typed and as it reads, the five texts written, and
// the lengths they show.
struct Calculated
{
    QString frequency; // as typed, without the blanks around it
    double mhz = 0;
    ResultTexts texts;
    Lengths lengths;
};

// What the calculate command did: wrote all five results (their texts), or
// stopped on a message for the user before writing any, or was stopped by
// a run-time error, after which the boxes already written keep their new
// text and the others their old.
using Outcome = std::variant<Calculated, rt::Message, rt::RuntimeError>;

// The calculate command: reads the frequency in MHz from MHZ and writes the
// cut dimensions A to D and the total length E, in millimetres, to CMA..CME,
// one at a time in that order. A frequency that is missing or reads as zero
// changes nothing.
Outcome calculate(Boxes &boxes);

// What the user is to read after the command: the message, or the report
// of the run-time error; nothing when the results were written.
std::optional<rt::Message> messageOf(const Outcome &outcome);

} // namespace calc
