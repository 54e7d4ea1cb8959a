// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <iterator>

namespace antenna {

// What a curve of points in rising frequency (each with its `mhz`) says at
// `mhz`: `mix(a, b, t)` of the two points around it, t the way from a to b;
// beyond its ends, the end's own.
template <typename Points, typename Mix>
auto between(const Points &points, double mhz, Mix mix)
{
    const auto after = std::lower_bound(std::begin(points), std::end(points), mhz,
                                        [](const auto &p, double f) { return p.mhz < f; });
    if (after == std::begin(points))
        return mix(*after, *after, 0.0);
    if (after == std::end(points))
        return mix(*std::prev(after), *std::prev(after), 0.0);
    const auto &a = *std::prev(after);
    const auto &b = *after;
    return mix(a, b, (mhz - a.mhz) / (b.mhz - a.mhz));
}

} // namespace antenna
