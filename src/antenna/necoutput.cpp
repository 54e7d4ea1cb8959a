// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/necoutput.h"

#include <QList>
#include <QVarLengthArray>

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

std::optional<int> integer(QByteArrayView token)
{
    bool ok = false;
    const int v = token.toInt(&ok);
    return ok ? std::optional(v) : std::nullopt;
}

// A line's words; kept on the stack, as nec2c's lines have a dozen or so
// and a long output has thousands.
QVarLengthArray<QByteArrayView, 16> tokens(QByteArrayView line)
{
    QVarLengthArray<QByteArrayView, 16> list;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const auto start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            list.append(line.sliced(start, i - start));
    }
    return list;
}

Problem garbled(qsizetype line, const char *what) { return Problem::garbled(line, QString::fromLatin1(what)); }

} // namespace

std::variant<Solution, Problem> readNecOutput(QByteArrayView text, const Structure &structure, const Request &request)
{
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < text.size();) {
        auto end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        lines << text.sliced(start, end - start);
        start = end + 1;
    }
    const int feedSegment = structure.absoluteSegment(structure.feed());
    const int segments = structure.segments();

    Solution out;
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
            // Two lines of headings, then a line a source: tag, segment,
            // voltage, current, impedance, admittance and power.
            if (i + 3 >= lines.size())
                return garbled(i + 1, "input parameters cut off");
            bool found = false;
            for (i += 3; i < lines.size() && !tokens(lines[i]).isEmpty(); ++i) {
                const auto t = tokens(lines[i]);
                if (t.size() < 8)
                    return garbled(i + 1, "input parameters cut short");
                const auto tag = integer(t[0]), segment = integer(t[1]);
                const auto r = number(t[6]), x = number(t[7]);
                if (!tag || !segment || !r || !x)
                    return garbled(i + 1, "an impedance that is no number");
                if (!mhz)
                    return garbled(i + 1, "input parameters without a frequency");
                if (*tag == structure.feed().tag && *segment == feedSegment && !found) {
                    out.feed.push_back({*mhz, {*r, *x}});
                    found = true;
                }
            }
            if (!found)
                return garbled(i, "no input parameters at the source");
        } else if (line.contains("CURRENTS AND LOCATION")) {
            // Four lines of headings, then a line a segment: number, tag,
            // centre, length, and the current's parts.
            std::vector<SegmentCurrent> currents;
            int first = 1; // the first segment of the current wire
            int tag = 1;
            for (i += 5; i < lines.size() && int(currents.size()) < segments; ++i) {
                const auto t = tokens(lines[i]);
                const auto number1 = t.size() >= 8 ? integer(t[0]) : std::nullopt;
                const auto tag1 = number1 ? integer(t[1]) : std::nullopt;
                const auto re = tag1 ? number(t[6]) : std::nullopt;
                const auto im = re ? number(t[7]) : std::nullopt;
                if (!im || *number1 != int(currents.size()) + 1)
                    return garbled(i + 1, "a current that is no number");
                while (tag <= int(structure.wires().size()) && *number1 >= first + structure.wire(tag).segments)
                    first += structure.wire(tag++).segments;
                if (*tag1 != tag || tag > int(structure.wires().size()))
                    return garbled(i + 1, "a current on a wire there is not");
                const SegmentRef ref{tag, *number1 - first + 1};
                currents.push_back({ref, structure.wire(tag).segmentCentre(ref.segment), {*re, *im}});
            }
            if (int(currents.size()) != segments)
                return garbled(i, "not every segment's current");
            --i;
            out.currents.push_back(std::move(currents));
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
    const int frequencies = request.frequencies.points;
    if (int(out.feed.size()) != frequencies)
        return garbled(lines.size(), "not every frequency asked for");
    if (int(out.currents.size()) != (request.currents ? frequencies : 0))
        return garbled(lines.size(), "not every frequency's currents");
    if (int(out.pattern.size()) != (request.pattern ? request.pattern->count() : 0))
        return garbled(lines.size(), "not every direction asked for");
    return out;
}

} // namespace antenna
