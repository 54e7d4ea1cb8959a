// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/prediction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace antenna {

namespace {

// A band is cut into this many solutions at once, for the machine's cores.
constexpr int bandParts = 2;

// The search for the lengths: in each round A and B are scaled together
// within scaleWidth either way of where they stand, then C moved within
// feedSpread of it, to the lowest SWR at f.
struct Round
{
    double scaleWidth;
    double feedSpread;
};
constexpr std::array<Round, 2> rounds{{{0.03, 0.6}, {0.005, 0.15}}};
// Found to these fractions of A and of C.
constexpr double scaleTolerance = 2e-4;
constexpr double feedTolerance = 1e-3;
// How far they may go at all: A and B to half or twice the formula's, C
// between a tenth of the formula's and four fifths of B.
constexpr double leastScale = 0.5, mostScale = 2;
constexpr double lowestFeed = 0.1, highestFeedOfB = 0.8;

// The trim figure from shortening A and B by this fraction, the
// resonance found in a band from 0.99 f (it moves up) in steps of f / 1000.
constexpr double trimFraction = 0.02;
constexpr double trimFrom = 0.99;
constexpr int trimPoints = 71;

// The share of the progress bar each step takes.
constexpr int asCutShare = 25, searchShare = 55;

const double golden = (std::sqrt(5.0) - 1) / 2;

// How many values a golden-section search over `width` to within `tolerance` takes.
int goldenEvaluations(double width, double tolerance)
{
    return 2 + std::max(0, int(std::ceil(std::log(tolerance / width) / std::log(golden))));
}

// The one-frequency solutions the search takes when no end of an interval is reached.
int expectedSearchRuns()
{
    int runs = 0;
    for (const auto &round : rounds)
        runs += goldenEvaluations(2 * round.scaleWidth, scaleTolerance)
                + goldenEvaluations(2 * round.feedSpread, feedTolerance);
    return runs;
}

// Golden-section search for the least of fn within [lo, hi], to within
// tol; where the least lies at an end, the interval moves on that way.
template <typename Fn>
double minimise(Fn fn, double lo, double hi, double tol, double floor, double ceiling)
{
    double x = (lo + hi) / 2;
    for (int moves = 0; moves < 4; ++moves) {
        double a = lo, b = hi;
        double c = b - golden * (b - a), d = a + golden * (b - a);
        double fc = fn(c), fd = fn(d);
        while (b - a > tol) {
            if (fc < fd) {
                b = d, d = c, fd = fc;
                c = b - golden * (b - a);
                fc = fn(c);
            } else {
                a = c, c = d, fc = fd;
                d = a + golden * (b - a);
                fd = fn(d);
            }
        }
        x = (a + b) / 2;
        const double width = hi - lo;
        if (x - lo < 2 * tol && lo > floor) {
            hi = lo + tol;
            lo = std::max(floor, lo - width);
        } else if (hi - x < 2 * tol && hi < ceiling) {
            lo = hi - tol;
            hi = std::min(ceiling, hi + width);
        } else {
            break;
        }
    }
    return x;
}

JPole scaled(const JPole &j, double scale, double c) { return {j.a * scale, j.b * scale, c, j.d, j.tube}; }

std::vector<Simulation> bandSimulations(const Structure &structure, const FrequencyPlan &whole)
{
    std::vector<Simulation> simulations;
    int done = 0;
    for (int part = 0; part < bandParts; ++part) {
        const int points = (whole.points - done) / (bandParts - part);
        if (points == 0)
            continue;
        simulations.push_back({structure, {{whole.at(done), whole.step, points}, false, std::nullopt}});
        done += points;
    }
    return simulations;
}

// A band's parts joined, or the first problem.
std::variant<FeedCurve, Problem> joined(std::vector<Solved>::const_iterator begin, std::vector<Solved>::const_iterator end)
{
    FeedCurve curve;
    for (auto it = begin; it != end; ++it) {
        if (const auto *problem = std::get_if<Problem>(&*it))
            return *problem;
        const auto &part = std::get<Solution>(*it).feed;
        curve.points.insert(curve.points.end(), part.begin(), part.end());
    }
    return curve;
}

// The steps of a prediction, on one solver.
class Predictor
{
public:
    Predictor(const JPole &j, double mhz, const Solver &solver, const Progress &progress)
        : j(j), mhz(mhz), solver(solver), progress(progress), cut(segmentation(j, mhz))
    {
    }

    std::variant<Prediction, Problem> run()
    {
        report(0);
        Prediction p;
        p.mhz = mhz;
        p.asCut = j;
        p.segments = cut.total();
        if (auto problem = simulateAsCut(p))
            return *problem;
        report(asCutShare);
        if (auto problem = correct(p))
            return *problem;
        if (auto problem = simulateCorrected(p))
            return *problem;
        report(100);
        return p;
    }

private:
    void report(int percent) const
    {
        if (progress)
            progress(percent);
    }

