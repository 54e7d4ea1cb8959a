// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/touchstone.h"

#include <QFile>
#include <QIODevice>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>

#include <cmath>
#include <complex>
#include <optional>

namespace antenna {

namespace {

constexpr qint64 longestLine = 64 * 1024;

struct Options
{
    double hertz = 1e9; // per unit of the file's frequencies
    enum class Format { MA, DB, RI } format = Format::MA;
    double z0 = 50;
};

QList<QByteArray> tokens(const QByteArray &line)
{
    QList<QByteArray> list;
    for (const auto &t : line.simplified().split(' '))
        if (!t.isEmpty())
            list << t;
    return list;
}

using Error = TouchstoneError;
using Kind = TouchstoneError::Kind;

std::variant<Options, Error> readOptions(const QList<QByteArray> &fields, qint64 line)
{
    Options o;
    bool unit = false, parameter = false, format = false, reference = false;
    auto twice = [&](bool &seen, const QByteArray &field) -> std::optional<Error> {
        if (seen)
            return Error{Kind::BadOptionLine, line, QString::fromLatin1(field)};
        seen = true;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto f = fields[i].toUpper();
        std::optional<Error> error;
        if (f == "HZ" || f == "KHZ" || f == "MHZ" || f == "GHZ") {
            error = twice(unit, f);
            o.hertz = f == "HZ" ? 1 : f == "KHZ" ? 1e3 : f == "MHZ" ? 1e6 : 1e9;
        } else if (f == "S" || f == "Y" || f == "Z" || f == "H" || f == "G") {
            error = twice(parameter, f);
            if (f != "S")
                return Error{Kind::NotS, line, QString::fromLatin1(fields[i])};
        } else if (f == "MA" || f == "DB" || f == "RI") {
            error = twice(format, f);
            o.format = f == "MA" ? Options::Format::MA : f == "DB" ? Options::Format::DB : Options::Format::RI;
        } else if (f == "R") {
            error = twice(reference, f);
            bool ok = false;
            o.z0 = i + 1 < fields.size() ? fields[++i].toDouble(&ok) : 0;
            if (!ok || !std::isfinite(o.z0) || o.z0 <= 0)
                return Error{Kind::BadOptionLine, line, QStringLiteral("R")};
        } else if (f.endsWith("HZ")) {
            return Error{Kind::UnknownUnit, line, QString::fromLatin1(fields[i])};
        } else {
            return Error{Kind::BadOptionLine, line, QString::fromLatin1(fields[i])};
        }
        if (error)
            return *error;
    }
    return o;
}

double reflection(const Options &o, double a, double b)
{
    switch (o.format) {
    case Options::Format::RI:
        return std::abs(std::complex(a, b));
    case Options::Format::DB:
        return std::pow(10.0, a / 20);
    case Options::Format::MA:
        break;
    }
    return std::abs(a);
}

int portsFromName(const QString &fileName)
{
    static const QRegularExpression snp(QStringLiteral("\\.s(\\d+)p$"), QRegularExpression::CaseInsensitiveOption);
    const auto match = snp.match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

std::variant<Sweep1Port, TouchstoneError> readTouchstone(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Error{Kind::Unreadable, 0, file.errorString()};
    return readTouchstone(file, fileName);
}

std::variant<Sweep1Port, TouchstoneError> readTouchstone(QIODevice &file, const QString &fileName)
{
    // Refused by its size before a byte is read.
    if (file.size() > largestTouchstone)
        return Error{Kind::TooLarge, 0, QString::number(file.size() / (1024 * 1024))};

    int ports = portsFromName(fileName);
    if (ports > 2)
        return Error{Kind::TooManyPorts, 0, {}};
    std::optional<Options> options;
    QList<QByteArray> optionFields;
    Sweep1Port sweep;
    qint64 number = 0;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(longestLine + 1);
        ++number;
        if (line.size() >= longestLine && !line.endsWith('\n'))
            return Error{Kind::LineTooLong, number, {}};
        for (char c : line) {
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n') || static_cast<unsigned char>(c) > 0x7e)
                return Error{Kind::NotText, number, {}};
        }
        if (const auto bang = line.indexOf('!'); bang >= 0)
            line.truncate(bang);
        const auto fields = tokens(line);
        if (fields.isEmpty())
            continue;
        if (fields.front().startsWith('#')) {
            auto rest = fields;
            rest.front().remove(0, 1);
            if (rest.front().isEmpty())
                rest.removeFirst();
            // Only the first option line counts; another that says otherwise contradicts it.
            if (options) {
                const auto again = readOptions(rest, number);
                const auto *o = std::get_if<Options>(&again);
                if (!o || o->hertz != options->hertz || o->format != options->format || o->z0 != options->z0)
                    return Error{Kind::BadOptionLine, number, QString::fromLatin1(line.trimmed())};
                continue;
            }
            auto read = readOptions(rest, number);
            if (const auto *error = std::get_if<Error>(&read))
                return *error;
            options = std::get<Options>(read);
            continue;
        }
        if (!options)
            return Error{Kind::NoOptionLine, number, {}};
        if (ports == 0) // a file without an .sNp name: 3 values a line is one port, 9 two
            ports = fields.size() == 9 ? 2 : 1;
        const qsizetype expected = 1 + 2 * ports * ports;
        std::vector<double> values;
        for (const auto &f : fields) {
            bool ok = false;
            const double v = f.toDouble(&ok);
            if (!ok || !std::isfinite(v))
                return Error{Kind::NotANumber, number, QString::fromLatin1(f)};
            values.push_back(v);
        }
        if (qsizetype(values.size()) != expected)
            return Error{Kind::WrongCount, number, QString::number(values.size())};
        const double mhz = values[0] * options->hertz / 1e6;
        if (!sweep.swr.empty() && !(mhz > sweep.swr.back().mhz))
            return Error{Kind::NotRising, number, QString::fromLatin1(fields[0])};
        sweep.swr.push_back({mhz, swrOfReflection(reflection(*options, values[1], values[2]))});
    }
    if (!options && sweep.swr.empty())
        return Error{Kind::NoOptionLine, 0, {}};
    if (sweep.swr.empty())
        return Error{Kind::NoData, 0, {}};
    sweep.z0 = options->z0;
    sweep.ports = ports;
    return sweep;
}

QString TouchstoneError::text(const QString &file, bool chinese) const
{
    const QString name = QFileInfo(file).fileName();
    const QString where = line > 0 ? (chinese ? QStringLiteral("%1 第 %2 行：").arg(name).arg(line)
                                              : QStringLiteral("%1, line %2: ").arg(name).arg(line))
                                   : (chinese ? QStringLiteral("%1：").arg(name) : QStringLiteral("%1: ").arg(name));
    QString what;
    switch (kind) {
    case Kind::Unreadable:
        what = chinese ? QStringLiteral("无法打开（%1）").arg(detail) : QStringLiteral("cannot be opened (%1)").arg(detail);
        break;
    case Kind::TooLarge:
        what = chinese ? QStringLiteral("文件太大（%1 MB），不像是分析仪的扫频文件").arg(detail)
                       : QStringLiteral("too large (%1 MB) for an analyser's sweep").arg(detail);
        break;
    case Kind::NotText:
        what = chinese ? QStringLiteral("不是文本文件") : QStringLiteral("not a text file");
        break;
    case Kind::LineTooLong:
        what = chinese ? QStringLiteral("这一行太长") : QStringLiteral("the line is too long");
        break;
    case Kind::NoOptionLine:
        what = chinese ? QStringLiteral("缺少选项行（# MHz S RI R 50 之类）")
                       : QStringLiteral("no option line (such as # MHz S RI R 50)");
        break;
    case Kind::BadOptionLine:
        what = chinese ? QStringLiteral("选项行有误：%1").arg(detail) : QStringLiteral("the option line is wrong: %1").arg(detail);
        break;
    case Kind::UnknownUnit:
        what = chinese ? QStringLiteral("Touchstone 没有频率单位 %1").arg(detail)
                       : QStringLiteral("Touchstone has no frequency unit %1").arg(detail);
        break;
    case Kind::NotS:
        what = chinese ? QStringLiteral("只能读取 S 参数，这里是 %1 参数").arg(detail)
                       : QStringLiteral("only S parameters are read, not %1").arg(detail);
        break;
    case Kind::NotANumber:
        what = chinese ? QStringLiteral("“%1”不是有效的数").arg(detail) : QStringLiteral("\"%1\" is not a number").arg(detail);
        break;
    case Kind::WrongCount:
        what = chinese ? QStringLiteral("有 %1 个数，应为频率加成对的数值").arg(detail)
                       : QStringLiteral("%1 values, not a frequency and whole pairs").arg(detail);
        break;
    case Kind::NotRising:
        what = chinese ? QStringLiteral("频率 %1 没有递增（重复或倒退）").arg(detail)
                       : QStringLiteral("frequency %1 does not rise (it repeats or goes back)").arg(detail);
        break;
    case Kind::NoData:
        what = chinese ? QStringLiteral("没有数据") : QStringLiteral("no data");
        break;
    case Kind::TooManyPorts:
        what = chinese ? QStringLiteral("只能读取 .s1p 和 .s2p 文件") : QStringLiteral("only .s1p and .s2p files are read");
        break;
    }
    return where + what;
}

} // namespace antenna
