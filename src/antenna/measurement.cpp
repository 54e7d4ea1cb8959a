// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/measurement.h"

#include "antenna/report.h"

#include <QFileInfo>

#include <cmath>

namespace antenna {

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

QStringList measuredFigures(const Measurement &m, const Prediction *p, double targetMhz, bool chinese)
{
    const auto &s = m.summary;
    const QString name = QFileInfo(m.file).fileName();
    QStringList lines;
    if (chinese)
        lines << QStringLiteral("实测 %1：最低驻波比 %2，在 %3 MHz").arg(name, swrText(s.best.swr), decimals(s.best.mhz, 3))
                     + (s.bestAtEdge ? QStringLiteral("（扫频边缘：请扩大扫频范围）") : QString());
    else
        lines << QStringLiteral("measured %1: lowest SWR %2 at %3 MHz").arg(name, swrText(s.best.swr), decimals(s.best.mhz, 3))
                     + (s.bestAtEdge ? QStringLiteral(" (at the sweep's edge: sweep wider)") : QString());
    if (s.band2)
        lines << (chinese ? QStringLiteral("实测驻波比 ≤ 2：%1 – %2 MHz") : QStringLiteral("measured SWR <= 2 from %1 to %2 MHz"))
                     .arg(decimals(s.band2->first, 3), decimals(s.band2->second, 3));
    else
        lines << (chinese ? QStringLiteral("实测驻波比 ≤ 2：没有") : QStringLiteral("measured SWR <= 2 nowhere"));
    if (p) {
        const auto cut = cutFor(s.best.mhz, targetMhz, p->mhzPer10mmOfA, p->corrected.b / p->corrected.a);
        lines << (chinese ? QStringLiteral("剪切建议（目标 %1 MHz）：%2") : QStringLiteral("to reach %1 MHz: %2"))
                     .arg(QString::number(targetMhz, 'g', 10), cutAdvice(cut, chinese));
    } else if (chinese) {
        lines << QStringLiteral("剪切建议：等性能预测完成后给出");
    }
    return lines;
}

} // namespace antenna
