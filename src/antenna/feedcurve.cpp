// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/feedcurve.h"

#include <algorithm>

namespace antenna {

std::vector<SwrPoint> FeedCurve::swr() const
{
    std::vector<SwrPoint> curve;
    curve.reserve(points.size());
    for (const auto &p : points)
        curve.push_back({p.mhz, antenna::swr(p.z)});
    return curve;
}

std::complex<double> FeedCurve::zAt(double mhz) const
{
    const auto after = std::lower_bound(points.begin(), points.end(), mhz,
                                        [](const FeedPoint &p, double f) { return p.mhz < f; });
    if (after == points.begin())
        return points.front().z;
    if (after == points.end())
        return points.back().z;
    const auto &b = *after;
    const auto &a = *(after - 1);
    return a.z + (mhz - a.mhz) / (b.mhz - a.mhz) * (b.z - a.z);
}

} // namespace antenna
