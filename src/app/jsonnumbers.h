// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QJsonArray>
#include <QJsonValue>

#include <cmath>

// Numbers as JSON prints them short: rounded to what they mean.
inline double rounded(double v, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

// Infinite SWR (all reflected) has no JSON number: null.
inline QJsonValue swrValue(double swr) { return std::isfinite(swr) ? QJsonValue(rounded(swr, 3)) : QJsonValue(); }
