// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/deck.h"
#include "antenna/model.h"
#include "antenna/nec2c.h"
#include "antenna/necoutput.h"
#include "antenna/swr.h"

#include <functional>
#include <variant>
#include <vector>

namespace antenna {

// The sweep: from 0.95 f to 1.05 f in steps of f / 1000.
inline constexpr int sweepPoints = 101;
inline constexpr double sweepSpan = 0.05;

// What the model says of a J cut as calculated, and what to cut instead.
struct Prediction
{
    double mhz = 0; // f, the frequency the results were calculated for
    JPole asCut;
    int segments = 0;

    std::vector<FeedPoint> feed; // the sweep
    std::vector<SwrPoint> swr;   // the same, against 50 ohms
    SwrSummary summary;
    std::complex<double> zAtF;
    double swrAtF = 0;

    std::vector<Gain> pattern; // at f, every 5° of elevation and azimuth
    Gain strongest{};          // the largest gain, and where
    double horizonDbi = 0;     // the largest towards the horizon

    // The lengths for this tube: A and B scaled together so that the model
    // resonates at f, then C moved for the lowest SWR there; D kept.
    JPole corrected;
    std::vector<SwrPoint> correctedSwr;
    SwrSummary correctedSummary;
    double correctedSwrAtF = 0;

    // How far the resonance moves up for 10 mm cut off A (and B cut in
    // proportion, as the correction scales them): the trim figure.
    double mhzPer10mmOfA = 0;

    double correctedE() const;
};

// How far along: 0 to 100.
using Progress = std::function<void(int percent)>;

// Simulates the J at f and finds its lengths for the tube: a few sweeps
// and a few dozen one-frequency runs of nec2c. Blocks; nec2c.cancel() from
// another thread stops it with Cancelled.
std::variant<Prediction, Problem> predict(const JPole &j, double mhz, const Nec2c &nec2c,
                                          const Progress &progress = {});

// The sweep of a model alone, as the prediction runs it (for comparison).
std::variant<std::vector<FeedPoint>, Problem> sweep(const Model &model, const Sweep &sweep, const Nec2c &nec2c);

// The sweep around f that a prediction uses.
Sweep sweepAround(double mhz);

} // namespace antenna
