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

QJsonValue orNull(const std::optional<double> &v) { return v ? QJsonValue(*v) : QJsonValue(); }

QJsonObject installationJson(const antenna::Prediction &p)
{
    const auto &i = p.installation;
    const auto &b = p.asCut;
    return {
        {QStringLiteral("ground"), groundOption(i.ground)},
        {QStringLiteral("height_m"), i.height},
        {QStringLiteral("mast_mm"), orNull(i.mast)},
        {QStringLiteral("coax_mm"), orNull(i.coax)},
        {QStringLiteral("choke_ohm"), orNull(i.choke)},
        {QStringLiteral("choke_at_m"), i.chokeAt},
        {QStringLiteral("as_built"), QJsonObject{{QStringLiteral("A"), rounded(b.a, 2)},
                                                 {QStringLiteral("B"), rounded(b.b, 2)},
                                                 {QStringLiteral("C"), rounded(b.c, 2)},
                                                 {QStringLiteral("D"), rounded(b.d, 2)}}},
    };
}

QJsonValue currentJson(const std::optional<antenna::CurrentProfile> &c)
{
    if (!c)
        return {};
    QJsonArray profile;
    for (const auto &[below, fraction] : c->points)
        profile.append(QJsonArray{rounded(below, 3), rounded(fraction, 4)});
    return QJsonObject{{QStringLiteral("largest"), rounded(c->largest, 4)},
                       {QStringLiteral("at_m"), rounded(c->at, 3)},
                       {QStringLiteral("profile"), profile}};
}

QJsonValue groundPlaneJson(const std::optional<antenna::PatternFigures> &g)
{
    if (!g)
        return {};
    return QJsonObject{{QStringLiteral("gain_dbi"), rounded(g->strongestDbi, 2)},
                       {QStringLiteral("takeoff_deg"), rounded(g->takeoffDeg, 1)},
                       {QStringLiteral("gain_5deg_dbi"), rounded(g->at5Dbi, 2)}};
}

QJsonObject toJson(const antenna::Prediction &p)
{
    const auto figures = p.figures();
    const auto &free = p.freeSpace ? *p.freeSpace : p.feed;
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
        {QStringLiteral("installation"), installationJson(p)},
        {QStringLiteral("coax_current"), currentJson(p.coaxCurrent)},
        {QStringLiteral("mast_current"), currentJson(p.mastCurrent)},
        {QStringLiteral("takeoff_deg"), rounded(figures.takeoffDeg, 1)},
        {QStringLiteral("gain_5deg_dbi"), rounded(figures.at5Dbi, 2)},
        {QStringLiteral("free_space"), QJsonObject{{QStringLiteral("swr_at_f"), swrValue(free.swrAt(p.mhz))},
                                                   {QStringLiteral("best"), bestValue(free.summary())}}},
        {QStringLiteral("ground_plane"), groundPlaneJson(p.groundPlane)},
    };
}

QString block(const antenna::Prediction &p, const QString &frequency)
{
    const auto f = words::figures(p, frequency);
    QStringList lines{frequency + QStringLiteral(" MHz"), f.model, f.atF, f.lowest, f.band, f.gain};
    for (const auto &line : {f.elevation, f.groundPlane, f.freeSpace, f.coax, f.mast})
        if (!line.isEmpty())
            lines << line;
    lines << words::lengthRows(p);
    lines << f.trim;
    return lines.join(u'\n') + u'\n';
}

} // namespace

std::variant<Predicted, QString> predictionFor(const QString &frequency, double tube, const antenna::Solver &solver,
                                               const antenna::Installation &installation, const InstallationOptions &typed)
{
    calc::BoxTexts boxes(frequency);
    const auto outcome = calc::calculate(boxes);
    if (const auto message = calc::messageOf(outcome))
        return oneLine(message->prompt);
    const auto &calculated = std::get<calc::Calculated>(outcome);
    auto result = antenna::predict(antenna::JPole::of(calculated.lengths, tube), calculated.mhz, solver, {}, installation);
    if (const auto *problem = std::get_if<antenna::Problem>(&result)) {
        // An option of the installation too much for this frequency: named as typed.
        const auto option = words::optionOf(*problem);
        const std::optional<QString> value = option == u"--height"   ? typed.height
                                             : option == u"--mast"   ? typed.mast
                                             : option == u"--coax"   ? typed.coax
                                             : option == u"--choke"  ? typed.choke
                                             : option == u"--choke-at" ? typed.chokeAt
                                                                      : std::nullopt;
        if (value)
            return QStringLiteral("%1 %2: %3").arg(option, *value, words::problem(*problem));
        if (problem->kind == antenna::Problem::Kind::BadLengths && typed.asBuilt)
            return QStringLiteral("--as-built %1: %2").arg(*typed.asBuilt, words::problem(*problem));
        return words::problem(*problem);
    }
    return Predicted{calculated, std::get<antenna::Prediction>(std::move(result))};
}

int printPredictions(const QStringList &frequencies, const std::optional<QString> &tubeText,
                     const InstallationOptions &typed, bool json)
{
    const auto tube = tubeDiameter(tubeText);
    if (!tube)
        return 1;
    const auto installation = installationFrom(typed);
    if (const auto *wrong = std::get_if<QString>(&installation)) {
        printError(QStringLiteral("tolvera: %1\n").arg(*wrong));
        return 1;
    }
    const antenna::Nec2c nec2c;
    int status = 0;
    QJsonArray all;
    bool first = true;
    for (const auto &frequency : frequencies) {
        const auto result = predictionFor(frequency, *tube, nec2c, std::get<antenna::Installation>(installation), typed);
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
