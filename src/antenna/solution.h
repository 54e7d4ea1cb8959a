// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/structure.h"

#include <complex>
#include <vector>

namespace antenna {

// The impedance at the source, at one frequency.
struct FeedPoint
{
    double mhz;
    std::complex<double> z; // ohms
};

// The current on one segment: the segment as the structure numbers it
// (its wire's tag, its place on the wire) and where its centre lies, in
// metres.
struct SegmentCurrent
{
    SegmentRef segment;
    Point centre;
    std::complex<double> amps;
};

// The power gain towards one direction: theta from the zenith, phi from
// the x axis, in degrees.
struct Gain
{
    double theta, phi, dbi;
};

// What the solver found for one structure: the feed impedance at every
// frequency asked for and, where asked for, the currents on every segment
// at each of them and the pattern.
struct Solution
{
    std::vector<FeedPoint> feed;
    std::vector<std::vector<SegmentCurrent>> currents; // a list a frequency
    std::vector<Gain> pattern;
};

} // namespace antenna
