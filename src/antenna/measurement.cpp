// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/measurement.h"

#include <QFileInfo>

namespace antenna {

Measurement measurement(const QString &label, const Origin &origin, const OnePort &data)
{
    const auto summary = summarize(data.swr());
    return {label, origin, data, summary, data.zAt(summary.best.mhz)};
}

Measurement measuredFile(const QString &path, const OnePort &data)
{
    return measurement(QFileInfo(path).fileName(), {Origin::Kind::File, path, {}, {}}, data);
}

Cut cutFor(double measuredMhz, double targetMhz, const TrimFigure &trim)
{
    // Shorter elements resonate higher: a resonance below the target wants a cut.
    const double a = (targetMhz - measuredMhz) / trim.mhzPer10mmOfA * 10;
    return {a, a * trim.bOverA};
}

} // namespace antenna
