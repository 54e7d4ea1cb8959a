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

} // namespace

QString decimals(double v, int places) { return QString::number(v, 'f', places); }

QString swrText(double swr) { return std::isfinite(swr) ? decimals(swr, 2) : QStringLiteral("∞"); }

QString impedance(std::complex<double> z)
{
    return QStringLiteral("%1 %2 j%3").arg(decimals(z.real(), 1), z.imag() < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                                           decimals(std::abs(z.imag()), 1));
}

QString millimetres() { return Tolvera::tr("mm"); }

PredictionFigures figures(const antenna::Prediction &p, const QString &frequency)
{
    const auto s = p.summary();
    const auto strongest = p.strongest();
    PredictionFigures f;
    f.model = Tolvera::tr("NEC-2 model (nec2c) in free space, copper tube centre lines, tube %1 mm, %2 segments; "
                       "no ground, mast or coax")
                  .arg(rt::format00(p.asCut.tube))
                  .arg(p.segments);
    f.atF = Tolvera::tr("SWR at %1 MHz %2, Z = %3 ohm").arg(frequency, swrText(p.swrAtF()), impedance(p.zAtF()));
    f.lowest = Tolvera::tr("lowest SWR %1 at %2 MHz").arg(swrText(s.best.swr), decimals(s.best.mhz, 3))
               + (s.bestAtEdge ? Tolvera::tr(" (at the sweep's edge: the lowest lies beyond)") : QString());
    f.band = s.band2 ? Tolvera::tr("SWR <= 2 from %1 to %2 MHz").arg(decimals(s.band2->first, 3), decimals(s.band2->second, 3))
                           + (s.bandReachesEdge ? Tolvera::tr(" (to the sweep's edge)") : QString())
                     : Tolvera::tr("SWR <= 2 nowhere in the sweep");
    f.gain = Tolvera::tr("free-space gain %1 dBi (%2 dBi at the horizon)")
                 .arg(decimals(strongest.dbi, 2), decimals(p.horizonDbi(), 2));
    f.trim = Tolvera::tr("trim: 10 mm off A (and B in proportion) raises the resonance by %1").arg(shift(p.mhzPer10mmOfA));
    return f;
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
    QStringList rows{Tolvera::tr("corrected for the tube (the formula's in brackets):")};
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
    return Tolvera::tr("prediction done, %1, %2, corrected for the tube A %3 mm, B %4 mm, C %5 mm")
        .arg(f.atF, f.lowest, rt::format00(c.a), rt::format00(c.b), rt::format00(c.c));
}

MeasuredFigures measuredFigures(const antenna::Measurement &m, const antenna::Prediction *p, double targetMhz)
{
    const auto &s = m.summary;
    MeasuredFigures f;
    f.lowest = Tolvera::tr("measured %1: lowest SWR %2 at %3 MHz").arg(m.label, swrText(s.best.swr), decimals(s.best.mhz, 3))
               + (s.bestAtEdge ? Tolvera::tr(" (at the sweep's edge: sweep wider)") : QString());
    f.band = s.band2 ? Tolvera::tr("measured SWR <= 2 from %1 to %2 MHz").arg(decimals(s.band2->first, 3), decimals(s.band2->second, 3))
                     : Tolvera::tr("measured SWR <= 2 nowhere");
    f.impedance = Tolvera::tr("measured Z at the lowest SWR: %1 ohm").arg(impedance(m.zAtBest));
    f.cut = p ? Tolvera::tr("to reach %1 MHz: %2")
                    .arg(QString::number(targetMhz, 'g', 10),
                         cutAdvice(antenna::cutFor(s.best.mhz, targetMhz, p->trimFigure())))
              : Tolvera::tr("what to cut: once the prediction is in");
    return f;
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
