// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "printprediction.h"

#include "console.h"
#include "jsonnumbers.h"
#include "tube.h"

#include "antenna/nec2c.h"
#include "antenna/prediction.h"
#include "calc/calculation.h"
#include "words/words.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

QJsonObject toJson(const antenna::Prediction &p)
{
    QJsonArray sweep;
    for (const auto &point : p.feed.points)
        sweep.append(QJsonArray{rounded(point.mhz, 6), rounded(point.z.real(), 2), rounded(point.z.imag(), 2),
                                swrValue(antenna::swr(point.z))});
    const auto &c = p.corrected;
    const auto z = p.zAtF();
    return {
        {QStringLiteral("frequency_mhz"), p.mhz},
        {QStringLiteral("tube_mm"), p.asCut.tube},
        {QStringLiteral("sweep"), sweep},
        {QStringLiteral("swr_at_f"), swrValue(p.swrAtF())},
        {QStringLiteral("z_at_f"), QJsonArray{rounded(z.real(), 2), rounded(z.imag(), 2)}},
        {QStringLiteral("best"), bestValue(p.summary())},
        {QStringLiteral("swr2_band_mhz"), bandValue(p.summary())},
        {QStringLiteral("gain_dbi"), rounded(p.strongest().dbi, 2)},
        {QStringLiteral("corrected"), QJsonObject{{QStringLiteral("A"), rounded(c.a, 2)},
                                                  {QStringLiteral("B"), rounded(c.b, 2)},
                                                  {QStringLiteral("C"), rounded(c.c, 2)},
                                                  {QStringLiteral("D"), rounded(c.d, 2)},
                                                  {QStringLiteral("E"), rounded(p.correctedE(), 2)}}},
        {QStringLiteral("mhz_per_10mm_of_A"), rounded(p.mhzPer10mmOfA, 4)},
    };
}

QString block(const antenna::Prediction &p, const QString &frequency)
{
    const auto f = words::figures(p, frequency);
    QStringList lines{frequency + QStringLiteral(" MHz"), f.model, f.atF, f.lowest, f.band, f.gain};
    lines << words::lengthRows(p);
    lines << f.trim;
    return lines.join(u'\n') + u'\n';
}

} // namespace

std::variant<Predicted, QString> predictionFor(const QString &frequency, double tube, const antenna::Solver &solver)
{
    calc::BoxTexts boxes(frequency);
    const auto outcome = calc::calculate(boxes);
    if (const auto message = calc::messageOf(outcome))
        return oneLine(message->prompt);
    const auto &calculated = std::get<calc::Calculated>(outcome);
    auto result = antenna::predict(antenna::JPole::of(calculated.lengths, tube), calculated.mhz, solver);
    if (const auto *problem = std::get_if<antenna::Problem>(&result))
        return words::problem(*problem);
    return Predicted{calculated, std::get<antenna::Prediction>(std::move(result))};
}

int printPredictions(const QStringList &frequencies, const std::optional<QString> &tubeText, bool json)
{
    const auto tube = tubeDiameter(tubeText);
    if (!tube)
        return 1;
    const antenna::Nec2c nec2c;
    int status = 0;
    QJsonArray all;
    bool first = true;
    for (const auto &frequency : frequencies) {
        const auto result = predictionFor(frequency, *tube, nec2c);
        if (const auto *refused = std::get_if<QString>(&result)) {
            printError(QStringLiteral("tolvera: %1: %2\n").arg(frequency, *refused));
            status = 1;
            continue;
        }
        const auto &[calculated, prediction] = std::get<Predicted>(result);
        if (json) {
            all.append(toJson(prediction));
        } else {
            printOut((first ? QString() : QStringLiteral("\n")) + block(prediction, calculated.frequency));
            first = false;
        }
    }
    if (json)
        printOut(QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Compact)) + u'\n');
    return status;
}
