// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "words/words.h"

#include "runtime/format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace words {

namespace {


// MHz to the kHz, or kHz below a tenth of a MHz (the HF bands).
QString shift(double mhz)
{
    if (std::abs(mhz) < 0.1)
        return QString::number(mhz * 1000, 'g', 3) + QStringLiteral(" kHz");
    return decimals(mhz, 3) + QStringLiteral(" MHz");
}

// "+1.200 MHz", "-150 kHz".
QString shiftSigned(double mhz) { return (mhz < 0 ? QStringLiteral("-") : QStringLiteral("+")) + shift(std::abs(mhz)); }

} // namespace

QString decimals(double v, int places) { return QString::number(v, 'f', places); }

QString swrText(double swr) { return std::isfinite(swr) ? decimals(swr, 2) : QStringLiteral("∞"); }

QString impedance(std::complex<double> z)
{
    return QStringLiteral("%1 %2 j%3").arg(decimals(z.real(), 1), z.imag() < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                                           decimals(std::abs(z.imag()), 1));
}

QString millimetres() { return Tolvera::tr("mm"); }

QString groundName(antenna::GroundKind kind)
{
    using G = antenna::GroundKind;
    switch (kind) {
    case G::Free:
        return Tolvera::tr("free space");
    case G::Perfect:
        return Tolvera::tr("perfect ground");
    case G::Average:
        return Tolvera::tr("average ground");
    case G::Poor:
        return Tolvera::tr("poor (city) ground");
    case G::Good:
        return Tolvera::tr("good ground");
    case G::Sea:
        return Tolvera::tr("sea water");
    }
    return {};
}

namespace {

QString metres(double m) { return QString::number(m, 'g', 4); }
QString percent(double fraction) { return QString::number(fraction * 100, 'f', fraction < 0.1 ? 1 : 0) + u'%'; }
QString signedDb(double db) { return (db < 0 ? QStringLiteral("-") : QStringLiteral("+")) + decimals(std::abs(db), 1); }

// What was modelled: the J alone in free space as it always was, or where
// it stands, everything as set.
QString modelled(const antenna::Prediction &p)
{
    const QString tube = rt::format00(p.asCut.tube);
    const auto &inst = p.installation;
    if (inst.isBare())
        return Tolvera::tr("NEC-2 model (nec2c) in free space, copper tube centre lines, tube %1 mm, %2 segments; "
                           "no ground, mast or coax")
            .arg(tube)
            .arg(p.segments);
    QStringList parts;
    if (inst.ground == antenna::GroundKind::Free) {
        parts << Tolvera::tr("in free space, %1 m of mast and coax below the J").arg(metres(inst.height));
    } else {
        QString ground = groundName(inst.ground);
        if (p.ground.kind == antenna::Ground::Kind::Finite) {
            const auto c = antenna::constantsOf(inst.ground);
            ground += p.ground.method == antenna::Ground::Method::SommerfeldNorton
                          ? Tolvera::tr(" (%1, %2 S/m, Sommerfeld-Norton)").arg(c.permittivity).arg(c.conductivity)
                          : Tolvera::tr(" (%1, %2 S/m, reflection coefficients)").arg(c.permittivity).arg(c.conductivity);
        }
        parts << Tolvera::tr("over %1, the J's bottom %2 m up").arg(ground, metres(inst.height));
    }
    parts << (inst.mast ? Tolvera::tr("metal mast %1 mm").arg(metres(*inst.mast)) : Tolvera::tr("no metal mast"));
    parts << (inst.coax ? Tolvera::tr("coax %1 mm").arg(metres(*inst.coax)) : Tolvera::tr("no coax"));
    if (inst.coax)
        parts << (inst.choke ? Tolvera::tr("choke %1 ohm %2 m below the J").arg(metres(*inst.choke), metres(inst.chokeAt))
                             : Tolvera::tr("no choke"));
    return Tolvera::tr("NEC-2 model (nec2c) %1; copper tube centre lines, tube %2 mm, %3 segments")
        .arg(parts.join(Tolvera::tr(", ")), tube)
        .arg(p.segments);
}

// The common-mode current on the coax, and what it means for a builder.
QString coaxSaid(const antenna::Prediction &p)
{
    const auto &c = *p.coaxCurrent;
    QString meaning;
    if (c.largest < 0.02)
        meaning = Tolvera::tr("little: the coax hardly takes part");
    else if (c.largest < 0.1)
        meaning = Tolvera::tr("the coax radiates a little, and the match may shift when it is moved");
    else
        meaning = Tolvera::tr("much: the coax radiates, lifts the pattern and brings RF into the shack");
    if (!p.coaxWithoutChoke)
        return Tolvera::tr("common-mode current on the coax's shield: %1 of the feed current, the most %2 m below the J: %3")
            .arg(percent(c.largest), decimals(c.at, 2), meaning);
    const double without = *p.coaxWithoutChoke;
    const QString fell = c.largest < without * 0.8
                             ? Tolvera::tr("without the choke %1: it fell to %2 of that").arg(percent(without),
                                                                                            percent(c.largest / without))
                             : Tolvera::tr("without the choke %1: the choke changes little here").arg(percent(without));
    return Tolvera::tr("common-mode current on the coax's shield below the choke: %1 of the feed current, the most %2 m "
                       "below the J, %3; %4")
        .arg(percent(c.largest), decimals(c.at, 2), meaning, fell);
}

} // namespace

