// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/report.h"

#include "runtime/format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace antenna {

namespace {

QString impedance(std::complex<double> z)
{
    return QStringLiteral("%1 %2 j%3").arg(decimals(z.real(), 1), z.imag() < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                                           decimals(std::abs(z.imag()), 1));
}

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

Figures figures(const Prediction &p, const QString &frequency, bool chinese)
{
    const auto &s = p.summary;
    Figures f;
    const QString tube = rt::format00(p.asCut.tube);
    if (chinese) {
        f.model = QStringLiteral("NEC-2 模型（nec2c），自由空间，铜管中心线，管径 %1 毫米，%2 段；未计地面、桅杆和电缆")
                      .arg(tube).arg(p.segments);
        f.atF = QStringLiteral("%1 MHz 处驻波比 %2，阻抗 %3 欧").arg(frequency, swrText(p.swrAtF), impedance(p.zAtF));
        f.lowest = QStringLiteral("最低驻波比 %1，在 %2 MHz").arg(swrText(s.best.swr), decimals(s.best.mhz, 3))
                   + (s.bestAtEdge ? QStringLiteral("（扫频边缘，真正的最低点在范围之外）") : QString());
        f.band = s.band2 ? QStringLiteral("驻波比 ≤ 2：%1 – %2 MHz").arg(decimals(s.band2->first, 3), decimals(s.band2->second, 3))
                               + (s.bandReachesEdge ? QStringLiteral("（到扫频边缘）") : QString())
                         : QStringLiteral("驻波比 ≤ 2：扫频范围内没有");
        f.gain = QStringLiteral("自由空间增益 %1 dBi（水平方向 %2 dBi）").arg(decimals(p.strongest.dbi, 2), decimals(p.horizonDbi, 2));
        f.trim = QStringLiteral("修剪：A 每剪短 10 毫米（B 按比例剪短），谐振频率升高 %1").arg(shift(p.mhzPer10mmOfA));
    } else {
        f.model = QStringLiteral("NEC-2 model (nec2c) in free space, copper tube centre lines, tube %1 mm, %2 segments; "
                                 "no ground, mast or coax")
                      .arg(tube).arg(p.segments);
        f.atF = QStringLiteral("SWR at %1 MHz %2, Z = %3 ohm").arg(frequency, swrText(p.swrAtF), impedance(p.zAtF));
        f.lowest = QStringLiteral("lowest SWR %1 at %2 MHz").arg(swrText(s.best.swr), decimals(s.best.mhz, 3))
                   + (s.bestAtEdge ? QStringLiteral(" (at the sweep's edge: the lowest lies beyond)") : QString());
        f.band = s.band2 ? QStringLiteral("SWR <= 2 from %1 to %2 MHz").arg(decimals(s.band2->first, 3), decimals(s.band2->second, 3))
                               + (s.bandReachesEdge ? QStringLiteral(" (to the sweep's edge)") : QString())
                         : QStringLiteral("SWR <= 2 nowhere in the sweep");
        f.gain = QStringLiteral("free-space gain %1 dBi (%2 dBi at the horizon)").arg(decimals(p.strongest.dbi, 2), decimals(p.horizonDbi, 2));
        f.trim = QStringLiteral("trim: 10 mm off A (and B in proportion) raises the resonance by %1").arg(shift(p.mhzPer10mmOfA));
    }
    return f;
}

QStringList lengthRows(const Prediction &p, bool chinese)
{
    const auto &c = p.corrected;
    const auto &a = p.asCut;
    const std::array<std::pair<double, double>, 5> values{{{c.a, a.a}, {c.b, a.b}, {c.c, a.c}, {c.d, a.d},
                                                           {p.correctedE(), a.a + a.b + calc::allowance}}};
    qsizetype width = 0;
    for (const auto &[corrected, formula] : values)
        width = std::max(width, rt::format00(corrected).size());
    QStringList rows{chinese ? QStringLiteral("按管径修正（括号内为公式值）：")
                             : QStringLiteral("corrected for the tube (the formula's in brackets):")};
    const QString row = chinese ? QStringLiteral("%1  %2 毫米（%3）") : QStringLiteral("%1  %2 mm  (%3)");
    for (const auto &r : calc::results) {
        const auto &[corrected, formula] = values[calc::indexOf(r.letter)];
        rows << row.arg(QLatin1Char(r.letter)).arg(rt::format00(corrected), int(width)).arg(rt::format00(formula));
    }
    return rows;
}

QString spokenPrediction(const Prediction &p, const QString &frequency)
{
    const auto f = figures(p, frequency, true);
    const auto &c = p.corrected;
    return QStringLiteral("预测完成，%1，%2，按管径修正 A %3 毫米，B %4 毫米，C %5 毫米")
        .arg(f.atF, f.lowest, rt::format00(c.a), rt::format00(c.b), rt::format00(c.c));
}

} // namespace antenna
