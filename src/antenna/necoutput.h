// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/deck.h"
#include "antenna/problem.h"
#include "antenna/solution.h"

#include <QByteArrayView>

#include <variant>

namespace antenna {

// Reads what nec2c wrote for the deck of this structure and request: the
// impedance at the structure's source at each frequency, the currents on
// every segment where they were asked for, and the pattern where one was.
// Anything else there is passed over. Output that stops early, holds fewer
// frequencies, segments or directions than asked for, or numbers that are
// not numbers is garbled: the problem names the line.
std::variant<Solution, Problem> readNecOutput(QByteArrayView text, const Structure &structure, const Request &request);

} // namespace antenna
