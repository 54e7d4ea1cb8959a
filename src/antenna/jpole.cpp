// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/jpole.h"

#include <algorithm>
#include <cmath>

namespace antenna {

namespace {

// The frequencies the model is built for: beyond them the J is kilometres
// tall or smaller than a grain of rice, and nec2c's numbers lose meaning.
constexpr double lowestMHz = 0.01;
constexpr double highestMHz = 100000;
constexpr int leastAcrossBend = 3;

bool positive(double v) { return std::isfinite(v) && v > 0; }

// A wire's count, odd where it carries the source, refined: doubled, the
// source keeping a middle segment.
int counted(int n, bool odd, int refinement)
{
    if (odd && n % 2 == 0)
        --n;
    return odd ? refinement * (n - 1) + 1 : refinement * n;
}

} // namespace

int JSegmentation::total() const
{
    return bottom + shortBelowFeed + shortAboveFeed + longBelowFeed + longBesideShort + longTop + feed + bottomToLong;
}

// The legs must stay a tube's radius apart: D at least three radii.
double thickestTube(double d) { return d * 2 / 3; }

std::optional<Problem> refusal(const JPole &j, double mhz)
{
    if (!positive(mhz))
        return Problem::of(Problem::Kind::BadFrequency);
    if (mhz < lowestMHz || mhz > highestMHz)
        return Problem::outOfRange(lowestMHz, highestMHz);
    if (!positive(j.tube))
        return Problem::of(Problem::Kind::BadTube);
    // A J is some three quarters of a wavelength tall: one of many
    // wavelengths is no J, and would take nec2c millions of segments.
    const double wavelength = speedOfLight / mhz * 1000;
    if (!positive(j.a) || !positive(j.b) || !positive(j.c) || !positive(j.d) || !(j.c < j.b) || !(j.b < j.a)
        || j.a > 5 * wavelength || j.d > wavelength)
        return Problem::of(Problem::Kind::BadLengths);
    if (j.tube > thickestTube(j.d))
        return Problem::tooThick(Problem::Kind::TubeTooThick, thickestTube(j.d));
    // Whatever passes the rules above and still leaves nec2c no wire to
    // take: a tube or a length too small for metres in a double.
    if (!jStructure(j, segmentation(j, mhz)).isValid())
        return Problem::of(positive(j.tube / 2000) ? Problem::Kind::BadLengths : Problem::Kind::BadTube);
    return std::nullopt;
}

JSegmentation segmentation(const JPole &j, double mhz, int refinement)
{
    const double wavelength = speedOfLight / mhz * 1000; // mm
    const double longest = wavelength / segmentsPerWavelength;
    const double shortest = j.tube;
    auto count = [&](double length, int least, bool odd) {
        // In doubles first: a hair of a tube allows more segments than an int holds.
        double n = std::max(double(least), std::ceil(length / longest));
        n = std::min(n, std::max(1.0, std::floor(length / shortest * (1 + 1e-9))));
        return counted(int(n), odd, refinement);
    };
    JSegmentation cut;
    cut.bottom = count(j.d, leastAcrossBend, false);
    cut.shortBelowFeed = cut.longBelowFeed = count(j.c, leastAcrossBend, false);
    cut.shortAboveFeed = cut.longBesideShort = count(j.b - j.c, 1, false);
    cut.longTop = count(j.a - j.b, 1, false);
    cut.feed = count(j.d, leastAcrossBend, true);
    return cut;
}

JWires addJ(Structure &s, const JPole &j, const JSegmentation &n, double bottom)
{
    const double a = j.a / 1000, b = j.b / 1000, c = j.c / 1000, d = j.d / 1000;
    const double radius = j.tube / 2000;
    auto wire = [&](double x1, double z1, double x2, double z2, int segments) {
        return s.addWire({x1, 0, bottom + z1}, {x2, 0, bottom + z2}, radius, segments, copper);
    };
    JWires w;
    w.bottom = wire(0, 0, n.bottomToLong ? d / 2 : d, 0, n.bottom);
    w.shortBelowFeed = wire(0, 0, 0, c, n.shortBelowFeed);
    w.shortAboveFeed = wire(0, c, 0, b, n.shortAboveFeed);
    w.longBelowFeed = wire(d, 0, d, c, n.longBelowFeed);
    w.longBesideShort = wire(d, c, d, b, n.longBesideShort);
    w.longTop = wire(d, b, d, a, n.longTop);
    w.feed = wire(0, c, d, c, n.feed);
    if (n.bottomToLong)
        w.bottomToLong = wire(d / 2, 0, d, 0, n.bottomToLong);
    return w;
}

Structure jStructure(const JPole &j, const JSegmentation &cut)
{
    Structure s;
    const auto wires = addJ(s, j, cut);
    s.feedAt(wires.source(s));
    return s;
}

} // namespace antenna
