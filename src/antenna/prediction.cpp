// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/prediction.h"

#include "antenna/deck.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace antenna {

namespace {

// The sweep is cut into this many runs at once, for the machine's cores.
constexpr int sweepParts = 2;
// The correction is found to this fraction of A and of C.
constexpr double scaleTolerance = 2e-4;
constexpr double feedTolerance = 1e-3;
// The trim figure from shortening A and B by this fraction.
constexpr double trimFraction = 0.02;
// As many one-frequency runs as the correction takes, for progress.
constexpr int expectedRuns = 56;

std::vector<SwrPoint> swrOf(const std::vector<FeedPoint> &feed)
{
    std::vector<SwrPoint> curve;
    curve.reserve(feed.size());
    for (const auto &p : feed)
        curve.push_back({p.mhz, swr(p.z)});
    return curve;
}

std::vector<Job> sweepJobs(const Model &model, const Sweep &whole)
{
    std::vector<Job> jobs;
    int done = 0;
    for (int part = 0; part < sweepParts; ++part) {
        const int points = (whole.points - done) / (sweepParts - part);
        if (points == 0)
            continue;
        jobs.push_back({sweepDeck(model, {whole.at(done), whole.step, points}), points, 0});
        done += points;
    }
    return jobs;
}

// The sweep's parts joined, or the first problem.
std::variant<std::vector<FeedPoint>, Problem> joined(std::vector<JobResult>::const_iterator begin,
                                                     std::vector<JobResult>::const_iterator end)
{
    std::vector<FeedPoint> feed;
    for (auto it = begin; it != end; ++it) {
        if (const auto *problem = std::get_if<Problem>(&*it))
            return *problem;
        const auto &part = std::get<NecOutput>(*it).feed;
        feed.insert(feed.end(), part.begin(), part.end());
    }
    return feed;
}

JPole scaled(const JPole &j, double scale, double c)
{
    return {j.a * scale, j.b * scale, c, j.d, j.tube};
}

// Golden-section search for the least of fn within [lo, hi], to within
// tol; where the least lies at an end, the interval moves on that way.
template <typename Fn>
double minimise(Fn fn, double lo, double hi, double tol, double floor, double ceiling)
{
    const double g = (std::sqrt(5.0) - 1) / 2;
    double x = (lo + hi) / 2;
    for (int moves = 0; moves < 4; ++moves) {
        double a = lo, b = hi;
        double c = b - g * (b - a), d = a + g * (b - a);
        double fc = fn(c), fd = fn(d);
        while (b - a > tol) {
            if (fc < fd) {
                b = d, d = c, fd = fc;
                c = b - g * (b - a);
                fc = fn(c);
            } else {
                a = c, c = d, fc = fd;
                d = a + g * (b - a);
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

} // namespace

double Prediction::correctedE() const { return corrected.a + corrected.b + calc::allowance; }

Sweep sweepAround(double mhz)
{
    return {mhz * (1 - sweepSpan), mhz * (2 * sweepSpan) / (sweepPoints - 1), sweepPoints};
}

std::variant<std::vector<FeedPoint>, Problem> sweep(const Model &model, const Sweep &whole, const Nec2c &nec2c)
{
    const auto results = nec2c.run(sweepJobs(model, whole));
    return joined(results.begin(), results.end());
}

std::variant<Prediction, Problem> predict(const JPole &j, double mhz, const Nec2c &nec2c, const Progress &progress)
{
    if (const auto problem = refusal(j, mhz))
        return *problem;
    auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };
    report(0);

    Prediction p;
    p.mhz = mhz;
    p.asCut = j;
    const auto cut = segmentation(j, mhz);
    const auto asCut = model(j, cut);
    p.segments = asCut.segments();

    // The antenna as calculated: its sweep and, at f, its pattern.
    auto jobs = sweepJobs(asCut, sweepAround(mhz));
    jobs.push_back({patternDeck(asCut, mhz), 1, patternThetas * patternPhis});
    const auto first = nec2c.run(jobs);
    const auto feed = joined(first.begin(), first.end() - 1);
    if (const auto *problem = std::get_if<Problem>(&feed))
        return *problem;
    if (const auto *problem = std::get_if<Problem>(&first.back()))
        return *problem;
    p.feed = std::get<std::vector<FeedPoint>>(feed);
    p.swr = swrOf(p.feed);
    p.summary = summarize(p.swr);
    p.zAtF = p.feed[sweepPoints / 2].z;
    p.swrAtF = p.swr[sweepPoints / 2].swr;
    p.pattern = std::get<NecOutput>(first.back()).pattern;
    p.strongest = *std::max_element(p.pattern.begin(), p.pattern.end(),
                                    [](const Gain &a, const Gain &b) { return a.dbi < b.dbi; });
    p.horizonDbi = -std::numeric_limits<double>::infinity();
    for (const auto &g : p.pattern) {
        if (g.theta == 90)
            p.horizonDbi = std::max(p.horizonDbi, g.dbi);
    }
    report(25);

    // The lengths for this tube, each try one frequency on the same
    // segments, so that the SWR changes smoothly with the lengths.
    std::optional<Problem> trouble;
    int runs = 0;
    auto swrAtF = [&](double scale, double c) {
        if (trouble)
            return std::numeric_limits<double>::infinity();
        const auto result = nec2c.run(Job{sweepDeck(model(scaled(j, scale, c), cut), {mhz, 0, 1}), 1, 0});
        report(25 + std::min(55, 55 * ++runs / expectedRuns));
        if (const auto *problem = std::get_if<Problem>(&result)) {
            trouble = *problem;
            return std::numeric_limits<double>::infinity();
        }
        return swr(std::get<NecOutput>(result).feed.front().z);
    };
    double scale = p.summary.best.mhz / mhz; // the resonance moves with the lengths
    double c = j.c;
    for (const double width : {0.03, 0.005}) {
        scale = minimise([&](double s) { return swrAtF(s, c); }, scale * (1 - width), scale * (1 + width),
                         scaleTolerance, 0.5, 2);
        const double highest = 0.8 * j.b * scale;
        const double spread = width == 0.03 ? 0.6 : 0.15;
        c = minimise([&](double x) { return swrAtF(scale, x); }, c * (1 - spread), std::min(c * (1 + spread), highest),
                     c * feedTolerance, j.c * 0.1, highest);
    }
    if (trouble)
        return *trouble;
    p.corrected = scaled(j, scale, c);

    // The corrected J simulated anew, and once more a little shorter for
    // the trim figure.
    const JPole trimmed = scaled(p.corrected, 1 - trimFraction, p.corrected.c);
    const Sweep trimSweep{mhz * 0.99, mhz / 1000, 71};
    jobs = sweepJobs(model(p.corrected, segmentation(p.corrected, mhz)), sweepAround(mhz));
    const auto split = jobs.size();
    for (auto &job : sweepJobs(model(trimmed, segmentation(trimmed, mhz)), trimSweep))
        jobs.push_back(std::move(job));
    const auto last = nec2c.run(jobs);
    const auto corrected = joined(last.begin(), last.begin() + std::ptrdiff_t(split));
    const auto shorter = joined(last.begin() + std::ptrdiff_t(split), last.end());
    for (const auto *result : {&corrected, &shorter}) {
        if (const auto *problem = std::get_if<Problem>(result))
            return *problem;
    }
    const auto &correctedFeed = std::get<std::vector<FeedPoint>>(corrected);
    p.correctedSwr = swrOf(correctedFeed);
    p.correctedSummary = summarize(p.correctedSwr);
    p.correctedSwrAtF = p.correctedSwr[sweepPoints / 2].swr;
    const auto shorterSummary = summarize(swrOf(std::get<std::vector<FeedPoint>>(shorter)));
    p.mhzPer10mmOfA = (shorterSummary.best.mhz - p.correctedSummary.best.mhz) * 10 / (p.corrected.a * trimFraction);
    report(100);
    return p;
}

} // namespace antenna
