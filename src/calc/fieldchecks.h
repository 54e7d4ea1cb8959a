// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/boxes.h"
#include "runtime/message.h"

#include <optional>

namespace calc {

// After every edit of MHZ by the user: the input-error message when the
// text no longer reads as a usable frequency, or the report of the run-time
// error reading it; nothing when it reads well. It never corrects the text
// or calculates.
std::optional<rt::Message> checkFrequency(const Boxes &boxes);

// When MHZ receives the focus: selects its whole text, so typing replaces it.
void selectFrequency(Boxes &boxes);

} // namespace calc
