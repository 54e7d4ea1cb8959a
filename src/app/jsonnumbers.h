// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/swr.h"

#include <QJsonArray>
#include <QJsonObject>
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

// A summary's lowest SWR, {"mhz", "swr"}, and its SWR <= 2 band, [low, high] or null.
inline QJsonObject bestValue(const antenna::SwrSummary &s)
{
    return {{QStringLiteral("mhz"), rounded(s.best.mhz, 4)}, {QStringLiteral("swr"), swrValue(s.best.swr)}};
}

inline QJsonValue bandValue(const antenna::SwrSummary &s)
{
    if (!s.band2)
        return {};
    return QJsonArray{rounded(s.band2->first, 4), rounded(s.band2->second, 4)};
}
