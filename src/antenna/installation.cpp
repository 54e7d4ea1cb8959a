// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/installation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace antenna {

namespace {

// Higher than this, in wavelengths, and the mast and coax below the J take
// hundreds of segments each, and the J on its tower is no longer what the
// model is for.
constexpr double highestInWavelengths = 20;
// The thickest mast or coax, in wavelengths: thicker, and a wire is no
// longer thin beside its segments.
constexpr double thickestInWavelengths = 1.0 / 20;
// Below this height, in wavelengths, the ground is solved by Sommerfeld–Norton.
constexpr double nearGround = 0.2;
// Within this many wavelengths of their ends the mast and the coax are cut finer.
constexpr double endZone = 0.25;

constexpr double aluminium = 3.5e7; // S/m, the mast

bool positive(double v) { return std::isfinite(v) && v > 0; }

double wavelength(double mhz) { return speedOfLight / mhz; } // m

// The clamp between the bend and the mast: a mast's diameter long, and at
// least a tube's, so that no segment of the bend lies inside the mast.
double clampLength(const JPole &j, const Installation &inst) { return std::max(*inst.mast, j.tube) / 1000; }

// How far out from the short element's centre line the coax hangs.
double coaxOffset(const JPole &j, const Installation &inst) { return (*inst.coax + j.tube) / 1000; }

// Segments for a straight wire of this length and radius: none longer than
// `longest`, none shorter than the wire is thick.
int segmentsOf(double length, double longest, double radius, int refinement)
{
    double n = std::max(1.0, std::ceil(length / longest * (1 - 1e-9)));
    n = std::min(n, std::max(1.0, std::floor(length / (2 * radius))));
    return refinement * int(n);
}

} // namespace

GroundConstants constantsOf(GroundKind kind)
{
    switch (kind) {
    case GroundKind::Average:
        return {13, 0.005};
    case GroundKind::Poor:
        return {5, 0.001};
    case GroundKind::Good:
        return {20, 0.0303};
    case GroundKind::Sea:
        return {80, 5};
    case GroundKind::Free:
    case GroundKind::Perfect:
        break;
    }
    return {1, 0};
}

std::optional<Problem> refusal(const Installation &inst, const JPole &j, double mhz)
{
    using Kind = Problem::Kind;
    const double lambda = wavelength(mhz);
    const double highest = highestInWavelengths * lambda;
    if (!positive(inst.height) || inst.height > highest)
        return Problem::tooHigh(Kind::BadHeight, highest);
    const double thickest = thickestInWavelengths * lambda * 1000; // mm
    if (inst.coax && (!positive(*inst.coax) || *inst.coax > thickest))
        return Problem::tooThick(Kind::BadCoax, thickest);
    if (inst.mast) {
        // The coax hangs half D, a coax and a tube from the mast's centre
        // line: the mast must leave it a gap of the mast's own radius.
        const double apart = inst.coax ? j.d / 2 + *inst.coax / 2 + j.tube : thickest;
        const double most = std::min(thickest, apart);
        if (!positive(*inst.mast) || *inst.mast > most)
            return Problem::tooThick(Kind::BadMast, most);
    }
    if (inst.mast && inst.height <= clampLength(j, inst))
        return Problem::tooHigh(Kind::BadHeight, highest);
    if (inst.choke) {
        if (!inst.coax)
            return Problem::of(Kind::ChokeWithoutCoax);
        if (!positive(*inst.choke))
            return Problem::of(Kind::BadChoke);
        if (!std::isfinite(inst.chokeAt) || inst.chokeAt < 0 || inst.chokeAt >= inst.height)
            return Problem::tooHigh(Kind::ChokeBelowGround, inst.height);
    }
    if (inst.asBuilt) {
        const auto &l = *inst.asBuilt;
        if (!positive(l.a) || !positive(l.b) || !positive(l.c) || !positive(l.d) || !(l.c < l.b) || !(l.b < l.a))
            return Problem::of(Kind::BadLengths);
    }
    return std::nullopt;
}

Ground groundFor(GroundKind kind, const Structure &structure, double mhz)
{
    switch (kind) {
    case GroundKind::Free:
        return {};
    case GroundKind::Perfect:
        return {Ground::Kind::Perfect, 1, 0, Ground::Method::ReflectionCoefficient};
    case GroundKind::Average:
    case GroundKind::Poor:
    case GroundKind::Good:
    case GroundKind::Sea:
        break;
    }
    double lowest = std::numeric_limits<double>::infinity();
    for (const auto &w : structure.wires())
        lowest = std::min({lowest, w.from.z, w.to.z});
    const auto constants = constantsOf(kind);
    return {Ground::Kind::Finite, constants.permittivity, constants.conductivity,
            lowest < nearGround * wavelength(mhz) ? Ground::Method::SommerfeldNorton
                                                  : Ground::Method::ReflectionCoefficient};
}

