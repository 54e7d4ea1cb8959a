// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "printmeasured.h"

#include "console.h"
#include "jsonnumbers.h"
#include "language.h"
#include "printprediction.h"
#include "tube.h"

#include "antenna/measurement.h"
#include "antenna/prediction.h"
#include "runtime/conversion.h"

#include <QJsonDocument>
#include <QJsonObject>

int printMeasured(const QString &file, const std::optional<QString> &frequency, const std::optional<QString> &tubeText,
                  bool json)
{
    const bool chinese = chineseLocale();
    const auto tube = tubeDiameter(tubeText, chinese);
    if (!tube)
        return 1;
    const auto read = antenna::readTouchstone(file);
    if (const auto *error = std::get_if<antenna::TouchstoneError>(&read)) {
        printError(QStringLiteral("tolvera: %1\n").arg(error->text(file, chinese)));
        return 1;
    }
    const auto m = antenna::measurement(file, std::get<antenna::Sweep1Port>(read));

    // With a frequency, the trim figure of the J calculated for it.
    std::optional<antenna::Prediction> prediction;
    double target = 0;
    QString refused;
    if (frequency) {
        auto result = predictionFor(*frequency, *tube, antenna::Nec2c(), chinese);
        if (const auto *why = std::get_if<QString>(&result)) {
            refused = *why;
        } else {
            target = rt::val(*frequency).value;
            prediction = std::get<antenna::Prediction>(std::move(result));
        }
    }

    const auto &s = m.summary;
    if (json) {
        QJsonObject o{
            {QStringLiteral("file"), file},
            {QStringLiteral("points"), qint64(m.sweep.swr.size())},
            {QStringLiteral("z0_ohm"), m.sweep.z0},
            {QStringLiteral("first_mhz"), m.sweep.swr.front().mhz},
            {QStringLiteral("last_mhz"), m.sweep.swr.back().mhz},
            {QStringLiteral("best"), bestValue(s)},
            {QStringLiteral("swr2_band_mhz"), bandValue(s)},
        };
        if (prediction) {
            const auto cut = antenna::cutFor(s.best.mhz, target, prediction->mhzPer10mmOfA,
                                             prediction->corrected.b / prediction->corrected.a);
            o.insert(QStringLiteral("target_mhz"), target);
            o.insert(QStringLiteral("cut_mm"), QJsonObject{{QStringLiteral("A"), rounded(cut.a, 1)},
                                                           {QStringLiteral("B"), rounded(cut.b, 1)}});
        }
        printOut(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n');
    } else {
        QStringList lines{(chinese ? QStringLiteral("%1：%2 个点，%3 – %4 MHz，参考阻抗 %5 欧")
                                   : QStringLiteral("%1: %2 points, %3 to %4 MHz, reference %5 ohm"))
                              .arg(file)
                              .arg(m.sweep.swr.size())
                              .arg(QString::number(m.sweep.swr.front().mhz, 'f', 3), QString::number(m.sweep.swr.back().mhz, 'f', 3),
                                   QString::number(m.sweep.z0, 'g', 10))};
        lines << antenna::measuredFigures(m, prediction ? &*prediction : nullptr, target, chinese).mid(0, prediction ? 3 : 2);
        printOut(lines.join(u'\n') + u'\n');
    }
    if (!refused.isEmpty()) {
        printError(QStringLiteral("tolvera: %1: %2\n").arg(*frequency, refused));
        return 1;
    }
    return 0;
}
