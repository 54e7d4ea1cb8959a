// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/structure.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace antenna {

namespace {

bool finite(const Point &p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

bool onSegment(const std::vector<Wire> &wires, const SegmentRef &at)
{
    return at.tag >= 1 && std::size_t(at.tag) <= wires.size() && at.segment >= 1
           && at.segment <= wires[std::size_t(at.tag - 1)].segments;
}

} // namespace

double Wire::length() const { return std::hypot(to.x - from.x, to.y - from.y, to.z - from.z); }

Point Wire::segmentCentre(int segment) const
{
    const double t = (segment - 0.5) / segments;
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y), from.z + t * (to.z - from.z)};
}

int Structure::addWire(Point from, Point to, double radius, int segments, double conductivity)
{
    const int tag = int(all.size()) + 1;
    all.push_back({tag, from, to, radius, segments, conductivity});
    return tag;
}

int Structure::segments() const
{
    return std::accumulate(all.begin(), all.end(), 0, [](int n, const Wire &w) { return n + w.segments; });
}

int Structure::absoluteSegment(SegmentRef at) const
{
    int before = 0;
    for (int i = 0; i < at.tag - 1 && std::size_t(i) < all.size(); ++i)
        before += all[std::size_t(i)].segments;
    return before + at.segment;
}

std::vector<int> Structure::groundedWires() const
{
    std::vector<int> tags;
    if (below.kind == Ground::Kind::FreeSpace)
        return tags;
    for (const auto &w : all) {
        if (w.from.z == 0 || w.to.z == 0)
            tags.push_back(w.tag);
    }
    return tags;
}

bool Structure::isValid() const
{
    const bool overGround = below.kind != Ground::Kind::FreeSpace;
    const bool wiresOk = std::all_of(all.begin(), all.end(), [&](const Wire &w) {
        return finite(w.from) && finite(w.to) && w.length() > 0 && std::isfinite(w.length()) && std::isfinite(w.radius)
               && w.radius > 0 && w.segments >= 1 && std::isfinite(w.conductivity) && w.conductivity >= 0
               && !(overGround && (w.from.z < 0 || w.to.z < 0));
    });
    const bool loadsOk = std::all_of(seriesLoads.begin(), seriesLoads.end(), [&](const SeriesLoad &l) {
        return onSegment(all, l.at) && std::isfinite(l.ohms) && std::isfinite(l.henries) && std::isfinite(l.farads)
               && l.ohms >= 0 && l.henries >= 0 && l.farads >= 0;
    });
    const bool groundOk = below.kind != Ground::Kind::Finite
                          || (std::isfinite(below.permittivity) && below.permittivity >= 1
                              && std::isfinite(below.conductivity) && below.conductivity >= 0);
    return !all.empty() && wiresOk && loadsOk && groundOk && onSegment(all, source);
}

} // namespace antenna
