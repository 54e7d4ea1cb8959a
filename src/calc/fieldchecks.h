// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/boxes.h"
#include "runtime/message.h"
#include "runtime/runtimeerror.h"

#include <optional>

namespace calc {

// After every edit of MHZ by the user: warns at once when the text no longer
// reads as a usable frequency. It never corrects the text or calculates.
std::optional<rt::RuntimeError> checkFrequency(Boxes &boxes, rt::Prompter &prompter);

// When MHZ receives the focus: selects its whole text, so typing replaces it.
void selectFrequency(Boxes &boxes);

} // namespace calc
