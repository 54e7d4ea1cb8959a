// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace rt {

// The value with two decimals ("0.00"): at least one integer digit, no
// grouping, a point whatever the locale, a leading minus when negative.
// Rounds as a pocket calculator does: the value is first taken to 15
// significant digits, then rounded half away from zero, so 43.815 shows
// "43.82" although its double lies a hair below.
QString format00(double value);

} // namespace rt
