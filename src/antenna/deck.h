// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/model.h"

#include <QByteArray>

namespace antenna {

// Frequencies from `from` in `points` steps of `step`, in MHz.
struct Sweep
{
    double from = 0;
    double step = 0;
    int points = 1;

    double at(int i) const { return from + step * i; }
};

// The card deck that has nec2c compute the feed impedance across the
// sweep: the wires, the extended thin-wire kernel, the conductivity, the
// source, no printout of currents; free space.
QByteArray sweepDeck(const Model &model, const Sweep &sweep);

// The deck for the feed impedance and the power gain in every direction
// (5° steps of elevation and azimuth) at one frequency.
QByteArray patternDeck(const Model &model, double mhz);

// The directions patternDeck() asks for.
inline constexpr int patternStep = 5; // degrees
inline constexpr int patternThetas = 180 / patternStep + 1;
inline constexpr int patternPhis = 360 / patternStep;

} // namespace antenna
