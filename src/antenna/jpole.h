// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/problem.h"
#include "antenna/structure.h"
#include "calc/calculation.h"

#include <optional>

namespace antenna {

// The J as cut, in millimetres: the long element A and the short element B
// rising from a straight bottom of length D (the bend), the feed at height
// C, all on the tubes' centre lines; and the tube's outside diameter.
struct JPole
{
    double a = 0, b = 0, c = 0, d = 0;
    double tube = 0;

    static JPole of(const calc::Lengths &l, double tube) { return {l.a, l.b, l.c, l.d, tube}; }
    calc::Lengths lengths() const { return {a, b, c, d}; }
    double e() const { return a + b + calc::allowance; }

    friend bool operator==(const JPole &, const JPole &) = default;
};

// 15 mm: the copper water pipe most J antennas for 2 m and 70 cm are bent
// from (half-inch pipe is 15.9 mm).
inline constexpr double defaultTube = 15;

// How many segments each part of the J is cut into.
struct JSegmentation
{
    int bottom = 0;          // the bend
    int shortBelowFeed = 0;  // the short element up to the feed
    int shortAboveFeed = 0;  // and on to its top
    int longBelowFeed = 0;   // the long element up to the feed
    int longBesideShort = 0; // from the feed to the short element's top
    int longTop = 0;         // and on to its top
    int feed = 0;            // the feed wire across the gap: odd, the source in its middle
    // The bend cut at its middle, where a mast hangs: `bottom` segments on
    // the half at the short element and these on the other; 0: one wire.
    int bottomToLong = 0;

    int total() const;
    friend bool operator==(const JSegmentation &, const JSegmentation &) = default;
};

inline constexpr int segmentsPerWavelength = 100;

// Why this J at this frequency cannot be modelled, if it cannot: lengths
// no J has (C, B and A not rising, or many wavelengths long), a tube too
// thick for the spacing D (the legs would come closer than a tube's
// radius, where the thin-wire model means nothing), or a frequency out of
// range.
std::optional<Problem> refusal(const JPole &j, double mhz);

// The largest tube the model takes for spacing d (mm).
double thickestTube(double d);

// No segment longer than a hundredth of a wavelength, three across the
// bend, on the feed wire and below it where three no shorter than the
// tube's diameter fit (two radii, the shortest the extended thin-wire
// kernel is accurate for; fewer and longer across the short bend of a
// thick tube), none shorter than the tube's diameter. The two legs are cut alike where they run side by
// side, so their segments face each other. Refining doubles every count
// (the feed wire's stays odd, keeping a middle segment).
JSegmentation segmentation(const JPole &j, double mhz, int refinement = 1);

// The tags of the J's parts in a structure.
struct JWires
{
    int bottom = 0, shortBelowFeed = 0, shortAboveFeed = 0, longBelowFeed = 0, longBesideShort = 0, longTop = 0,
        feed = 0;
    int bottomToLong = 0; // the bend's second half, where it is cut

    // The middle segment of the feed wire, where the coax's conductors attach.
    SegmentRef source(const Structure &s) const { return {feed, s.wire(feed).segments / 2 + 1}; }
};

// Adds the J's wires, copper, on the tubes' centre lines, in the x-z plane:
// the short element at x = 0, the long one at x = D, the bend at height
// `bottom` (m), fed across the gap at height C by a wire running junction
// to junction. Only for a J that refusal() accepts.
JWires addJ(Structure &structure, const JPole &j, const JSegmentation &cut, double bottom = 0);

// The J alone in free space, fed in the middle of its feed wire.
Structure jStructure(const JPole &j, const JSegmentation &cut);

} // namespace antenna
