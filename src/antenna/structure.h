// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <vector>

namespace antenna {

// A point in metres: x and y on the ground, z up.
struct Point
{
    double x = 0, y = 0, z = 0;

    friend bool operator==(const Point &, const Point &) = default;
};

inline constexpr double copper = 5.8e7;  // S/m
inline constexpr double perfectConductor = 0; // no loss at all
inline constexpr double speedOfLight = 299.792458; // m·MHz

// A straight wire cut into equal segments (NEC-2's GW card), of its own
// radius and metal.
struct Wire
{
    int tag = 0;
    Point from, to;
    double radius = 0; // m
    int segments = 1;
    double conductivity = perfectConductor; // S/m

    double length() const;
    // The centre of its segment `segment`, counted from 1 at `from`.
    Point segmentCentre(int segment) const;
};

// Where a structure is fed or loaded: a wire's tag and one of its
// segments, counted from 1 at the wire's start.
struct SegmentRef
{
    int tag = 0;
    int segment = 1;

    friend bool operator==(const SegmentRef &, const SegmentRef &) = default;
};

// A series resistance, inductance and capacitance in one segment (NEC-2's
// LD card of type 0); a capacitance of 0 is none (a short).
struct SeriesLoad
{
    SegmentRef at;
    double ohms = 0;
    double henries = 0;
    double farads = 0;
};

// What lies below the structure. Over a ground the structure stands on the
// plane z = 0: no wire goes below it, and a wire that ends on it is
// connected to it.
struct Ground
{
    enum class Kind { FreeSpace, Perfect, Finite };
    // For a finite ground: the reflection-coefficient approximation, fast
    // and good for wires well above the ground, or the Sommerfeld–Norton
    // solution, accurate for wires that touch or nearly touch it.
    enum class Method { ReflectionCoefficient, SommerfeldNorton };

    Kind kind = Kind::FreeSpace;
    double permittivity = 1; // relative, finite ground only
    double conductivity = 0; // S/m, finite ground only
    Method method = Method::ReflectionCoefficient;

    friend bool operator==(const Ground &, const Ground &) = default;
};

// Any antenna NEC-2 can model, built one card at a time: straight wires in
// three dimensions, a voltage source, lumped loads and a ground.
class Structure
{
public:
    // A wire (GW); returns its tag, 1 for the first wire and counting up.
    int addWire(Point from, Point to, double radius, int segments, double conductivity = perfectConductor);
    // The voltage source (EX type 0, 1 V): one per structure.
    void feedAt(SegmentRef at) { source = at; }
    // A lumped load (LD type 0).
    void addLoad(const SeriesLoad &load) { seriesLoads.push_back(load); }
    // The ground (GE, GN); free space unless set.
    void setGround(const Ground &g) { below = g; }

    const std::vector<Wire> &wires() const { return all; }
    const Wire &wire(int tag) const { return all.at(std::size_t(tag - 1)); }
    const SegmentRef &feed() const { return source; }
    const std::vector<SeriesLoad> &loads() const { return seriesLoads; }
    const Ground &ground() const { return below; }

    int segments() const;
    // NEC-2 numbers every segment of the structure in one run, from 1.
    int absoluteSegment(SegmentRef at) const;
    // The tags of the wires that end on the ground, in order; none in free space.
    std::vector<int> groundedWires() const;
    // Whether every number is finite, every wire has a length, a radius
    // and segments, the source and loads are on segments that exist, and
    // nothing goes below a ground.
    bool isValid() const;

private:
    std::vector<Wire> all;
    SegmentRef source;
    std::vector<SeriesLoad> seriesLoads;
    Ground below;
};

} // namespace antenna
