// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/necoutput.h"

#include <QByteArray>
#include <QList>

#include <cmath>
#include <optional>

namespace antenna {

namespace {

std::optional<double> number(QByteArrayView token)
{
    bool ok = false;
    const double v = token.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QList<QByteArrayView> tokens(QByteArrayView line)
{
    QList<QByteArrayView> list;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const auto start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            list << line.sliced(start, i - start);
    }
    return list;
}

Problem garbled(qsizetype line, const char *what)
{
    return {Problem::Kind::Nec2cGarbled, double(line), QString::fromLatin1(what)};
}

} // namespace

std::variant<NecOutput, Problem> readNecOutput(QByteArrayView text, int frequencies, int directions)
{
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < text.size();) {
        auto end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        lines << text.sliced(start, end - start);
        start = end + 1;
    }

    NecOutput out;
    std::optional<double> mhz;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto line = lines[i];
        if (line.contains("FREQUENCY :") || line.contains("FREQUENCY=")) {
            const auto t = tokens(line);
            const auto at = t.indexOf(QByteArrayView("MHz"));
            mhz = at > 0 ? number(t[at - 1]) : std::nullopt;
            if (!mhz)
                return garbled(i + 1, "a frequency that is no number");
        } else if (line.contains("ANTENNA INPUT PARAMETERS")) {
            // Two lines of headings, then tag, segment, voltage, current,
            // impedance, admittance and power.
            if (i + 3 >= lines.size())
                return garbled(i + 1, "input parameters cut off");
            i += 3;
            const auto t = tokens(lines[i]);
            if (t.size() < 8)
                return garbled(i + 1, "input parameters cut short");
            const auto r = number(t[6]);
            const auto x = number(t[7]);
            if (!r || !x)
                return garbled(i + 1, "an impedance that is no number");
            if (!mhz)
                return garbled(i + 1, "input parameters without a frequency");
            out.feed.push_back({*mhz, {*r, *x}});
        } else if (line.contains("RADIATION PATTERNS")) {
            // Four lines of headings, then a line a direction up to a blank one.
            for (i += 5; i < lines.size() && !tokens(lines[i]).isEmpty(); ++i) {
                const auto t = tokens(lines[i]);
                const auto theta = t.size() > 4 ? number(t[0]) : std::nullopt;
                const auto phi = theta ? number(t[1]) : std::nullopt;
                const auto total = phi ? number(t[4]) : std::nullopt;
                if (!total)
                    return garbled(i + 1, "a gain that is no number");
                out.pattern.push_back({*theta, *phi, *total});
            }
        }
    }
    if (int(out.feed.size()) != frequencies)
        return garbled(lines.size(), "not every frequency asked for");
    if (int(out.pattern.size()) != directions)
        return garbled(lines.size(), "not every direction asked for");
    return out;
}

} // namespace antenna
