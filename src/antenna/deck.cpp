// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/deck.h"

#include <QList>

#include <algorithm>
#include <initializer_list>

namespace antenna {

namespace {

// A deck written one card at a time, each card a call with its numbers.
class Cards
{
public:
    void cm(const char *comment) { card("CM", {}) += QByteArray(" ") + comment; card("CE", {}); }
    void gw(int tag, int segments, const Point &a, const Point &b, double radius)
    {
        card("GW", {tag, segments}, {a.x, a.y, a.z, b.x, b.y, b.z, radius});
    }
    void ge(int groundFlag) { card("GE", {groundFlag}); }
    void gn(int type, std::initializer_list<double> constants = {}) { card("GN", {type, 0, 0, 0}, constants); }
    void ek() { card("EK", {}); }
    void ld(int type, int tag, int first, int last, std::initializer_list<double> values)
    {
        card("LD", {type, tag, first, last}, values);
    }
    void ex(const SegmentRef &at) { card("EX", {0, at.tag, at.segment, 0}, {1, 0}); }
    void pt(int flag) { card("PT", {flag}); }
    void fr(const FrequencyPlan &plan) { card("FR", {0, plan.points, 0, 0}, {plan.from, plan.step}); }
    void rp(const Directions &d)
    {
        // 1000: gains in the vertical and horizontal polarisations, not
        // normalised, power gain, no averaging.
        card("RP", {0, d.thetas, d.phis, 1000}, {d.theta0, d.phi0, d.thetaStep, d.phiStep});
    }
    void xq() { card("XQ", {}); }
    void en() { card("EN", {}); }

    QByteArray text() const { return lines.join('\n') + '\n'; }

private:
    QByteArray &card(const char *name, std::initializer_list<int> integers, std::initializer_list<double> reals = {})
    {
        QByteArray line(name);
        for (const int i : integers)
            line += ' ' + QByteArray::number(i);
        for (const double r : reals)
            line += ' ' + QByteArray::number(r, 'g', 10);
        lines.push_back(line);
        return lines.back();
    }

    QList<QByteArray> lines;
};

int groundFlag(const Ground &g) { return g.kind == Ground::Kind::FreeSpace ? 0 : 1; }

} // namespace

QByteArray deck(const Structure &structure, const Request &request)
{
    Cards cards;
    cards.cm("Tolvera");
    for (const auto &w : structure.wires())
        cards.gw(w.tag, w.segments, w.from, w.to, w.radius);
    // Wires that end on the ground are connected to it.
    const auto &ground = structure.ground();
    cards.ge(groundFlag(ground));
    switch (ground.kind) {
    case Ground::Kind::FreeSpace:
        break;
    case Ground::Kind::Perfect:
        cards.gn(1);
        break;
    case Ground::Kind::Finite:
        cards.gn(ground.method == Ground::Method::SommerfeldNorton ? 2 : 0, {ground.permittivity, ground.conductivity});
        break;
    }
    cards.ek();
    // The metal: one card for the whole structure where it is all alike.
    const auto &wires = structure.wires();
    const bool alike = std::all_of(wires.begin(), wires.end(),
                                   [&](const Wire &w) { return w.conductivity == wires.front().conductivity; });
    for (const auto &w : wires) {
        if (alike && w.tag > 1)
            break;
        if (w.conductivity > 0)
            cards.ld(5, alike ? 0 : w.tag, 0, 0, {w.conductivity});
    }
    for (const auto &load : structure.loads())
        cards.ld(0, load.at.tag, load.at.segment, load.at.segment, {load.ohms, load.henries, load.farads});
    cards.ex(structure.feed());
    cards.pt(request.currents ? 0 : -1); // -1: only the input parameters are printed
    cards.fr(request.frequencies);
    if (request.pattern)
        cards.rp(*request.pattern); // which runs it, at every frequency
    else
        cards.xq();
    cards.en();
    return cards.text();
}

} // namespace antenna
