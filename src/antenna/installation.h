// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/jpole.h"
#include "antenna/problem.h"
#include "antenna/structure.h"

#include <optional>
#include <vector>

namespace antenna {

// The grounds a builder chooses from: free space, a perfect conductor, and
// real grounds of these constants (relative permittivity, S/m).
enum class GroundKind { Free, Perfect, Average, Poor, Good, Sea };
inline constexpr GroundKind groundKinds[] = {GroundKind::Free, GroundKind::Average, GroundKind::Poor,
                                             GroundKind::Good, GroundKind::Sea, GroundKind::Perfect};

struct GroundConstants
{
    double permittivity, conductivity;
};
GroundConstants constantsOf(GroundKind kind);

// The J as it really stands: as built, at a height above a ground, maybe
// on a metal mast, maybe fed by coax whose shield is part of the antenna,
// maybe with a choke on it. The default is the J alone in free space.
struct Installation
{
    std::optional<calc::Lengths> asBuilt; // mm; none: as calculated
    GroundKind ground = GroundKind::Free;
    double height = 10; // m, of the J's bottom above the ground; in free space the mast and coax below it
    std::optional<double> mast;  // a metal mast's outside diameter, mm
    std::optional<double> coax;  // the coax's outside diameter, mm
    std::optional<double> choke; // a common-mode choke on the coax, ohms (resistive)
    double chokeAt = 0;          // m below the J's bottom

    // Nothing but the J in free space: the model as it has always been.
    bool isBare() const { return ground == GroundKind::Free && !mast && !coax; }

    friend bool operator==(const Installation &, const Installation &) = default;
};

inline constexpr double defaultHeight = 10; // m

// Why this installation cannot be modelled for this J, if it cannot: a
// height of nothing or of so many wavelengths that the model means
// nothing, a mast or coax of no thickness or so thick they would touch,
// a choke of no impedance or below the ground. The limit is in the problem.
std::optional<Problem> refusal(const Installation &installation, const JPole &j, double mhz);

// The wires of an installed J, by what they are.
struct InstalledWires
{
    JWires j;
    int clamp = 0;                  // from the bend down to the mast
    std::vector<int> mast;          // the mast itself, down to the ground, in parts
    int coaxStep = 0;               // from the short element out to where the coax hangs
    int coaxBeside = 0;             // down beside the J to its bottom
    std::vector<int> coaxBelow;     // from the J's bottom down to the ground, cut at the mast's top and the choke
    std::optional<SegmentRef> choke;
};

struct InstalledStructure
{
    Structure structure;
    InstalledWires wires;
    double bottom = 0; // m: the height of the J's bottom in the structure
};

// Segments on the long wires, the mast and the coax below the J: coarser
// than on the J, as NEC-2's accuracy allows for a straight wire, and finer
// within a quarter wavelength of their ends.
inline constexpr int longSegmentsPerWavelength = 10;
inline constexpr int endSegmentsPerWavelength = 60;

// The J as built and installed, for a J and an installation refusal()
// accepts: its bend at the installation's height, the mast hung from the
// middle of the bend by a clamp of tube a mast's diameter long, the coax's
// shield leaving the short element at the feed, stepping out away from the
// long element until its centre line is a coax and a tube diameter from
// the short element's, then down; both end on the ground, connected to it,
// or in free space at the height below the J. The choke is a resistance
// in the coax's segment just below its place. The ground is solved with
// the method accurate for where the wires are.
// The J is cut as `cut` says; the mast and coax below it refined by
// `refinement` (for checks of convergence).
InstalledStructure installedStructure(const JPole &j, const JSegmentation &cut, const Installation &installation,
                                      double mhz, int refinement = 1);

// The ground to solve over: the reflection-coefficient approximation where
// the structure keeps well clear of the ground, Sommerfeld–Norton where it
// touches or comes near it.
Ground groundFor(GroundKind kind, const Structure &structure, double mhz);

// A quarter-wave ground plane for f, for comparison: a vertical
// quarter-wave radiator and four quarter-wave radials drooping 45°, of the
// tube, fed at the hub at `hub` metres above the ground, over the ground.
Structure groundPlane(double mhz, double tube, double hub, GroundKind ground);

} // namespace antenna
