// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <complex>
#include <optional>
#include <utility>
#include <vector>

namespace antenna {

// The transmitter's line: whatever an analyser was calibrated to, the SWR
// a builder cares about is against 50 ohms.
inline constexpr double referenceOhms = 50;

// The standing-wave ratio on a line of z0 ohms ending in z; infinite when
// all is reflected (or more, as a badly calibrated analyser may show).
double swr(std::complex<double> z, double z0 = referenceOhms);
double swrOfReflection(double magnitude);

struct SwrPoint
{
    double mhz;
    double swr;
};

// What a builder reads off an SWR curve.
struct SwrSummary
{
    // The lowest SWR and where, between the sweep's points where the curve
    // bends through its minimum.
    SwrPoint best{};
    // The lowest SWR lies at an end of the sweep: the true one lies beyond.
    bool bestAtEdge = false;
    // The band around the lowest SWR where it stays at or below 2, its ends
    // found between points; none when even the lowest is above 2.
    std::optional<std::pair<double, double>> band2;
    bool bandReachesEdge = false;
};

// For a curve in rising frequency, at least one point.
SwrSummary summarize(const std::vector<SwrPoint> &curve);

// The SWR at a frequency inside the curve, between its points.
double swrAt(const std::vector<SwrPoint> &curve, double mhz);

} // namespace antenna
