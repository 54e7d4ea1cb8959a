// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/problem.h"
#include "calc/results.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace antenna {

// A straight wire in the x-z plane, in metres, cut into segments.
struct Wire
{
    double x1, z1, x2, z2;
    int segments;

    double length() const;
};

// What nec2c is given: wires of one radius, a voltage source in the middle
// segment of one of them, and the conductivity of the metal. Free space.
struct Model
{
    std::vector<Wire> wires;
    double radius = 0; // m
    std::size_t feedWire = 0; // its segment count is odd
    double conductivity = 0; // S/m; 0 for a perfect conductor

    int segments() const;
};

inline constexpr double copper = 5.8e7; // S/m
inline constexpr double speedOfLight = 299.792458; // m·MHz

// The J as cut, in millimetres, as the result boxes show it: the long
// element A and the short element B rising from a straight bottom of
// length D (the bend), the feed at height C, all on the tubes' centre
// lines; and the tube's outside diameter.
struct JPole
{
    double a = 0, b = 0, c = 0, d = 0;
    double tube = 0;

    friend bool operator==(const JPole &, const JPole &) = default;
};

// 15 mm: the copper water pipe most J antennas for 2 m and 70 cm are bent
// from (half-inch pipe is 15.9 mm), and one a third of D at 145 MHz.
inline constexpr double defaultTube = 15;

// How finely the J is cut into segments: no segment longer than a
// hundredth of a wavelength, at least three across the bend, on the feed
// wire and below it, none shorter than the tube's diameter (two radii, the
// shortest the extended thin-wire kernel is accurate for). The two legs
// are cut alike where they run side by side, so their segments face each
// other. Refining doubles every count (the feed wire's stays odd).
struct Segmentation
{
    // bottom, short leg below and above the feed, long leg below the feed,
    // beside the short one and above it, feed wire
    std::array<int, 7> counts{};
};

inline constexpr int segmentsPerWavelength = 100;

// Why this J at this frequency cannot be modelled, if it cannot: lengths
// no J has (C, B and A not rising, or many wavelengths long), a tube too thick for the spacing D (the tubes would touch or
// nearly: it must be at most a third of D, so that three segments no
// shorter than the tube fit across the bend), or a frequency out of range.
std::optional<Problem> refusal(const JPole &j, double mhz);

// The largest tube the model takes for spacing d (mm).
double thickestTube(double d);

Segmentation segmentation(const JPole &j, double mhz, int refinement = 1);

// The J's wires, copper, fed across the gap at height C by a wire running
// junction to junction, the source in its middle segment. Only for a J
// that refusal() accepts.
Model model(const JPole &j, const Segmentation &cut);

// The J as the result boxes show it (A to D read from their texts), with
// the tube's diameter.
JPole asShown(const calc::ResultTexts &texts, double tube);

} // namespace antenna
