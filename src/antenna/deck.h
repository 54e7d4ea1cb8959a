// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/structure.h"

#include <QByteArray>

#include <optional>

namespace antenna {

// The frequencies to solve at: from `from` in `points` steps of `step`, in MHz.
struct FrequencyPlan
{
    double from = 0;
    double step = 0;
    int points = 1;

    double at(int i) const { return from + step * i; }
    double last() const { return at(points - 1); }
};

// The directions to find the power gain in: `thetas` angles from the
// zenith starting at theta0, `phis` round from the x axis starting at phi0,
// in degrees.
struct Directions
{
    int thetas = 0, phis = 0;
    double theta0 = 0, phi0 = 0;
    double thetaStep = 0, phiStep = 0;

    int count() const { return thetas * phis; }

    friend bool operator==(const Directions &, const Directions &) = default;
};

// Every 5° from the zenith to the nadir and all the way round: a pattern in free space.
inline constexpr Directions allRound{37, 72, 0, 0, 5, 5};

// What to have NEC-2 compute for a structure: the feed impedance at each
// frequency and, if asked for, the current on every segment and the gain
// towards the directions (a pattern is asked for at one frequency).
struct Request
{
    FrequencyPlan frequencies;
    bool currents = false;
    std::optional<Directions> pattern;
};

// The card deck for nec2c: the structure's wires, the ground, the extended
// thin-wire kernel, the metal and lumped loads, the source and what to
// compute.
QByteArray deck(const Structure &structure, const Request &request);

} // namespace antenna
