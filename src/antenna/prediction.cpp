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

// The band's points where an installed J is solved: every tenth, f among them.
constexpr int sampleEvery = 10;
// An installed J's impedance at f is solved anew after the search; the
// search is run again, finer, while that moves it by more than this.
constexpr double settled = 0.5; // ohms
constexpr int resettles = 2;

// The difference the installation makes to the feed impedance, known at
// the samples, between them by the cubic through the four nearest
// (clamped at the ends), added to the free-space curve.
FeedCurve withDifference(const FeedCurve &free, const FrequencyPlan &samples,
                         const std::vector<std::complex<double>> &difference)
{
    const int n = int(difference.size());
    auto at = [&](int i) { return difference[std::size_t(std::clamp(i, 0, n - 1))]; };
    FeedCurve curve = free;
    for (auto &point : curve.points) {
        const double u = std::clamp((point.mhz - samples.from) / samples.step, 0.0, double(n - 1));
        const int i = std::min(int(u), n - 2 < 0 ? 0 : n - 2);
        const double t = u - i;
        // Catmull-Rom through i - 1, i, i + 1, i + 2.
        const auto p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        point.z += 0.5 * (2.0 * p1 + (p2 - p0) * t + (2.0 * p0 - 5.0 * p1 + 4.0 * p2 - p3) * t * t
                          + (3.0 * p1 - p0 - 3.0 * p2 + p3) * t * t * t);
    }
    return curve;
}

// The current along some wires, from the top down, as a fraction of the
// feed current, the largest taken below `from` metres under the J.
CurrentProfile profileOf(const std::vector<SegmentCurrent> &currents, const std::vector<int> &tags,
                         std::complex<double> feed, double bottom, double from = 0)
{
    CurrentProfile profile;
    for (const int tag : tags) {
        for (const auto &c : currents) {
            if (c.segment.tag != tag)
                continue;
            const double below = bottom - c.centre.z, fraction = std::abs(c.amps) / std::abs(feed);
            profile.points.emplace_back(below, fraction);
            if (below >= from - 1e-9 && fraction > profile.largest) {
                profile.largest = fraction;
                profile.at = below;
            }
        }
    }
    return profile;
}

// The steps of a prediction, on one solver.
class Predictor
{
public:
    Predictor(const JPole &j, double mhz, const Solver &solver, const Progress &progress, const Installation &inst)
        : j(j), mhz(mhz), solver(solver), progress(progress), installation(inst), cut(segmentation(j, mhz))
    {
    }

