// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "printprediction.h"

#include "console.h"
#include "jsonnumbers.h"
#include "language.h"
#include "tube.h"

#include "antenna/prediction.h"
#include "antenna/report.h"
#include "calc/calculation.h"
#include "runtime/conversion.h"
#include "runtime/format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

QJsonObject toJson(const antenna::Prediction &p)
{
    QJsonArray sweep;
    for (std::size_t i = 0; i < p.feed.size(); ++i)
        sweep.append(QJsonArray{rounded(p.feed[i].mhz, 6), rounded(p.feed[i].z.real(), 2),
                                rounded(p.feed[i].z.imag(), 2), swrValue(p.swr[i].swr)});
    const auto &c = p.corrected;
    return {
        {QStringLiteral("frequency_mhz"), p.mhz},
        {QStringLiteral("tube_mm"), p.asCut.tube},
        {QStringLiteral("sweep"), sweep},
        {QStringLiteral("swr_at_f"), swrValue(p.swrAtF)},
        {QStringLiteral("z_at_f"), QJsonArray{rounded(p.zAtF.real(), 2), rounded(p.zAtF.imag(), 2)}},
        {QStringLiteral("best"), bestValue(p.summary)},
        {QStringLiteral("swr2_band_mhz"), bandValue(p.summary)},
        {QStringLiteral("gain_dbi"), rounded(p.strongest.dbi, 2)},
        {QStringLiteral("corrected"), QJsonObject{{QStringLiteral("A"), rounded(c.a, 2)},
                                                  {QStringLiteral("B"), rounded(c.b, 2)},
                                                  {QStringLiteral("C"), rounded(c.c, 2)},
                                                  {QStringLiteral("D"), rounded(c.d, 2)},
                                                  {QStringLiteral("E"), rounded(p.correctedE(), 2)}}},
        {QStringLiteral("mhz_per_10mm_of_A"), rounded(p.mhzPer10mmOfA, 4)},
    };
}

QString block(const antenna::Prediction &p, const QString &frequency, bool chinese)
{
    const auto f = antenna::figures(p, frequency, chinese);
    QStringList lines{frequency + QStringLiteral(" MHz"), f.model, f.atF, f.lowest, f.band, f.gain};
    lines << antenna::lengthRows(p, chinese);
    lines << f.trim;
    return lines.join(u'\n') + u'\n';
}

} // namespace

std::variant<antenna::Prediction, QString> predictionFor(const QString &frequency, double tube,
                                                         const antenna::Nec2c &nec2c, bool chinese)
{
    calc::BoxTexts boxes(frequency);
    const auto outcome = calc::calculate(boxes);
    if (const auto message = calc::messageOf(outcome))
        return oneLine(message->prompt);
    const auto j = antenna::asShown(std::get<calc::ResultTexts>(outcome), tube);
    auto result = antenna::predict(j, rt::val(frequency).value, nec2c);
    if (const auto *problem = std::get_if<antenna::Problem>(&result))
        return problem->text(chinese);
    return std::get<antenna::Prediction>(std::move(result));
}

int printPredictions(const QStringList &frequencies, const std::optional<QString> &tubeText, bool json)
{
    const bool chinese = chineseLocale();
    const auto tube = tubeDiameter(tubeText, chinese);
    if (!tube)
        return 1;
    const antenna::Nec2c nec2c;
    int status = 0;
    QJsonArray all;
    bool first = true;
    for (const auto &frequency : frequencies) {
        const auto result = predictionFor(frequency, *tube, nec2c, chinese);
        QString said;
        if (const auto *refused = std::get_if<QString>(&result)) {
            said = *refused;
        } else if (json) {
            all.append(toJson(std::get<antenna::Prediction>(result)));
        } else {
            printOut((first ? QString() : QStringLiteral("\n"))
                     + block(std::get<antenna::Prediction>(result), rt::trim(frequency), chinese));
            first = false;
        }
        if (!said.isEmpty()) {
            printError(QStringLiteral("tolvera: %1: %2\n").arg(frequency, said));
            status = 1;
        }
    }
    if (json)
        printOut(QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Compact)) + u'\n');
    return status;
}
