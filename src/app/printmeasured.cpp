// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "printmeasured.h"

#include "console.h"
#include "jsonnumbers.h"
#include "printprediction.h"
#include "tube.h"

#include "antenna/nec2c.h"
#include "antenna/prediction.h"
#include "antenna/touchstone.h"
#include "words/words.h"

#include <QJsonDocument>
#include <QJsonObject>

int printMeasured(const QString &file, const std::optional<QString> &frequency, const std::optional<QString> &tube,
                  bool json)
{
    if (!tubeDiameter(tube))
        return 1;
    const auto read = antenna::readTouchstone(file);
    if (const auto *error = std::get_if<antenna::TouchstoneError>(&read)) {
        printError(QStringLiteral("tolvera: %1\n").arg(words::touchstoneError(*error, file)));
        return 1;
    }
    return printMeasurement(antenna::measuredFile(file, std::get<antenna::TouchstoneFile>(read).reflection), frequency,
                            tube, json);
}

int printMeasurement(const antenna::Measurement &m, const std::optional<QString> &frequency,
                     const std::optional<QString> &tubeText, bool json)
{
    const auto tube = tubeDiameter(tubeText);
    if (!tube)
        return 1;
    // With a frequency, the trim figure of the J calculated for it.
    std::optional<Predicted> predicted;
    QString refused;
    if (frequency) {
        auto result = predictionFor(*frequency, *tube, antenna::Nec2c());
        if (const auto *why = std::get_if<QString>(&result))
            refused = *why;
        else
            predicted = std::get<Predicted>(std::move(result));
    }
    const auto *prediction = predicted ? &predicted->prediction : nullptr;
    const double target = predicted ? predicted->calculated.mhz : 0;

    const auto &s = m.summary;
    const auto &points = m.data.points;
    if (json) {
        QJsonObject o{
            {QStringLiteral("points"), qint64(points.size())},
            {QStringLiteral("z0_ohm"), m.data.z0},
            {QStringLiteral("first_mhz"), points.front().mhz},
            {QStringLiteral("last_mhz"), points.back().mhz},
            {QStringLiteral("best"), bestValue(s)},
            {QStringLiteral("swr2_band_mhz"), bandValue(s)},
            {QStringLiteral("z_at_best"), QJsonArray{rounded(m.zAtBest.real(), 2), rounded(m.zAtBest.imag(), 2)}},
        };
        if (m.origin.kind == antenna::Origin::Kind::File)
            o.insert(QStringLiteral("file"), m.origin.where);
        else
            o.insert(QStringLiteral("device"), QJsonObject{{QStringLiteral("port"), m.origin.where},
                                                           {QStringLiteral("model"), m.origin.model},
                                                           {QStringLiteral("version"), m.origin.version}});
        if (prediction) {
            const auto cut = antenna::cutFor(s.best.mhz, target, prediction->trimFigure());
            o.insert(QStringLiteral("target_mhz"), target);
            o.insert(QStringLiteral("cut_mm"), QJsonObject{{QStringLiteral("A"), rounded(cut.a, 1)},
                                                           {QStringLiteral("B"), rounded(cut.b, 1)}});
        }
        printOut(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n');
    } else {
        const auto first = words::decimals(points.front().mhz, 3), last = words::decimals(points.back().mhz, 3);
        const auto z0 = QString::number(m.data.z0, 'g', 10);
        const QString source = m.origin.kind == antenna::Origin::Kind::File
                                   ? m.origin.where
                                   : QStringLiteral("%1 (%2 %3)").arg(m.origin.where, m.origin.model, m.origin.version);
        QStringList lines{m.data.z0 == antenna::referenceOhms
                              ? Tolvera::tr("%1: %2 points, %3 to %4 MHz, reference %5 ohm")
                                    .arg(source).arg(points.size()).arg(first, last, z0)
                              : Tolvera::tr("%1: %2 points, %3 to %4 MHz, reference %5 ohm, SWR against 50 ohm")
                                    .arg(source).arg(points.size()).arg(first, last, z0)};
        const auto f = words::measuredFigures(m, prediction ? std::optional(prediction->trimFigure()) : std::nullopt, target);
        lines << f.lowest << f.band << f.impedance;
        if (prediction)
            lines << f.cut;
        printOut(lines.join(u'\n') + u'\n');
    }
    if (!refused.isEmpty()) {
        printError(QStringLiteral("tolvera: %1: %2\n").arg(*frequency, refused));
        return 1;
    }
    return 0;
}
