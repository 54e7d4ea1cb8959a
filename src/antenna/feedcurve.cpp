// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/feedcurve.h"

#include "antenna/between.h"

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
    return between(points, mhz, [](const FeedPoint &a, const FeedPoint &b, double t) { return a.z + t * (b.z - a.z); });
}

} // namespace antenna
