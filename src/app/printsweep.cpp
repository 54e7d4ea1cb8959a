// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "printsweep.h"

#include "console.h"
#include "printmeasured.h"
#include "tube.h"

#include "analyser/analyser.h"
#include "antenna/prediction.h"
#include "antenna/trimlog.h"
#include "calc/calculation.h"
#include "words/words.h"

#include <QDateTime>
#include <QSaveFile>

namespace {

int fault(const analyser::Fault &f)
{
    printError(QStringLiteral("tolvera: %1\n").arg(words::analyserFault(f)));
    return 1;
}

} // namespace

int printSweep(const QString &port, const QString &frequency, const std::optional<QString> &pointsText,
               const std::optional<QString> &save, const std::optional<QString> &tube, bool json)
{
    if (!tubeDiameter(tube))
        return 1;
    // The band is the prediction's, around the frequency as the window reads it.
    calc::BoxTexts boxes(frequency);
    const auto outcome = calc::calculate(boxes);
    if (const auto message = calc::messageOf(outcome)) {
        printError(QStringLiteral("tolvera: %1: %2\n").arg(frequency, oneLine(message->prompt)));
        return 1;
    }
    const double mhz = std::get<calc::Calculated>(outcome).mhz;
    std::optional<int> points;
    if (pointsText) {
        bool ok = false;
        points = pointsText->toInt(&ok);
        if (!ok || *points < 2 || *points > 10001) {
            printError(QStringLiteral("tolvera: --points %1: %2\n").arg(*pointsText, Tolvera::tr("from 2 to 10001 points")));
            return 1;
        }
    }

    auto connected = analyser::Analyser::connect(port);
    if (const auto *f = std::get_if<analyser::Fault>(&connected))
        return fault(*f);
    auto &device = *std::get<std::unique_ptr<analyser::Analyser>>(connected);
    const auto band = antenna::bandAround(mhz);
    const auto swept = device.sweep(band.from, band.last(), points.value_or(device.device().pointsPerScan));
    if (const auto *f = std::get_if<analyser::Fault>(&swept))
        return fault(*f);
    const auto &d = device.device();
    const auto m = antenna::measurement(d.model, {antenna::Origin::Kind::Device, d.port, d.model, d.version},
                                        std::get<antenna::OnePort>(swept));
    if (save) {
        QSaveFile file(*save);
        const auto bytes = antenna::touchstoneOf(
            m.data, {QStringLiteral("Tolvera " TOLVERA_VERSION), QStringLiteral("device %1 %2 on %3").arg(d.model, d.version, d.port),
                     QStringLiteral("time %1").arg(QDateTime::currentDateTime().toString(Qt::ISODate))});
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            printError(QStringLiteral("tolvera: %1: %2\n").arg(*save, file.errorString()));
            return 1;
        }
    }
    if (!d.calibrated && !json)
        printError(QStringLiteral("tolvera: %1: %2\n").arg(d.port, words::uncalibrated()));
    return printMeasurement(m, frequency, tube, json);
}
