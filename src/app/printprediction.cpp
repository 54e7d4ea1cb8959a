// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "printprediction.h"

#include "console.h"
#include "language.h"

#include "antenna/prediction.h"
#include "calc/calculation.h"
#include "runtime/conversion.h"
#include "runtime/format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

namespace {

double rounded(double v, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

// Infinite SWR (all reflected) has no JSON number: null.
QJsonValue swrValue(double swr) { return std::isfinite(swr) ? QJsonValue(rounded(swr, 3)) : QJsonValue(); }

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

QString impedance(std::complex<double> z)
{
    return QStringLiteral("%1 %2 j%3").arg(fixed(z.real(), 1), z.imag() < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                                           fixed(std::abs(z.imag()), 1));
}

QString swrText(double swr) { return std::isfinite(swr) ? fixed(swr, 2) : QStringLiteral("∞"); }

QJsonObject toJson(const antenna::Prediction &p)
{
    QJsonArray sweep;
    for (std::size_t i = 0; i < p.feed.size(); ++i)
        sweep.append(QJsonArray{rounded(p.feed[i].mhz, 6), rounded(p.feed[i].z.real(), 2),
                                rounded(p.feed[i].z.imag(), 2), swrValue(p.swr[i].swr)});
    const auto &band = p.summary.band2;
    const auto &c = p.corrected;
    return {
        {QStringLiteral("frequency_mhz"), p.mhz},
        {QStringLiteral("tube_mm"), p.asCut.tube},
        {QStringLiteral("sweep"), sweep},
        {QStringLiteral("swr_at_f"), swrValue(p.swrAtF)},
        {QStringLiteral("z_at_f"), QJsonArray{rounded(p.zAtF.real(), 2), rounded(p.zAtF.imag(), 2)}},
        {QStringLiteral("best"), QJsonObject{{QStringLiteral("mhz"), rounded(p.summary.best.mhz, 4)},
                                             {QStringLiteral("swr"), swrValue(p.summary.best.swr)}}},
        {QStringLiteral("swr2_band_mhz"),
         band ? QJsonValue(QJsonArray{rounded(band->first, 4), rounded(band->second, 4)}) : QJsonValue()},
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
    const auto &s = p.summary;
    const QString band = s.band2 ? QStringLiteral("%1 – %2 MHz").arg(fixed(s.band2->first, 3), fixed(s.band2->second, 3))
                                 : (chinese ? QStringLiteral("无") : QStringLiteral("none"));
    const QString beyond = s.bestAtEdge ? (chinese ? QStringLiteral("（扫频边缘，最低点在范围之外）")
                                                   : QStringLiteral(" (at the sweep's edge: the lowest lies beyond)"))
                                        : QString();
    const auto &c = p.corrected;
    const auto &a = p.asCut;
    QStringList lines;
    if (chinese) {
        lines << QStringLiteral("%1 MHz，管径 %2 毫米（NEC-2 模型，自由空间：未计地面、桅杆和电缆）")
                     .arg(frequency, rt::format00(a.tube))
              << QStringLiteral("f 处驻波比   %1，阻抗 %2 欧").arg(swrText(p.swrAtF), impedance(p.zAtF))
              << QStringLiteral("最低驻波比   %1，在 %2 MHz%3").arg(swrText(s.best.swr), fixed(s.best.mhz, 3), beyond)
              << QStringLiteral("驻波比≤2     %1").arg(band)
              << QStringLiteral("增益         %1 dBi（水平方向 %2 dBi）").arg(fixed(p.strongest.dbi, 2), fixed(p.horizonDbi, 2))
              << QStringLiteral("按管径修正（括号内为公式值）：");
    } else {
        lines << QStringLiteral("%1 MHz, tube %2 mm (NEC-2 model in free space: no ground, mast or coax)")
                     .arg(frequency, rt::format00(a.tube))
              << QStringLiteral("SWR at f     %1, Z = %2 ohm").arg(swrText(p.swrAtF), impedance(p.zAtF))
              << QStringLiteral("lowest SWR   %1 at %2 MHz%3").arg(swrText(s.best.swr), fixed(s.best.mhz, 3), beyond)
              << QStringLiteral("SWR <= 2     %1").arg(band)
              << QStringLiteral("gain         %1 dBi (%2 dBi at the horizon)").arg(fixed(p.strongest.dbi, 2), fixed(p.horizonDbi, 2))
              << QStringLiteral("corrected for the tube (the formula's in brackets):");
    }
    const QString unit = chinese ? QStringLiteral("毫米") : QStringLiteral("mm");
    const QStringList values{rt::format00(c.a), rt::format00(c.b), rt::format00(c.c), rt::format00(c.d),
                             rt::format00(p.correctedE())};
    const QStringList formula{rt::format00(a.a), rt::format00(a.b), rt::format00(a.c), rt::format00(a.d),
                              rt::format00(a.a + a.b + calc::allowance)};
    qsizetype width = 0;
    for (const auto &v : values)
        width = std::max(width, v.size());
    for (const auto &result : calc::results) {
        const auto i = calc::indexOf(result.letter);
        lines << QStringLiteral("%1  %2 %3  (%4)").arg(QLatin1Char(result.letter)).arg(values[i], int(width)).arg(unit, formula[i]);
    }
    lines << (chinese ? QStringLiteral("修剪：A 每剪短 10 毫米（B 按比例剪短），谐振频率升高 %1 MHz")
                      : QStringLiteral("trim: 10 mm off A (and B in proportion) raises the resonance by %1 MHz"))
                 .arg(fixed(p.mhzPer10mmOfA, 3));
    return lines.join(u'\n') + u'\n';
}

} // namespace

int printPredictions(const QStringList &frequencies, const std::optional<QString> &tubeText, bool json)
{
    const bool chinese = chineseLocale();
    double tube = antenna::defaultTube;
    if (tubeText) {
        bool ok = false;
        tube = QLocale::c().toDouble(rt::trim(*tubeText), &ok);
        if (!ok || !std::isfinite(tube) || tube <= 0) {
            printError(QStringLiteral("tolvera: --tube %1: %2\n")
                           .arg(*tubeText, antenna::Problem{antenna::Problem::Kind::BadTube, 0, {}}.text(chinese)));
            return 1;
        }
    }
    const antenna::Nec2c nec2c;
    int status = 0;
    QJsonArray all;
    bool first = true;
    for (const auto &frequency : frequencies) {
        calc::BoxTexts boxes(frequency);
        const auto outcome = calc::calculate(boxes);
        QString said;
        if (const auto message = calc::messageOf(outcome)) {
            said = message->prompt.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(u' ');
        } else {
            const auto f = rt::val(frequency).value;
            const auto j = antenna::asShown(std::get<calc::ResultTexts>(outcome), tube);
            const auto result = antenna::predict(j, f, nec2c);
            if (const auto *problem = std::get_if<antenna::Problem>(&result)) {
                said = problem->text(chinese);
            } else if (json) {
                all.append(toJson(std::get<antenna::Prediction>(result)));
            } else {
                printOut((first ? QString() : QStringLiteral("\n"))
                         + block(std::get<antenna::Prediction>(result), rt::trim(frequency), chinese));
                first = false;
            }
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
