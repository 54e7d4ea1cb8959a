// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/trimlog.h"

#include "antenna/touchstone.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>

namespace antenna {

namespace {

QString sweepName(std::size_t i) { return QStringLiteral("cut-%1.s1p").arg(i + 1, 2, 10, QLatin1Char('0')); }

// A comment on one line, whatever was typed.
QString oneLine(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')); }

} // namespace

std::vector<double> TrimLog::resonances() const
{
    std::vector<double> r;
    for (const auto &k : kept)
        r.push_back(k.measurement.summary.best.mhz);
    return r;
}

std::optional<TrimFigure> TrimLog::measuredTrim() const
{
    // Least squares of the resonance against how much of A is cut by then.
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0, cutA = 0, totalA = 0, totalB = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        cutA += kept[i].cutA;
        if (i > 0) { // what the first sweep came after is no step of the log
            totalA += kept[i].cutA;
            totalB += kept[i].cutB;
        }
        const double y = kept[i].measurement.summary.best.mhz;
        n += 1;
        sx += cutA;
        sy += y;
        sxx += cutA * cutA;
        sxy += cutA * y;
    }
    const double spread = n * sxx - sx * sx;
    if (n < 2 || !(std::abs(spread) > 1e-9) || !(std::abs(totalA) > 1e-9))
        return std::nullopt;
    const double mhzPerMm = (n * sxy - sx * sy) / spread;
    if (!std::isfinite(mhzPerMm) || mhzPerMm == 0)
        return std::nullopt;
    return TrimFigure{mhzPerMm * 10, totalB / totalA};
}

QByteArray touchstoneOf(const OnePort &port, const QStringList &comments)
{
    QByteArray out;
    for (const auto &c : comments)
        out += "! " + oneLine(c).toUtf8() + '\n';
    out += "# Hz S RI R " + QByteArray::number(port.z0, 'g', 10) + '\n';
    for (const auto &p : port.points)
        out += QByteArray::number(std::llround(p.mhz * 1e6)) + ' ' + QByteArray::number(p.gamma.real(), 'g', 12) + ' '
               + QByteArray::number(p.gamma.imag(), 'g', 12) + '\n';
    return out;
}

std::optional<TrimLogError> saveTrimLog(const TrimLog &log, const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        return TrimLogError{TrimLogError::Kind::CannotWrite, folder, {}};
    auto write = [&](const QString &name, const QByteArray &bytes) -> std::optional<TrimLogError> {
        QSaveFile file(dir.filePath(name)); // whole, or not at all
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return TrimLogError{TrimLogError::Kind::CannotWrite, dir.filePath(name), file.errorString()};
        return std::nullopt;
    };
    QJsonArray cuts;
    for (std::size_t i = 0; i < log.kept.size(); ++i) {
        const auto &k = log.kept[i];
        const auto &origin = k.measurement.origin;
        QStringList comments{QStringLiteral("Tolvera " TOLVERA_VERSION " trim log, sweep %1").arg(i + 1),
                             QStringLiteral("time %1").arg(k.time.toString(Qt::ISODate))};
        if (origin.kind == Origin::Kind::Device)
            comments << QStringLiteral("device %1 %2 on %3").arg(origin.model, origin.version, origin.where);
        comments << QStringLiteral("cut A %1 mm, B %2 mm since the sweep before").arg(k.cutA).arg(k.cutB);
        if (!k.note.isEmpty())
            comments << QStringLiteral("note %1").arg(k.note);
        if (auto error = write(sweepName(i), touchstoneOf(k.measurement.data, comments)))
            return error;
        cuts.append(QJsonObject{
            {QStringLiteral("file"), sweepName(i)},
            {QStringLiteral("label"), k.measurement.label},
            {QStringLiteral("time"), k.time.toString(Qt::ISODateWithMs)},
            {QStringLiteral("cut_mm"), QJsonObject{{QStringLiteral("A"), k.cutA}, {QStringLiteral("B"), k.cutB}}},
            {QStringLiteral("note"), k.note},
            {QStringLiteral("model"), origin.model},
            {QStringLiteral("version"), origin.version},
            {QStringLiteral("port"), origin.kind == Origin::Kind::Device ? origin.where : QString()},
        });
    }
    const QJsonObject index{{QStringLiteral("tolvera_trim_log"), 1}, {QStringLiteral("cuts"), cuts}};
    return write(QString::fromLatin1(trimLogIndex), QJsonDocument(index).toJson());
}

std::variant<TrimLog, TrimLogError> openTrimLog(const QString &folder)
{
    const QDir dir(folder);
    const QString indexPath = dir.filePath(QString::fromLatin1(trimLogIndex));
    QFile file(indexPath);
    if (!file.open(QIODevice::ReadOnly))
        return TrimLogError{TrimLogError::Kind::NoIndex, indexPath, file.errorString()};
    QJsonParseError parsed;
    const auto document = QJsonDocument::fromJson(file.read(4 * 1024 * 1024), &parsed);
    const auto cuts = document.object().value(QStringLiteral("cuts"));
    if (parsed.error != QJsonParseError::NoError || !document.isObject() || !cuts.isArray()
        || document.object().value(QStringLiteral("tolvera_trim_log")).toInt() != 1)
        return TrimLogError{TrimLogError::Kind::BadIndex, indexPath, parsed.errorString()};
    TrimLog log;
    for (const auto &value : cuts.toArray()) {
        const auto cut = value.toObject();
        const QString name = cut.value(QStringLiteral("file")).toString();
        // Only the log's own sweeps, beside its index.
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.startsWith(QLatin1Char('.')))
            return TrimLogError{TrimLogError::Kind::BadIndex, indexPath, name};
        const auto read = readTouchstone(dir.filePath(name));
        if (const auto *error = std::get_if<TouchstoneError>(&read))
            return TrimLogError{TrimLogError::Kind::BadSweep, dir.filePath(name), QString::number(error->line)};
        KeptSweep k;
        k.time = QDateTime::fromString(cut.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
        k.cutA = cut.value(QStringLiteral("cut_mm")).toObject().value(QStringLiteral("A")).toDouble();
        k.cutB = cut.value(QStringLiteral("cut_mm")).toObject().value(QStringLiteral("B")).toDouble();
        k.note = cut.value(QStringLiteral("note")).toString();
        const QString port = cut.value(QStringLiteral("port")).toString();
        const QString label = cut.value(QStringLiteral("label")).toString();
        k.measurement = measurement(label.isEmpty() ? name : label,
                                    port.isEmpty() ? Origin{Origin::Kind::File, dir.filePath(name), {}, {}}
                                                   : Origin{Origin::Kind::Device, port,
                                                            cut.value(QStringLiteral("model")).toString(),
                                                            cut.value(QStringLiteral("version")).toString()},
                                    std::get<TouchstoneFile>(read).reflection);
        if (!std::isfinite(k.cutA) || !std::isfinite(k.cutB))
            return TrimLogError{TrimLogError::Kind::BadIndex, indexPath, name};
        log.kept.push_back(std::move(k));
    }
    return log;
}

} // namespace antenna