    std::variant<Prediction, Problem> run()
    {
        report(0);
        Prediction p;
        p.mhz = mhz;
        p.asCut = j;
        p.installation = installation;
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
    bool installed() const { return !installation.isBare(); }

    void report(int percent) const
    {
        if (progress)
            progress(percent);
    }

    InstalledStructure standing(const JPole &pole, const JSegmentation &segments) const
    {
        return installedStructure(pole, segments, installation, mhz);
    }

    // Where an installed J is solved across the band, f among them.
    FrequencyPlan samples() const
    {
        const auto band = bandAround(mhz);
        return {band.from, band.step * sampleEvery, (band.points - 1) / sampleEvery + 1};
    }

    // The band's samples of a structure as simulations, split between the
    // cores around f, which is solved with the currents and the pattern
    // when `withF` is given.
    std::vector<Simulation> sampleSimulations(const Structure &structure, std::optional<Request> withF) const
    {
        const auto plan = samples();
        const int middle = plan.points / 2;
        return {{structure, {{plan.from, plan.step, middle}, false, std::nullopt}},
                {structure, withF ? *withF : Request{{plan.at(middle), 0, 1}, false, std::nullopt}},
                {structure, {{plan.at(middle + 1), plan.step, plan.points - middle - 1}, false, std::nullopt}}};
    }

    // The samples' impedances, joined, less the free-space curve's at them.
    std::vector<std::complex<double>> difference(std::vector<Solved>::const_iterator begin, const FeedCurve &free,
                                                 std::optional<Problem> &trouble) const
    {
        const auto joinedSamples = joined(begin, begin + 3);
        if (const auto *problem = std::get_if<Problem>(&joinedSamples)) {
            trouble = *problem;
            return {};
        }
        std::vector<std::complex<double>> d;
        const auto &points = std::get<FeedCurve>(joinedSamples).points;
        for (std::size_t i = 0; i < points.size(); ++i)
            d.push_back(points[i].z - free.points[i * sampleEvery].z);
        return d;
    }

    // The antenna as calculated or built, where it stands: its band and,
    // at f, its pattern; the same J in free space; the ground plane.
    std::optional<Problem> simulateAsCut(Prediction &p)
    {
        const auto alone = jStructure(j, cut);
        auto simulations = bandSimulations(alone, bandAround(mhz));
        const auto there = standing(j, cut);
        p.segments = installed() ? there.structure.segments() : cut.total();
        p.ground = there.structure.ground();
        const bool overGround = p.ground.kind != Ground::Kind::FreeSpace;
        const auto directions = overGround ? aboveGround : allRound;
        if (installed()) {
            for (auto &s : sampleSimulations(there.structure, Request{{mhz, 0, 1}, true, directions}))
                simulations.push_back(std::move(s));
        } else {
            simulations.push_back({alone, {{mhz, 0, 1}, false, allRound}});
        }
        // The coax without its choke, to say what the choke does.
        std::optional<InstalledStructure> unchoked;
        if (installation.choke) {
            auto without = installation;
            without.choke.reset();
            unchoked = installedStructure(j, cut, without, mhz);
            simulations.push_back({unchoked->structure, {{mhz, 0, 1}, true, std::nullopt}});
        }
        // The ground plane's hub where the J is fed.
        const auto plane = groundPlane(mhz, j.tube, installation.height + j.c / 1000, installation.ground);
        const bool planeFits = plane.isValid();
        if (planeFits)
            simulations.push_back({plane, {{mhz, 0, 1}, false, directions}});

        const auto solved = solver.solve(simulations);
        const auto band = joined(solved.begin(), solved.begin() + bandParts);
        if (const auto *problem = std::get_if<Problem>(&band))
            return *problem;
        for (const auto &s : solved) {
            if (const auto *problem = std::get_if<Problem>(&s))
                return *problem;
        }
        const auto free = std::get<FeedCurve>(band);
        if (planeFits)
            p.groundPlane = patternFigures(std::get<Solution>(solved.back()).pattern);
        if (!installed()) {
            p.feed = free;
            p.pattern = std::get<Solution>(solved[bandParts]).pattern;
            return std::nullopt;
        }
        std::optional<Problem> trouble;
        const auto d = difference(solved.begin() + bandParts, free, trouble);
        if (trouble)
            return trouble;
        p.freeSpace = free;
        p.feed = withDifference(free, samples(), d);
        atF = d[d.size() / 2];
        const auto &atFSolution = std::get<Solution>(solved[bandParts + 1]);
        p.pattern = atFSolution.pattern;
        const auto &currents = atFSolution.currents.front();
        const auto feed = std::find_if(currents.begin(), currents.end(), [&](const SegmentCurrent &c) {
            return c.segment == there.structure.feed();
        })->amps;
        const auto &w = there.wires;
        if (installation.coax) {
            const double chokeBelow = w.choke ? there.bottom - there.structure.wire(w.choke->tag).segmentCentre(1).z : 0;
            p.coaxCurrent = profileOf(currents, w.coaxBelow, feed, there.bottom, chokeBelow);
        }
        if (unchoked) {
            const auto &without = std::get<Solution>(solved[bandParts + 3]).currents.front();
            const auto unchokedFeed = std::find_if(without.begin(), without.end(), [&](const SegmentCurrent &c) {
                return c.segment == unchoked->structure.feed();
            })->amps;
            p.coaxWithoutChoke = profileOf(without, unchoked->wires.coaxBelow, unchokedFeed, there.bottom).largest;
        }
        if (installation.mast) {
            auto tags = w.mast;
            tags.insert(tags.begin(), w.clamp);
            p.mastCurrent = profileOf(currents, tags, feed, there.bottom);
        }
        return std::nullopt;
    }

    // The SWR at f of the J with A and B scaled and C moved, on the
    // segmentation of the J as cut, so that it changes smoothly with them:
    // in free space, with what the installation adds to it at f.
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
        return swr(std::get<Solution>(solved).feed.front().z + atF);
    }

    // A golden-section search in rounds, from where the lengths stand.
    std::pair<double, double> search(double scale, double c, const Round *first, const Round *end)
    {
        for (const auto *round = first; round != end; ++round) {
            scale = minimise([&](double s) { return swrAtF(s, c); }, scale * (1 - round->scaleWidth),
                             scale * (1 + round->scaleWidth), scaleTolerance, leastScale, mostScale);
            const double highest = highestFeedOfB * j.b * scale;
            c = minimise([&](double x) { return swrAtF(scale, x); }, c * (1 - round->feedSpread),
                         std::min(c * (1 + round->feedSpread), highest), c * feedTolerance, j.c * lowestFeed, highest);
        }
        return {scale, c};
    }

