// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/deck.h"
#include "antenna/feedcurve.h"
#include "antenna/installation.h"
#include "antenna/jpole.h"
#include "antenna/measurement.h"
#include "antenna/solver.h"
#include "antenna/swr.h"

#include <functional>
#include <variant>
#include <vector>

namespace antenna {

// The band a prediction looks at: from 0.95 f to 1.05 f in steps of f / 1000.
inline constexpr int sweepPoints = 101;
inline constexpr double sweepSpan = 0.05;

// The frequencies around f that a prediction solves at.
FrequencyPlan bandAround(double mhz);

// What a pattern says: the largest gain and its elevation (the take-off
// angle), and the largest gain 5° above the horizon.
struct PatternFigures
{
    double strongestDbi = 0;
    double takeoffDeg = 0;
    double at5Dbi = 0;
};
PatternFigures patternFigures(const std::vector<Gain> &pattern);

// Over a ground: every degree of elevation, every 15° round.
inline constexpr Directions aboveGround{91, 24, 0, 0, 1, 15};

// The current along the coax's shield or the mast, at f, as a fraction of
// the feed current: its largest (on the coax below the choke, if there is
// one) and where, in metres below the J's bottom, and the whole run.
struct CurrentProfile
{
    double largest = 0;
    double at = 0;
    std::vector<std::pair<double, double>> points; // metres below the J's bottom, fraction
};

// What the model says of a J cut as calculated, or as built, where it
// stands, and what to cut instead.
struct Prediction
{
    double mhz = 0; // f, the frequency the results were calculated for
    JPole asCut;    // as calculated, or as built
    Installation installation;
    int segments = 0;
    Ground ground; // as solved

    FeedCurve feed;            // across the band
    std::vector<Gain> pattern; // at f: all round in free space, every degree up from the ground over one

    // The same J alone in free space, when it stands otherwise.
    std::optional<FeedCurve> freeSpace;
    std::optional<CurrentProfile> coaxCurrent, mastCurrent;
    std::optional<double> coaxWithoutChoke; // its largest fraction were there no choke
    // A quarter-wave ground plane for f where the J's feed is, over the same
    // ground; none where its radials would reach into the ground.
    std::optional<PatternFigures> groundPlane;

    // The lengths for this tube: A and B scaled together so that the model
    // resonates at f, then C moved for the lowest SWR there; D kept.
    JPole corrected;
    FeedCurve correctedFeed;

    // How far the resonance moves up for 10 mm cut off A (and B cut in
    // proportion, as the correction scales them): the trim figure.
    double mhzPer10mmOfA = 0;

    std::vector<SwrPoint> swr() const { return feed.swr(); }
    SwrSummary summary() const { return feed.summary(); }
    std::complex<double> zAtF() const { return feed.zAt(mhz); }
    double swrAtF() const { return feed.swrAt(mhz); }
    Gain strongest() const;   // the largest gain, and where
    double horizonDbi() const; // the largest towards the horizon
    PatternFigures figures() const { return patternFigures(pattern); }

    std::vector<SwrPoint> correctedSwr() const { return correctedFeed.swr(); }
    SwrSummary correctedSummary() const { return correctedFeed.summary(); }
    double correctedSwrAtF() const { return correctedFeed.swrAt(mhz); }
    double correctedE() const { return corrected.e(); }
    // The trim figure with B cut in proportion to A, as the correction scales them.
    TrimFigure trimFigure() const { return {mhzPer10mmOfA, corrected.b / corrected.a}; }
};

// How far along: 0 to 100.
using Progress = std::function<void(int percent)>;

// Simulates the J at f where it stands and finds its lengths for the tube
// and the installation: a few sweeps and a few dozen one-frequency
// solutions. Blocks; solver.cancel() from another thread stops it with
// Cancelled. The J `j` is as calculated; the installation may say how it
// was built.
std::variant<Prediction, Problem> predict(const JPole &j, double mhz, const Solver &solver,
                                          const Progress &progress = {}, const Installation &installation = {});

// The feed impedance of a structure across the frequencies, as the
// prediction solves it: split between the machine's cores.
std::variant<FeedCurve, Problem> feedCurve(const Structure &structure, const FrequencyPlan &plan, const Solver &solver);

} // namespace antenna
