// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/measurement.h"

#include "antenna/report.h"

#include <cmath>

namespace antenna {

namespace {

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

} // namespace

Measurement measurement(const QString &file, const Sweep1Port &sweep)
{
    return {file, sweep, summarize(sweep.swr)};
}

Cut cutFor(double measuredMhz, double targetMhz, double mhzPer10mmOfA, double bOverA)
{
    // Shorter elements resonate higher: a resonance below the target wants a cut.
    const double a = (targetMhz - measuredMhz) / mhzPer10mmOfA * 10;
    return {a, a * bOverA};
}

QString cutAdvice(const Cut &cut, bool chinese)
{
    const long a = std::lround(std::abs(cut.a));
    const long b = std::lround(std::abs(cut.b));
    if (a == 0)
        return chinese ? QStringLiteral("谐振已在目标频率上，无需修剪") : QStringLiteral("it resonates on the target: nothing to cut");
    const bool shorter = cut.a > 0;
    if (chinese) {
        const QString verb = shorter ? QStringLiteral("剪短") : QStringLiteral("加长");
        if (a == b)
            return QStringLiteral("A、B 各%1约 %2 毫米").arg(verb).arg(a);
        return QStringLiteral("A %1约 %2 毫米，B %1约 %3 毫米").arg(verb).arg(a).arg(b);
    }
    const QString verb = shorter ? QStringLiteral("cut about %1 mm off") : QStringLiteral("add about %1 mm to");
    return QStringLiteral("%1 A and %2 B").arg(verb.arg(a), shorter ? QStringLiteral("%1 mm off").arg(b)
                                                                     : QStringLiteral("%1 mm to").arg(b));
}

QString measuredLowest(const Measurement &m, bool chinese)
{
    const auto &s = m.summary;
    if (chinese)
        return QStringLiteral("实测最低驻波比 %1，在 %2 MHz").arg(swrText(s.best.swr), fixed(s.best.mhz, 3))
               + (s.bestAtEdge ? QStringLiteral("（扫频边缘：请扩大扫频范围）") : QString());
    return QStringLiteral("measured lowest SWR %1 at %2 MHz").arg(swrText(s.best.swr), fixed(s.best.mhz, 3))
           + (s.bestAtEdge ? QStringLiteral(" (at the sweep's edge: sweep wider)") : QString());
}

QString measuredBand(const Measurement &m, bool chinese)
{
    const auto &band = m.summary.band2;
    if (!band)
        return chinese ? QStringLiteral("实测驻波比 ≤ 2：没有") : QStringLiteral("measured SWR <= 2 nowhere");
    return (chinese ? QStringLiteral("实测驻波比 ≤ 2：%1 – %2 MHz") : QStringLiteral("measured SWR <= 2 from %1 to %2 MHz"))
        .arg(fixed(band->first, 3), fixed(band->second, 3));
}

} // namespace antenna