PredictionFigures figures(const antenna::Prediction &p, const QString &frequency)
{
    const auto s = p.summary();
    const auto pattern = p.figures();
    const bool overGround = p.ground.kind != antenna::Ground::Kind::FreeSpace;
    PredictionFigures f;
    f.model = modelled(p);
    f.atF = Tolvera::tr("SWR at %1 MHz %2, Z = %3 ohm").arg(frequency, swrText(p.swrAtF()), impedance(p.zAtF()));
    f.lowest = Tolvera::tr("lowest SWR %1 at %2 MHz").arg(swrText(s.best.swr), decimals(s.best.mhz, 3))
               + (s.bestAtEdge ? Tolvera::tr(" (at the sweep's edge: the lowest lies beyond)") : QString());
    f.band = s.band2 ? Tolvera::tr("SWR <= 2 from %1 to %2 MHz").arg(decimals(s.band2->first, 3), decimals(s.band2->second, 3))
                           + (s.bandReachesEdge ? Tolvera::tr(" (to the sweep's edge)") : QString())
                     : Tolvera::tr("SWR <= 2 nowhere in the sweep");
    if (overGround) {
        f.gain = Tolvera::tr("gain over %1 %2 dBi (%3 dBi 5° above the horizon)")
                     .arg(groundName(p.installation.ground), decimals(pattern.strongestDbi, 2), decimals(pattern.at5Dbi, 2));
        f.elevation = Tolvera::tr("take-off angle %1°").arg(pattern.takeoffDeg);
    } else {
        f.gain = Tolvera::tr("free-space gain %1 dBi (%2 dBi at the horizon)")
                     .arg(decimals(pattern.strongestDbi, 2), decimals(p.horizonDbi(), 2));
        f.elevation = Tolvera::tr("the largest gain %1° above the horizontal").arg(pattern.takeoffDeg);
    }
    if (p.groundPlane) {
        const auto &g = *p.groundPlane;
        const auto j = signedDb(pattern.strongestDbi - g.strongestDbi), low = signedDb(pattern.at5Dbi - g.at5Dbi);
        f.groundPlane = overGround ? Tolvera::tr("a quarter-wave ground plane at the J's feed: %1 dBi, take-off %2°, %3 dBi "
                                                 "5° up; the J %4 dB, %5 dB 5° up")
                                         .arg(decimals(g.strongestDbi, 2))
                                         .arg(g.takeoffDeg)
                                         .arg(decimals(g.at5Dbi, 2), j, low)
                                   : Tolvera::tr("a quarter-wave ground plane in free space: %1 dBi, %2 dBi 5° up; the J %3 dB, "
                                                 "%4 dB 5° up")
                                         .arg(decimals(g.strongestDbi, 2), decimals(g.at5Dbi, 2), j, low);
    }
    if (p.freeSpace) {
        const auto free = p.freeSpace->summary();
        f.freeSpace = Tolvera::tr("the same J in free space: SWR at %1 MHz %2, lowest %3 at %4 MHz")
                          .arg(frequency, swrText(p.freeSpace->swrAt(p.mhz)), swrText(free.best.swr),
                               decimals(free.best.mhz, 3));
    }
    if (p.coaxCurrent)
        f.coax = coaxSaid(p);
    if (p.mastCurrent)
        f.mast = Tolvera::tr("current on the mast: %1 of the feed current, the most %2 m below the J")
                     .arg(percent(p.mastCurrent->largest), decimals(p.mastCurrent->at, 2));
    f.trim = Tolvera::tr("trim: 10 mm off A (and B in proportion) raises the resonance by %1").arg(shift(p.mhzPer10mmOfA));
    return f;
}

QString optionOf(const antenna::Problem &p)
{
    using Kind = antenna::Problem::Kind;
    switch (p.kind) {
    case Kind::BadHeight:
        return QStringLiteral("--height");
    case Kind::BadMast:
        return QStringLiteral("--mast");
    case Kind::BadCoax:
        return QStringLiteral("--coax");
    case Kind::BadChoke:
    case Kind::ChokeWithoutCoax:
        return QStringLiteral("--choke");
    case Kind::ChokeBelowGround:
        return QStringLiteral("--choke-at");
    default:
        return {};
    }
}

