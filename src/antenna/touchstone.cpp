// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/touchstone.h"

#include <QByteArrayView>
#include <QFile>
#include <QIODevice>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace antenna {

namespace {

constexpr qint64 longestLine = 64 * 1024;

using Error = TouchstoneError;
using Kind = TouchstoneError::Kind;
using Parameter = TouchstoneFile::Parameter;

struct Options
{
    double hertz = 1e9; // per unit of the file's frequencies
    enum class Format { MA, DB, RI } format = Format::MA;
    Parameter parameter = Parameter::S;
    double z0 = 50;

    friend bool operator==(const Options &, const Options &) = default;
};

// A line's fields, split at blanks, without a copy.
using Fields = QVarLengthArray<QByteArrayView, 20>;

void split(QByteArrayView line, Fields &fields)
{
    fields.clear();
    qsizetype i = 0;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    while (i < line.size()) {
        while (i < line.size() && blank(line[i]))
            ++i;
        const auto start = i;
        while (i < line.size() && !blank(line[i]))
            ++i;
        if (i > start)
            fields.append(line.sliced(start, i - start));
    }
}

bool is(QByteArrayView field, const char *word) { return qstrnicmp(field.data(), field.size(), word) == 0; }

QString text(QByteArrayView field) { return QString::fromLatin1(field); }

std::optional<double> finite(QByteArrayView field)
{
    bool ok = false;
    const double v = field.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

std::variant<Options, Error> readOptions(const Fields &fields, qint64 line)
{
    Options o;
    bool unit = false, parameter = false, format = false, reference = false;
    auto twice = [&](bool &seen, QByteArrayView field) -> std::optional<Error> {
        if (seen)
            return Error{Kind::BadOptionLine, line, text(field)};
        seen = true;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < fields.size(); ++i) {
        auto f = fields[i];
        if (i == 0) { // "#", or "#Hz" run together
            f = f.sliced(1);
            if (f.isEmpty())
                continue;
        }
        std::optional<Error> error;
        if (is(f, "HZ") || is(f, "KHZ") || is(f, "MHZ") || is(f, "GHZ")) {
            error = twice(unit, f);
            o.hertz = is(f, "HZ") ? 1 : is(f, "KHZ") ? 1e3 : is(f, "MHZ") ? 1e6 : 1e9;
        } else if (is(f, "S") || is(f, "Y") || is(f, "Z") || is(f, "H") || is(f, "G")) {
            error = twice(parameter, f);
            if (is(f, "H") || is(f, "G"))
                return Error{Kind::NotS, line, text(f)};
            o.parameter = is(f, "S") ? Parameter::S : is(f, "Y") ? Parameter::Y : Parameter::Z;
        } else if (is(f, "MA") || is(f, "DB") || is(f, "RI")) {
            error = twice(format, f);
            o.format = is(f, "MA") ? Options::Format::MA : is(f, "DB") ? Options::Format::DB : Options::Format::RI;
        } else if (is(f, "R")) {
            error = twice(reference, f);
            const auto z0 = i + 1 < fields.size() ? finite(fields[++i]) : std::nullopt;
            if (!z0 || *z0 <= 0)
                return Error{Kind::BadOptionLine, line, QStringLiteral("R")};
            o.z0 = *z0;
        } else if (f.size() > 2 && is(f.sliced(f.size() - 2), "HZ")) {
            return Error{Kind::UnknownUnit, line, text(f)};
        } else {
            return Error{Kind::BadOptionLine, line, text(f)};
        }
        if (error)
            return *error;
    }
    return o;
}

// A pair of values as a complex number.
std::complex<double> value(const Options &o, double a, double b)
{
    switch (o.format) {
    case Options::Format::RI:
        return {a, b};
    case Options::Format::DB:
        a = std::pow(10.0, a / 20);
        break;
    case Options::Format::MA:
        break;
    }
    const double angle = b * std::numbers::pi / 180;
    return {a * std::cos(angle), a * std::sin(angle)};
}

// The reflection against z0 of what the file gives: version 1 writes Y and
// Z normalised to the reference, version 2 in siemens and ohms.
std::complex<double> reflection(Parameter parameter, bool normalised, double z0, std::complex<double> v)
{
    const double scale = normalised ? 1 : z0;
    switch (parameter) {
    case Parameter::S:
        return v;
    case Parameter::Z:
        v /= scale;
        return (v - 1.0) / (v + 1.0);
    case Parameter::Y:
        v *= scale;
        return (1.0 - v) / (1.0 + v);
    }
    return v;
}

int portsFromName(const QString &fileName)
{
    // ".s<digits>p" at the end, in either case
    const auto dot = fileName.lastIndexOf(u'.');
    const QStringView ext = dot < 0 ? QStringView() : QStringView(fileName).sliced(dot + 1);
    if (ext.size() < 3 || ext.front().toLower() != u's' || ext.back().toLower() != u'p')
        return 0;
    const auto digits = ext.sliced(1, ext.size() - 2);
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return 0;
    bool ok = false;
    const int ports = digits.toInt(&ok);
    return ok ? ports : 0;
}

// Printable ASCII, and in a comment UTF-8 too: a note in the builder's
// own language, as this program writes it.
bool isText(QByteArrayView line)
{
    bool comment = false;
    for (const char c : line) {
        const auto u = static_cast<unsigned char>(c);
        comment = comment || c == '!';
        if ((u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7f || (u > 0x7f && !comment))
            return false;
    }
    return true;
}

// Reads the lines of a file, one state for version 1 and 2.0 alike.
class Reader
{
public:
    explicit Reader(int portsByName) : ports(portsByName) {}

    std::optional<Error> line(QByteArrayView whole, qint64 number);
    std::variant<TouchstoneFile, TouchstoneError> finish();

private:
    std::optional<Error> keyword(QByteArrayView name, const Fields &arguments, qint64 number);
    std::optional<Error> data(const Fields &fields, qint64 number);

    TouchstoneFile file;
    std::optional<Options> options;
    Fields fields;
    int ports = 0;
    int pairsPerLine = 0; // for two ports: 4, or 3 in a lower or upper matrix
    bool version2 = false, portsGiven = false, inData = false, inNoise = false, inInformation = false, ended = false;
    int referencesLeft = 0;
    std::optional<double> reference;
    std::optional<qint64> frequencies;
};

std::optional<Error> Reader::line(QByteArrayView whole, qint64 number)
{
    if (whole.size() >= longestLine)
        return Error{Kind::LineTooLong, number, {}};
    if (!isText(whole))
        return Error{Kind::NotText, number, {}};
    if (ended)
        return std::nullopt;
    const auto bang = whole.indexOf('!');
    split(bang >= 0 ? whole.first(bang) : whole, fields);
    if (fields.isEmpty())
        return std::nullopt;
    const auto first = fields.front();
    if (first.startsWith('[')) {
        // The keyword runs to its bracket, blanks and all.
        const auto line = bang >= 0 ? whole.first(bang) : whole;
        const auto open = line.indexOf('[');
        const auto close = line.indexOf(']', open);
        if (close < 0)
            return Error{Kind::BadKeyword, number, text(line.trimmed())};
        Fields arguments;
        split(line.sliced(close + 1), arguments);
        return keyword(line.sliced(open + 1, close - open - 1).trimmed(), arguments, number);
    }
    if (inInformation)
        return std::nullopt;
    if (referencesLeft > 0) { // [Reference] may go on over lines
        if (!reference) {
            reference = finite(first);
            if (!reference || *reference <= 0)
                return Error{Kind::BadKeyword, number, QStringLiteral("[Reference]")};
        }
        referencesLeft -= int(fields.size());
        return std::nullopt;
    }
    if (first.startsWith('#')) {
        auto read = readOptions(fields, number);
        if (const auto *error = std::get_if<Error>(&read))
            return *error;
        // Only the first option line counts; another that says otherwise contradicts it.
        if (options && std::get<Options>(read) != *options)
            return Error{Kind::BadOptionLine, number, text(whole.trimmed())};
        options = std::get<Options>(read);
        return std::nullopt;
    }
    return data(fields, number);
}

std::optional<Error> Reader::keyword(QByteArrayView name, const Fields &arguments, qint64 number)
{
    const auto bad = Error{Kind::BadKeyword, number, QStringLiteral("[%1]").arg(text(name))};
    if (is(name, "Version")) {
        // Before anything else: a file of version 1 has no keywords.
        if (version2 || options || !file.reflection.points.empty())
            return bad;
        if (arguments.size() != 1 || !(is(arguments[0], "2.0") || is(arguments[0], "2")))
            return Error{Kind::BadVersion, number, arguments.isEmpty() ? QString() : text(arguments[0])};
        version2 = true;
        return std::nullopt;
    }
    if (!version2)
        return bad;
    if (is(name, "End Information")) {
        inInformation = false;
        return std::nullopt;
    }
    if (inInformation)
        return std::nullopt;
    if (is(name, "Begin Information")) {
        inInformation = true;
    } else if (is(name, "Number of Ports")) {
        bool ok = false;
        const int n = arguments.size() == 1 ? arguments[0].toInt(&ok) : 0;
        if (!ok || n < 1)
            return bad;
        if (n > 2)
            return Error{Kind::TooManyPorts, number, QString::number(n)};
        ports = n;
        portsGiven = true;
    } else if (is(name, "Two-Port Data Order")) {
        // S11 comes first either way.
        if (ports != 2 || arguments.size() != 1 || !(is(arguments[0], "12_21") || is(arguments[0], "21_12")))
            return bad;
    } else if (is(name, "Number of Frequencies")) {
        bool ok = false;
        const qint64 n = arguments.size() == 1 ? arguments[0].toLongLong(&ok) : 0;
        if (!ok || n < 1)
            return bad;
        frequencies = n;
    } else if (is(name, "Number of Noise Frequencies")) {
    } else if (is(name, "Reference")) {
        const auto z0 = arguments.isEmpty() ? std::nullopt : finite(arguments[0]);
        if (!portsGiven || (!arguments.isEmpty() && (!z0 || *z0 <= 0)))
            return bad;
        reference = z0;
        referencesLeft = ports - int(arguments.size());
        if (!z0) // on the next line
            referencesLeft = ports;
    } else if (is(name, "Matrix Format")) {
        if (arguments.size() != 1)
            return bad;
        if (is(arguments[0], "Lower") || is(arguments[0], "Upper"))
            pairsPerLine = ports == 2 ? 3 : 1;
        else if (!is(arguments[0], "Full"))
            return bad;
    } else if (is(name, "Network Data")) {
        if (!portsGiven || !options)
            return Error{portsGiven ? Kind::NoOptionLine : Kind::BadKeyword, number,
                         portsGiven ? QString() : QStringLiteral("[Number of Ports]")};
        inData = true;
    } else if (is(name, "Noise Data")) {
        inData = false;
        inNoise = true;
    } else if (is(name, "End")) {
        ended = true;
    } else {
        return bad; // [Mixed-Mode Order] too: no analyser of one port writes it
    }
    return std::nullopt;
}

std::optional<Error> Reader::data(const Fields &fields, qint64 number)
{
    if (!options)
        return Error{Kind::NoOptionLine, number, {}};
    if (version2 && !inData) { // noise data, which is not ours, or data before its keyword
        if (inNoise)
            return std::nullopt;
        return Error{Kind::BadKeyword, number, QStringLiteral("[Network Data]")};
    }
    if (ports == 0) // a file without an .sNp name: 3 values a line is one port, 9 two
        ports = fields.size() == 9 ? 2 : 1;
    if (pairsPerLine == 0)
        pairsPerLine = ports * ports;
    const qsizetype expected = 1 + 2 * pairsPerLine;
    double values[3] = {};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto v = finite(fields[i]);
        if (!v)
            return Error{Kind::NotANumber, number, text(fields[i])};
        if (i < 3)
            values[i] = *v;
    }
    if (fields.size() != expected)
        return Error{Kind::WrongCount, number, QString::number(fields.size())};
    const double mhz = values[0] * options->hertz / 1e6;
    auto &points = file.reflection.points;
    if (!points.empty() && !(mhz > points.back().mhz))
        return Error{Kind::NotRising, number, text(fields[0])};
    const double z0 = reference.value_or(options->z0);
    points.push_back({mhz, reflection(options->parameter, !version2, z0, value(*options, values[1], values[2]))});
    return std::nullopt;
}

std::variant<TouchstoneFile, TouchstoneError> Reader::finish()
{
    if (!options && file.reflection.points.empty())
        return Error{Kind::NoOptionLine, 0, {}};
    if (version2 && !portsGiven)
        return Error{Kind::BadKeyword, 0, QStringLiteral("[Number of Ports]")};
    if (file.reflection.points.empty())
        return Error{Kind::NoData, 0, {}};
    if (frequencies && *frequencies != qint64(file.reflection.points.size()))
        return Error{Kind::WrongFrequencyCount, 0, QString::number(file.reflection.points.size())};
    file.reflection.z0 = reference.value_or(options->z0);
    file.ports = ports;
    file.version = version2 ? 2 : 1;
    file.parameter = options->parameter;
    return file;
}

} // namespace

std::variant<TouchstoneFile, TouchstoneError> readTouchstone(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Error{Kind::Unreadable, 0, file.errorString()};
    return readTouchstone(file, fileName);
}

std::variant<TouchstoneFile, TouchstoneError> readTouchstone(QIODevice &file, const QString &fileName)
{
    // Refused by its size before a byte is read; then read at once, and
    // its lines taken where they lie.
    if (file.size() > largestTouchstone)
        return Error{Kind::TooLarge, 0, QString::number(file.size() / (1024 * 1024))};
    const int named = portsFromName(fileName);
    if (named > 2)
        return Error{Kind::TooManyPorts, 0, {}};
    // Asked for by the size it has (a read of the largest size would
    // allocate all of it), then on to the end: it may have grown, or be a
    // pipe of no size.
    QByteArray bytes;
    for (qint64 ask = file.isSequential() ? 65536 : file.size() - file.pos() + 1;; ask = 65536) {
        const auto more = file.read(std::min(ask, largestTouchstone + 1 - bytes.size()));
        bytes += more;
        if (more.isEmpty() || bytes.size() > largestTouchstone || (!file.isSequential() && file.atEnd()))
            break;
    }
    if (bytes.size() > largestTouchstone)
        return Error{Kind::TooLarge, 0, QString::number(bytes.size() / (1024 * 1024))};

    Reader reader(named);
    qint64 number = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        auto end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (auto error = reader.line(QByteArrayView(bytes).sliced(start, end - start), ++number))
            return *error;
        start = end + 1;
    }
    return reader.finish();
}

} // namespace antenna
