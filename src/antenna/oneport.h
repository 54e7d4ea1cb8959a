// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/swr.h"

#include <complex>
#include <vector>

namespace antenna {

// One frequency of a one-port: its complex reflection coefficient.
struct ReflectionPoint
{
    double mhz;
    std::complex<double> gamma;
};

// An antenna as an analyser measures it, whether read from a file or
// swept live: the reflection coefficient at each frequency, rising, against
// a reference impedance. Its impedance and its SWR follow; the SWR is
// against 50 ohms, the transmitter's line, whatever the reference was.
struct OnePort
{
    double z0 = 50; // ohms, the reference of gamma
    std::vector<ReflectionPoint> points;

    std::complex<double> z(std::size_t i) const { return impedance(points[i].gamma); }
    double swr(std::size_t i) const;
    std::vector<SwrPoint> swr() const;
    // Between the points, at a frequency inside the sweep.
    std::complex<double> gammaAt(double mhz) const;
    std::complex<double> zAt(double mhz) const { return impedance(gammaAt(mhz)); }

    std::complex<double> impedance(std::complex<double> gamma) const;
};

// The reflection coefficient against another reference impedance.
std::complex<double> renormalised(std::complex<double> gamma, double from, double to);

} // namespace antenna