InstalledStructure installedStructure(const JPole &j, const JSegmentation &jCut, const Installation &inst, double mhz,
                                      int refinement)
{
    InstalledStructure built;
    auto &s = built.structure;
    auto &w = built.wires;
    const double h = inst.height;
    built.bottom = h;

    // The J, its bend cut at the middle where a mast hangs.
    JSegmentation cut = jCut;
    if (inst.mast)
        cut.bottom = cut.bottomToLong = std::max(1, jCut.bottom / 2);
    w.j = addJ(s, j, cut, h);
    s.feedAt(w.j.source(s));
    if (!inst.mast && !inst.coax) {
        s.setGround(groundFor(inst.ground, s, mhz));
        return built;
    }

    // Below the J the mast and the coax run side by side, closer than a
    // segment is long: they are cut at the same heights into the same
    // segments, so that theirs face each other, as the J's legs do. Near
    // their ends, at the J and at the ground, the currents change fast:
    // there the segments are shorter.
    const double lambda = wavelength(mhz), zone = endZone * lambda;
    const double clamp = inst.mast ? clampLength(j, inst) : 0;
    std::vector<double> cuts{h, 0};
    if (inst.mast)
        cuts.push_back(h - clamp);
    if (inst.coax && inst.choke && inst.chokeAt > 0)
        cuts.push_back(h - inst.chokeAt);
    for (const double at : {h - clamp - zone, zone}) {
        if (at > 0 && at < h - clamp)
            cuts.push_back(at);
    }
    std::sort(cuts.begin(), cuts.end(), std::greater<>());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    const double thickest = std::max(inst.mast ? *inst.mast : 0, inst.coax ? *inst.coax : 0) / 2000;
    auto segmentsBetween = [&](double top, double bottom) {
        if (inst.mast && top == h) // beside the clamp: one segment, as the clamp has
            return 1;
        const bool nearEnd = bottom >= h - clamp - zone - 1e-9 || top <= zone + 1e-9;
        return segmentsOf(top - bottom, lambda / (nearEnd ? endSegmentsPerWavelength : longSegmentsPerWavelength),
                          thickest, refinement);
    };

    if (inst.mast) {
        // A clamp of tube from the bend to the mast, a segment a tube
        // diameter or more long, so that no segment of the bend lies
        // inside the mast; then the mast, to the ground.
        const double x = j.d / 2000;
        w.clamp = s.addWire({x, 0, h}, {x, 0, h - clamp}, j.tube / 2000, 1, copper);
        for (std::size_t i = 1; i + 1 < cuts.size(); ++i)
            w.mast.push_back(s.addWire({x, 0, cuts[i]}, {x, 0, cuts[i + 1]}, *inst.mast / 2000,
                                       segmentsBetween(cuts[i], cuts[i + 1]), aluminium));
    }
    if (inst.coax) {
        // The step out is one segment, at least a tube diameter long, so
        // that no segment of it lies inside the short element.
        const double x = -coaxOffset(j, inst), c = h + j.c / 1000, radius = *inst.coax / 2000;
        w.coaxStep = s.addWire({0, 0, c}, {x, 0, c}, radius, 1, copper);
        w.coaxBeside = s.addWire({x, 0, c}, {x, 0, h}, radius, cut.shortBelowFeed, copper);
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
            w.coaxBelow.push_back(
                s.addWire({x, 0, cuts[i]}, {x, 0, cuts[i + 1]}, radius, segmentsBetween(cuts[i], cuts[i + 1]), copper));
        if (inst.choke) {
            // In the segment just below its place.
            for (const int tag : w.coaxBelow) {
                if (s.wire(tag).from.z <= h - inst.chokeAt + 1e-12) {
                    w.choke = SegmentRef{tag, 1};
                    break;
                }
            }
            s.addLoad({*w.choke, *inst.choke, 0, 0});
        }
    }
    s.setGround(groundFor(inst.ground, s, mhz));
    return built;
}

Structure groundPlane(double mhz, double tube, double hub, GroundKind ground)
{
    const double quarter = wavelength(mhz) / 4;
    const double radius = tube / 2000;
    const int segments = std::max(1, int(std::ceil(quarter / (wavelength(mhz) / segmentsPerWavelength) * (1 - 1e-9))));
    const double out = quarter * std::cos(std::numbers::pi / 4), down = quarter * std::sin(std::numbers::pi / 4);
    Structure s;
    const int radiator = s.addWire({0, 0, hub}, {0, 0, hub + quarter}, radius, segments, copper);
    for (const auto &[x, y] : {std::pair(out, 0.0), std::pair(0.0, out), std::pair(-out, 0.0), std::pair(0.0, -out)})
        s.addWire({0, 0, hub}, {x, y, hub - down}, radius, segments, copper);
    s.feedAt({radiator, 1});
    s.setGround(groundFor(ground, s, mhz));
    return s;
}

} // namespace antenna
