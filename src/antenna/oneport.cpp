// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/oneport.h"

#include "antenna/between.h"

namespace antenna {

std::complex<double> renormalised(std::complex<double> gamma, double from, double to)
{
    // Z = from (1 + g) / (1 - g), and g' = (Z - to) / (Z + to), without
    // dividing by 1 - g: an open circuit (g = 1) stays one.
    if (from == to)
        return gamma;
    return ((from - to) + gamma * (from + to)) / ((from + to) + gamma * (from - to));
}

std::complex<double> OnePort::impedance(std::complex<double> gamma) const
{
    return z0 * (1.0 + gamma) / (1.0 - gamma);
}

double OnePort::swr(std::size_t i) const
{
    return swrOfReflection(std::abs(renormalised(points[i].gamma, z0, referenceOhms)));
}

std::vector<SwrPoint> OnePort::swr() const
{
    std::vector<SwrPoint> curve;
    curve.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        curve.push_back({points[i].mhz, swr(i)});
    return curve;
}

std::complex<double> OnePort::gammaAt(double mhz) const
{
    return between(points, mhz, [](const ReflectionPoint &a, const ReflectionPoint &b, double t) {
        return a.gamma + t * (b.gamma - a.gamma);
    });
}

} // namespace antenna
