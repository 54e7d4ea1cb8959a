// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "runtime/message.h"

namespace calc {

// The frequency does not read as a usable number.
rt::Message inputError();

// The frequency field is empty or holds only blanks.
rt::Message missingFrequency();

} // namespace calc
