// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <cmath>
#include <optional>

namespace rt {

// An error that stops the event procedure it happens in. Nothing in the
// program traps one: it goes back to the window, which reports it.
struct RuntimeError
{
    int number = 0;
    QString description;

    friend bool operator==(const RuntimeError &, const RuntimeError &) = default;
};

inline RuntimeError overflowError() { return {6, QStringLiteral("溢出")}; }

// A double, or the run-time error that stopped its computation.
struct Number
{
    double value = 0;
    std::optional<RuntimeError> error;
};

// The floating-point check made after each computation. The operands are
// always finite, so a result that is not finite means the double range
// overflowed (a zero divisor is rejected before any division).
inline std::optional<RuntimeError> checkFloat(double value)
{
    if (std::isfinite(value))
        return std::nullopt;
    return overflowError();
}

} // namespace rt
