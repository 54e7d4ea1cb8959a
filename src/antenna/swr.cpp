// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/swr.h"

#include "antenna/between.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace antenna {

namespace {

constexpr double bandLimit = 2;

// Where the line through a and b reaches `level`.
double crossing(const SwrPoint &a, const SwrPoint &b, double level)
{
    if (!std::isfinite(a.swr) || !std::isfinite(b.swr) || a.swr == b.swr)
        return std::isfinite(a.swr) && a.swr <= level ? a.mhz : b.mhz;
    return a.mhz + (level - a.swr) / (b.swr - a.swr) * (b.mhz - a.mhz);
}

} // namespace

double swrOfReflection(double magnitude)
{
    if (!(magnitude < 1))
        return std::numeric_limits<double>::infinity();
    return (1 + magnitude) / (1 - magnitude);
}

double swr(std::complex<double> z, double z0)
{
    return swrOfReflection(std::abs((z - z0) / (z + z0)));
}

SwrSummary summarize(const std::vector<SwrPoint> &curve)
{
    SwrSummary s;
    const auto lowest = std::min_element(curve.begin(), curve.end(),
                                         [](const SwrPoint &a, const SwrPoint &b) { return a.swr < b.swr; });
    const auto i = std::size_t(lowest - curve.begin());
    s.best = *lowest;
    s.bestAtEdge = i == 0 || i + 1 == curve.size();
    if (!s.bestAtEdge) {
        // The parabola through the lowest point and its neighbours, in
        // frequency relative to the lowest point.
        const double x0 = curve[i - 1].mhz - lowest->mhz, y0 = curve[i - 1].swr;
        const double x2 = curve[i + 1].mhz - lowest->mhz, y2 = curve[i + 1].swr;
        const double y1 = lowest->swr;
        // y = p x² + q x + y1 through (x0, y0) and (x2, y2)
        const double p = ((y0 - y1) / x0 - (y2 - y1) / x2) / (x0 - x2);
        const double q = (y0 - y1) / x0 - p * x0;
        if (std::isfinite(p) && std::isfinite(q) && p > 0) {
            const double x = std::clamp(-q / (2 * p), x0, x2);
            s.best.mhz = lowest->mhz + x;
            s.best.swr = std::max(1.0, y1 + q * x + p * x * x);
        }
    }
    if (lowest->swr <= bandLimit) {
        std::size_t lo = i, hi = i;
        while (lo > 0 && curve[lo - 1].swr <= bandLimit)
            --lo;
        while (hi + 1 < curve.size() && curve[hi + 1].swr <= bandLimit)
            ++hi;
        const double low = lo > 0 ? crossing(curve[lo - 1], curve[lo], bandLimit) : curve[lo].mhz;
        const double high = hi + 1 < curve.size() ? crossing(curve[hi], curve[hi + 1], bandLimit) : curve[hi].mhz;
        s.band2 = std::pair(low, high);
        s.bandReachesEdge = lo == 0 || hi + 1 == curve.size();
    }
    return s;
}

double swrAt(const std::vector<SwrPoint> &curve, double mhz)
{
    return between(curve, mhz, [](const SwrPoint &a, const SwrPoint &b, double t) {
        if (!std::isfinite(a.swr) || !std::isfinite(b.swr))
            return std::max(a.swr, b.swr);
        return a.swr + t * (b.swr - a.swr);
    });
}

} // namespace antenna
