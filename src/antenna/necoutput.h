// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/problem.h"

#include <QByteArrayView>

#include <complex>
#include <variant>
#include <vector>

namespace antenna {

// The impedance at the source, at one frequency.
struct FeedPoint
{
    double mhz;
    std::complex<double> z; // ohms
};

// The power gain towards one direction: theta from the zenith, phi from
// the x axis (the bend), in degrees.
struct Gain
{
    double theta, phi, dbi;
};

struct NecOutput
{
    std::vector<FeedPoint> feed;
    std::vector<Gain> pattern;
};

// Reads what nec2c wrote for one of our decks: the input parameters at
// each frequency and the radiation pattern, if asked for. Anything else
// there is passed over. Output that stops early, holds fewer frequencies or
// directions than asked for, or numbers that are not numbers is garbled:
// the problem names the line.
std::variant<NecOutput, Problem> readNecOutput(QByteArrayView text, int frequencies, int directions = 0);

} // namespace antenna