    // The antenna as calculated: its band and, at f, its pattern.
    std::optional<Problem> simulateAsCut(Prediction &p) const
    {
        const auto structure = jStructure(j, cut);
        auto simulations = bandSimulations(structure, bandAround(mhz));
        simulations.push_back({structure, {{mhz, 0, 1}, false, allRound}});
        const auto solved = solver.solve(simulations);
        const auto band = joined(solved.begin(), solved.end() - 1);
        if (const auto *problem = std::get_if<Problem>(&band))
            return *problem;
        if (const auto *problem = std::get_if<Problem>(&solved.back()))
            return *problem;
        p.feed = std::get<FeedCurve>(band);
        p.pattern = std::get<Solution>(solved.back()).pattern;
        return std::nullopt;
    }

    // The SWR at f of the J with A and B scaled and C moved, on the
    // segmentation of the J as cut, so that it changes smoothly with them.
    double swrAtF(double scale, double c)
    {
        if (trouble)
            return std::numeric_limits<double>::infinity();
        const auto solved = solver.solve(Simulation{jStructure(scaled(j, scale, c), cut), {{mhz, 0, 1}, false, std::nullopt}});
        ++runs;
        report(asCutShare + std::min(searchShare, searchShare * runs / expectedRuns));
        if (const auto *problem = std::get_if<Problem>(&solved)) {
            trouble = *problem;
            return std::numeric_limits<double>::infinity();
        }
        return swr(std::get<Solution>(solved).feed.front().z);
    }

    // The lengths for this tube.
    std::optional<Problem> correct(Prediction &p)
    {
        double scale = p.summary().best.mhz / mhz; // the resonance moves with the lengths
        double c = j.c;
        for (const auto &round : rounds) {
            scale = minimise([&](double s) { return swrAtF(s, c); }, scale * (1 - round.scaleWidth),
                             scale * (1 + round.scaleWidth), scaleTolerance, leastScale, mostScale);
            const double highest = highestFeedOfB * j.b * scale;
            c = minimise([&](double x) { return swrAtF(scale, x); }, c * (1 - round.feedSpread),
                         std::min(c * (1 + round.feedSpread), highest), c * feedTolerance, j.c * lowestFeed, highest);
        }
        if (trouble)
            return trouble;
        p.corrected = scaled(j, scale, c);
        return std::nullopt;
    }

    // The corrected J simulated anew, and once more a little shorter for
    // the trim figure.
    std::optional<Problem> simulateCorrected(Prediction &p) const
    {
        const JPole trimmed = scaled(p.corrected, 1 - trimFraction, p.corrected.c);
        auto simulations = bandSimulations(jStructure(p.corrected, segmentation(p.corrected, mhz)), bandAround(mhz));
        const auto split = std::ptrdiff_t(simulations.size());
        for (auto &s : bandSimulations(jStructure(trimmed, segmentation(trimmed, mhz)),
                                       {mhz * trimFrom, mhz / 1000, trimPoints}))
            simulations.push_back(std::move(s));
        const auto solved = solver.solve(simulations);
        const auto corrected = joined(solved.begin(), solved.begin() + split);
        const auto shorter = joined(solved.begin() + split, solved.end());
        for (const auto *result : {&corrected, &shorter}) {
            if (const auto *problem = std::get_if<Problem>(result))
                return *problem;
        }
        p.correctedFeed = std::get<FeedCurve>(corrected);
        const double moved = std::get<FeedCurve>(shorter).summary().best.mhz - p.correctedSummary().best.mhz;
        p.mhzPer10mmOfA = moved * 10 / (p.corrected.a * trimFraction);
        return std::nullopt;
    }

    const JPole j;
    const double mhz;
    const Solver &solver;
    const Progress &progress;
    const JSegmentation cut;
    const int expectedRuns = expectedSearchRuns();
    int runs = 0;
    std::optional<Problem> trouble;
};

} // namespace

FrequencyPlan bandAround(double mhz)
{
    return {mhz * (1 - sweepSpan), mhz * (2 * sweepSpan) / (sweepPoints - 1), sweepPoints};
}

Gain Prediction::strongest() const
{
    return *std::max_element(pattern.begin(), pattern.end(), [](const Gain &a, const Gain &b) { return a.dbi < b.dbi; });
}

double Prediction::horizonDbi() const
{
    double horizon = -std::numeric_limits<double>::infinity();
    for (const auto &g : pattern) {
        if (g.theta == 90)
            horizon = std::max(horizon, g.dbi);
    }
    return horizon;
}

std::variant<FeedCurve, Problem> feedCurve(const Structure &structure, const FrequencyPlan &plan, const Solver &solver)
{
    const auto solved = solver.solve(bandSimulations(structure, plan));
    return joined(solved.begin(), solved.end());
}

std::variant<Prediction, Problem> predict(const JPole &j, double mhz, const Solver &solver, const Progress &progress)
{
    if (const auto problem = refusal(j, mhz))
        return *problem;
    return Predictor(j, mhz, solver, progress).run();
}

} // namespace antenna