    // The lengths for this tube, and for an installed J its installation:
    // what it adds at f is solved again for the lengths found, and the
    // finest round run again until that settles.
    std::optional<Problem> correct(Prediction &p)
    {
        // The resonance moves with the lengths.
        auto [scale, c] = search(p.summary().best.mhz / mhz, j.c, rounds.begin(), rounds.end());
        for (int again = 0; installed() && again < resettles && !trouble; ++again) {
            const auto found = scaled(j, scale, c);
            const Request at{{mhz, 0, 1}, false, std::nullopt};
            const auto solved = solver.solve({{standing(found, cut).structure, at}, {jStructure(found, cut), at}});
            for (const auto &s : solved) {
                if (const auto *problem = std::get_if<Problem>(&s))
                    return *problem;
            }
            const auto moved = std::get<Solution>(solved[0]).feed.front().z - std::get<Solution>(solved[1]).feed.front().z;
            if (std::abs(moved - atF) < settled)
                break;
            atF = moved;
            std::tie(scale, c) = search(scale, c, rounds.end() - 1, rounds.end());
        }
        if (trouble)
            return trouble;
        p.corrected = scaled(j, scale, c);
        return std::nullopt;
    }

    // The corrected J simulated anew, and once more a little shorter for
    // the trim figure; an installed one where it stands too.
    std::optional<Problem> simulateCorrected(Prediction &p) const
    {
        const JPole trimmed = scaled(p.corrected, 1 - trimFraction, p.corrected.c);
        const auto correctedCut = segmentation(p.corrected, mhz);
        auto simulations = bandSimulations(jStructure(p.corrected, correctedCut), bandAround(mhz));
        const auto split = std::ptrdiff_t(simulations.size());
        const FrequencyPlan trimPlan{mhz * trimFrom, mhz / 1000, trimPoints};
        for (auto &s : bandSimulations(jStructure(trimmed, segmentation(trimmed, mhz)), trimPlan))
            simulations.push_back(std::move(s));
        const auto samplesAt = std::ptrdiff_t(simulations.size());
        if (installed()) {
            for (auto &s : sampleSimulations(standing(p.corrected, correctedCut).structure, std::nullopt))
                simulations.push_back(std::move(s));
        }
        const auto solved = solver.solve(simulations);
        auto corrected = joined(solved.begin(), solved.begin() + split);
        auto shorter = joined(solved.begin() + split, solved.begin() + samplesAt);
        for (const auto *result : {&corrected, &shorter}) {
            if (const auto *problem = std::get_if<Problem>(result))
                return *problem;
        }
        p.correctedFeed = std::get<FeedCurve>(corrected);
        auto shorterFeed = std::get<FeedCurve>(shorter);
        if (installed()) {
            std::optional<Problem> trouble;
            const auto d = difference(solved.begin() + samplesAt, p.correctedFeed, trouble);
            if (trouble)
                return trouble;
            p.correctedFeed = withDifference(p.correctedFeed, samples(), d);
            shorterFeed = withDifference(shorterFeed, samples(), d);
        }
        const double moved = shorterFeed.summary().best.mhz - p.correctedSummary().best.mhz;
        p.mhzPer10mmOfA = moved * 10 / (p.corrected.a * trimFraction);
        return std::nullopt;
    }

    const JPole j;
    const double mhz;
    const Solver &solver;
    const Progress &progress;
    const Installation installation;
    const JSegmentation cut;
    const int expectedRuns = expectedSearchRuns();
    int runs = 0;
    std::optional<Problem> trouble;
    std::complex<double> atF; // what the installation adds to the feed impedance at f
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

PatternFigures patternFigures(const std::vector<Gain> &pattern)
{
    PatternFigures f;
    if (pattern.empty())
        return f;
    const auto strongest = *std::max_element(pattern.begin(), pattern.end(),
                                             [](const Gain &a, const Gain &b) { return a.dbi < b.dbi; });
    f.strongestDbi = strongest.dbi;
    f.takeoffDeg = 90 - strongest.theta;
    f.at5Dbi = -std::numeric_limits<double>::infinity();
    for (const auto &g : pattern) {
        if (g.theta == 85)
            f.at5Dbi = std::max(f.at5Dbi, g.dbi);
    }
    return f;
}

std::variant<Prediction, Problem> predict(const JPole &j, double mhz, const Solver &solver, const Progress &progress,
                                          const Installation &installation)
{
    const JPole built = installation.asBuilt ? JPole::of(*installation.asBuilt, j.tube) : j;
    if (const auto problem = refusal(built, mhz))
        return *problem;
    if (const auto problem = refusal(installation, built, mhz))
        return *problem;
    return Predictor(built, mhz, solver, progress, installation).run();
}

} // namespace antenna
