// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/model.h"

#include "runtime/conversion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace antenna {

namespace {

// The frequencies the model is built for: beyond them the J is kilometres
// tall or smaller than a grain of rice, and nec2c's numbers lose meaning.
constexpr double lowestMHz = 0.01;
constexpr double highestMHz = 100000;
constexpr int leastAcrossBend = 3;

bool positive(double v) { return std::isfinite(v) && v > 0; }

enum Part { Bottom, ShortLow, ShortHigh, LongLow, LongBeside, LongTop, Feed };

// A wire's count, odd where it carries the source, refined: doubled, the
// source keeping a middle segment.
int counted(int n, bool odd, int refinement)
{
    if (odd && n % 2 == 0)
        --n;
    return odd ? refinement * (n - 1) + 1 : refinement * n;
}

} // namespace

double Wire::length() const { return std::hypot(x2 - x1, z2 - z1); }

int Model::segments() const
{
    return std::accumulate(wires.begin(), wires.end(), 0, [](int n, const Wire &w) { return n + w.segments; });
}

double thickestTube(double d) { return d / leastAcrossBend; }

std::optional<Problem> refusal(const JPole &j, double mhz)
{
    if (!positive(mhz))
        return Problem{Problem::Kind::BadFrequency, 0, {}};
    if (mhz < lowestMHz || mhz > highestMHz)
        return Problem{Problem::Kind::OutOfRange, mhz < lowestMHz ? lowestMHz : highestMHz, {}};
    if (!positive(j.tube))
        return Problem{Problem::Kind::BadTube, 0, {}};
    // A J is some three quarters of a wavelength tall: one of many
    // wavelengths is no J, and would take nec2c millions of segments.
    const double wavelength = speedOfLight / mhz * 1000;
    if (!positive(j.a) || !positive(j.b) || !positive(j.c) || !positive(j.d) || !(j.c < j.b) || !(j.b < j.a)
        || j.a > 5 * wavelength || j.d > wavelength)
        return Problem{Problem::Kind::BadLengths, 0, {}};
    if (j.tube > thickestTube(j.d))
        return Problem{Problem::Kind::TubeTooThick, thickestTube(j.d), {}};
    return std::nullopt;
}

Segmentation segmentation(const JPole &j, double mhz, int refinement)
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
    Segmentation cut;
    cut.counts[Bottom] = count(j.d, leastAcrossBend, false);
    cut.counts[ShortLow] = cut.counts[LongLow] = count(j.c, leastAcrossBend, false);
    cut.counts[ShortHigh] = cut.counts[LongBeside] = count(j.b - j.c, 1, false);
    cut.counts[LongTop] = count(j.a - j.b, 1, false);
    cut.counts[Feed] = count(j.d, leastAcrossBend, true);
    return cut;
}

Model model(const JPole &j, const Segmentation &cut)
{
    const double a = j.a / 1000, b = j.b / 1000, c = j.c / 1000, d = j.d / 1000;
    const auto &n = cut.counts;
    Model m;
    m.radius = j.tube / 2000;
    m.conductivity = copper;
    // The short element stands at x = 0, the long one at x = D.
    m.wires = {
        {0, 0, d, 0, n[Bottom]},
        {0, 0, 0, c, n[ShortLow]},
        {0, c, 0, b, n[ShortHigh]},
        {d, 0, d, c, n[LongLow]},
        {d, c, d, b, n[LongBeside]},
        {d, b, d, a, n[LongTop]},
        {0, c, d, c, n[Feed]},
    };
    m.feedWire = Feed;
    return m;
}

JPole asShown(const calc::ResultTexts &texts, double tube)
{
    auto length = [&](char letter) { return rt::val(texts[calc::indexOf(letter)]).value; };
    return {length('A'), length('B'), length('C'), length('D'), tube};
}

} // namespace antenna
