// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/boxes.h"
#include "runtime/message.h"
#include "runtime/runtimeerror.h"

#include <optional>

namespace calc {

// The calculate command: reads the frequency in MHz from MHZ and writes the
// cut dimensions A to D and the total length E, in millimetres, to CMA..CME.
// A frequency that is missing or reads as zero gets a message and changes
// nothing. A run-time error stops the command where it happens: boxes
// already written keep their new text, and the error is returned.
std::optional<rt::RuntimeError> calculate(Boxes &boxes, rt::Prompter &prompter);

} // namespace calc