QStringList lengthRows(const antenna::Prediction &p)
{
    const auto &c = p.corrected;
    const auto &a = p.asCut;
    const std::array<std::pair<double, double>, 5> values{
        {{c.a, a.a}, {c.b, a.b}, {c.c, a.c}, {c.d, a.d}, {p.correctedE(), a.e()}}};
    qsizetype width = 0;
    for (const auto &[corrected, formula] : values)
        width = std::max(width, rt::format00(corrected).size());
    QStringList rows{p.installation.isBare() && !p.installation.asBuilt
                         ? Tolvera::tr("corrected for the tube (the formula's in brackets):")
                     : p.installation.isBare() ? Tolvera::tr("corrected for the tube (as built in brackets):")
                     : p.installation.asBuilt  ? Tolvera::tr("corrected for the tube where it stands (as built in brackets):")
                                               : Tolvera::tr("corrected for the tube where it stands (the formula's in brackets):")};
    for (const auto &r : calc::results) {
        const auto &[corrected, formula] = values[calc::indexOf(r.letter)];
        rows << Tolvera::tr("%1  %2 mm  (%3)").arg(QLatin1Char(r.letter)).arg(rt::format00(corrected), int(width)).arg(rt::format00(formula));
    }
    return rows;
}

QString spokenPrediction(const antenna::Prediction &p, const QString &frequency)
{
    const auto f = figures(p, frequency);
    const auto &c = p.corrected;
    const QString said = Tolvera::tr("prediction done, %1, %2, corrected for the tube A %3 mm, B %4 mm, C %5 mm")
                             .arg(f.atF, f.lowest, rt::format00(c.a), rt::format00(c.b), rt::format00(c.c));
    return f.coax.isEmpty() ? said : said + Tolvera::tr(", ") + f.coax;
}

MeasuredFigures measuredFigures(const antenna::Measurement &m, const std::optional<antenna::TrimFigure> &trim,
                                double targetMhz)
{
    const auto &s = m.summary;
    MeasuredFigures f;
    f.lowest = Tolvera::tr("measured %1: lowest SWR %2 at %3 MHz").arg(m.label, swrText(s.best.swr), decimals(s.best.mhz, 3))
               + (s.bestAtEdge ? Tolvera::tr(" (at the sweep's edge: sweep wider)") : QString());
    f.band = s.band2 ? Tolvera::tr("measured SWR <= 2 from %1 to %2 MHz").arg(decimals(s.band2->first, 3), decimals(s.band2->second, 3))
                     : Tolvera::tr("measured SWR <= 2 nowhere");
    f.impedance = Tolvera::tr("measured Z at the lowest SWR: %1 ohm").arg(impedance(m.zAtBest));
    f.cut = trim ? Tolvera::tr("to reach %1 MHz: %2")
                       .arg(QString::number(targetMhz, 'g', 10), cutAdvice(antenna::cutFor(s.best.mhz, targetMhz, *trim)))
                 : Tolvera::tr("what to cut: once the prediction is in");
    return f;
}

QString keptSweepLine(const antenna::TrimLog &log, std::size_t i)
{
    const auto &k = log.kept[i];
    const auto resonances = log.resonances();
    const QString when = k.time.toLocalTime().toString(QStringLiteral("HH:mm"));
    const QString at = decimals(resonances[i], 3);
    QString cut;
    if (std::lround(k.cutA * 10) == 0 && std::lround(k.cutB * 10) == 0)
        cut = Tolvera::tr("nothing cut");
    else // a negative cut is tube let out: said as such, not as "-5 mm off"
        cut = (k.cutA < 0 ? Tolvera::tr("A %1 mm longer") : Tolvera::tr("A %1 mm off")).arg(decimals(std::abs(k.cutA), 1))
              + Tolvera::tr(", ")
              + (k.cutB < 0 ? Tolvera::tr("B %1 mm longer") : Tolvera::tr("B %1 mm off")).arg(decimals(std::abs(k.cutB), 1));
    QString said = i == 0 ? Tolvera::tr("sweep %1 at %2: resonance %3 MHz").arg(i + 1).arg(when, at)
                          : Tolvera::tr("sweep %1 at %2, %3: resonance %4 MHz (%5)")
                                .arg(i + 1)
                                .arg(when, cut, at, shiftSigned(resonances[i] - resonances[i - 1]));
    if (!k.note.isEmpty())
        said += Tolvera::tr("; %1").arg(k.note.simplified());
    return said;
}

QString measuredTrimLine(const antenna::TrimFigure &own, const antenna::Prediction *model)
{
    return model ? Tolvera::tr("measured: 10 mm off A raises the resonance by %1; the model: %2")
                       .arg(shift(own.mhzPer10mmOfA), shift(model->mhzPer10mmOfA))
                 : Tolvera::tr("measured: 10 mm off A raises the resonance by %1").arg(shift(own.mhzPer10mmOfA));
}

QString cutAdvice(const antenna::Cut &cut)
{
    const long a = std::lround(std::abs(cut.a));
    const long b = std::lround(std::abs(cut.b));
    if (a == 0)
        return Tolvera::tr("it resonates on the target: nothing to cut");
    if (cut.a > 0)
        return a == b ? Tolvera::tr("cut about %1 mm off A and %1 mm off B").arg(a)
                      : Tolvera::tr("cut about %1 mm off A and %2 mm off B").arg(a).arg(b);
    return a == b ? Tolvera::tr("add about %1 mm to A and %1 mm to B").arg(a)
                  : Tolvera::tr("add about %1 mm to A and %2 mm to B").arg(a).arg(b);
}

} // namespace words
