// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/solution.h"
#include "antenna/swr.h"

#include <complex>
#include <vector>

namespace antenna {

// The feed impedance of a model across a band of frequencies, rising, and
// what follows from it against 50 ohms.
struct FeedCurve
{
    std::vector<FeedPoint> points;

    std::vector<SwrPoint> swr() const;
    SwrSummary summary() const { return summarize(swr()); }
    // Between the points, at a frequency inside the curve.
    std::complex<double> zAt(double mhz) const;
    double swrAt(double mhz) const { return antenna::swrAt(swr(), mhz); }
};

} // namespace antenna
