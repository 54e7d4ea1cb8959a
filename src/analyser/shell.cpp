// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// The text shell of the NanoVNA, -H and -H4: a command line that echoes
// every character and ends each answer with the prompt "ch> ".

#include "analyser/session.h"

#include <QVarLengthArray>

#include <cmath>

namespace analyser {

namespace {

using Kind = Fault::Kind;
using Points = std::vector<std::pair<qint64, std::complex<double>>>;

constexpr QByteArrayView prompt = "ch> ";
constexpr int echoMs = 2000; // a prompt may come 1.5 s late, and the next echo waits for it
constexpr int quietMs = 2500; // between the lines of an answer
constexpr double largest = 10; // |S11| beyond this is no measurement

// A scan measures every point before it prints one.
int scanQuietMs(int points) { return quietMs + 15 * points; }
int scanTotalMs(int points) { return scanQuietMs(points) + 2000 + 25 * points; }

struct ScanError
{
    Kind kind;
    QByteArray detail;
};

// A line without the prompts before it: what follows a prompt shares its line.
QByteArrayView content(QByteArrayView line)
{
    line = line.trimmed();
    while (line.startsWith("ch>"))
        line = line.sliced(3).trimmed();
    return line;
}

// The shell's answers to ModemManager's AT probes: "AT?", "AT+CGMI?".
bool noise(QByteArrayView line)
{
    return line.endsWith('?') || (line.size() >= 2 && (line[0] == 'A' || line[0] == 'a') && (line[1] == 'T' || line[1] == 't'));
}

using Fields = QVarLengthArray<QByteArrayView, 4>;

Fields split(QByteArrayView line)
{
    Fields fields;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const auto start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            fields.append(line.sliced(start, i - start));
    }
    return fields;
}

// 9 decimals, with a point or (a DiSlord menu setting) a comma.
std::optional<double> value(QByteArrayView field)
{
    QByteArray text = field.toByteArray();
    text.replace(',', '.');
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

std::optional<qint64> hertz(QByteArrayView field)
{
    if (field.isEmpty() || field.size() > 12)
        return std::nullopt;
    qint64 hz = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        hz = hz * 10 + (c - '0');
    }
    return hz;
}

std::variant<Points, ScanError> readScan(QByteArrayView reply, int points)
{
    Points out;
    out.reserve(std::clamp(points, 0, 1 << 16));
    // A line without its end is cut short: no point.
    for (qsizetype start = 0, end; (end = reply.indexOf('\n', start)) >= 0; start = end + 1) {
        const auto line = content(reply.sliced(start, end - start));
        if (line.isEmpty() || noise(line) || line.startsWith("scan"))
            continue;
        const auto fields = split(line);
        const auto hz = fields.size() == 3 ? hertz(fields[0]) : std::nullopt;
        const auto re = fields.size() == 3 ? value(fields[1]) : std::nullopt;
        const auto im = fields.size() == 3 ? value(fields[2]) : std::nullopt;
        if (!hz || !re || !im || std::abs(std::complex(*re, *im)) > largest)
            return ScanError{Kind::Garbled, line.toByteArray()};
        out.emplace_back(*hz, std::complex(*re, *im));
    }
    if (qsizetype(out.size()) != points)
        return ScanError{Kind::WrongCount, QByteArray::number(qsizetype(out.size()))};
    return out;
}

// The lines of an answer that say something.
std::vector<QByteArrayView> lines(QByteArrayView reply)
{
    std::vector<QByteArrayView> out;
    for (qsizetype start = 0; start < reply.size();) {
        auto end = reply.indexOf('\n', start);
        if (end < 0)
            end = reply.size();
        const auto line = content(reply.sliced(start, end - start));
        if (!line.isEmpty() && !noise(line))
            out.push_back(line);
        start = end + 1;
    }
    return out;
}

QString text(QByteArrayView bytes) { return QString::fromLatin1(bytes); }

class ShellSession final : public Analyser::Session
{
public:
    using Session::Session;

    // Sends a command and returns what it printed between its echo and the
    // next prompt; stale output before the echo is passed over.
    std::variant<QByteArray, Fault> command(const QByteArray &line, int quiet = quietMs, int total = 3 * quietMs,
                                            qsizetype most = 64 * 1024)
    {
        link->in.clear();
        if (const auto failed = link->send(line + '\r'))
            return lost(*failed);
        const QByteArray echo = line + "\r\n";
        qsizetype body = -1;
        auto echoed = [&] {
            body = link->in.indexOf(echo);
            return body >= 0;
        };
        if (const auto failed = link->readUntil(echoed, echoMs, echoMs))
            return lost(*failed);
        body += echo.size();
        qsizetype end = -1;
        qsizetype from = body;
        auto prompted = [&] {
            end = link->in.indexOf(prompt, from);
            from = std::max(body, link->in.size() - prompt.size());
            return end >= 0 || link->in.size() - body > most;
        };
        if (const auto failed = link->readUntil(prompted, quiet, total))
            return lost(*failed);
        if (end < 0) { // more than the answer can be, and still coming
            unsettled = true;
            return fault(Kind::Garbled, text(link->in.sliced(body, std::min<qsizetype>(80, link->in.size() - body))));
        }
        return link->in.sliced(body, end - body);
    }

    std::variant<antenna::OnePort, Fault> sweep(const detail::Grid &grid) override
    {
        if (unsettled) {
            if (const auto failed = settle())
                return *failed;
        }
        antenna::OnePort port;
        port.points.reserve(std::size_t(grid.points));
        for (const auto &[first, count] : detail::runs(grid.points, device.pointsPerScan)) {
            const qint64 start = grid.hz(first);
            const qint64 stop = grid.hz(first + count - 1);
            const QByteArray line = "scan " + QByteArray::number(start) + ' ' + QByteArray::number(stop) + ' '
                + QByteArray::number(count) + " 3";
            const auto reply = command(line, scanQuietMs(count), scanTotalMs(count), 200 + 80 * qsizetype(count));
            if (const auto *failed = std::get_if<Fault>(&reply))
                return *failed;
            const auto &body = std::get<QByteArray>(reply);
            // The device's own refusal: a range or a count it cannot sweep.
            for (const auto line : lines(body)) {
                if (line.startsWith("frequency range") || line.startsWith("sweep points"))
                    return given(fault(Kind::BadRequest, text(line)));
            }
            const auto scan = readScan(body, count);
            if (const auto *failed = std::get_if<ScanError>(&scan))
                return given(fault(failed->kind, text(failed->detail)));
            const auto &values = std::get<Points>(scan);
            for (int i = 0; i < count; ++i) {
                // A line of another sweep would put its value at the wrong frequency.
                if (values[std::size_t(i)].first != grid.hz(first + i))
                    return given(fault(Kind::Garbled, QString::number(values[std::size_t(i)].first)));
                port.points.push_back({double(values[std::size_t(i)].first) / 1e6, values[std::size_t(i)].second});
            }
        }
        resume();
        return port;
    }

    void finish() override
    {
        // Its screen stays frozen after a scan until it is told to go on.
        if (!link->gone())
            link->send("resume\r");
    }

    std::pair<qint64, qint64> rangeHz() const override
    {
        // The firmware counts in 32 bits; within that, it says what it cannot.
        return {10'000, 0xFFFF'FFFFLL};
    }

private:
    // A fault after which the device may still be talking.
    Fault lost(Kind kind)
    {
        unsettled = kind == Kind::NoAnswer || kind == Kind::Cancelled;
        return fault(kind);
    }

    // A fault of a scan answered in full: the device is ready for the next.
    Fault given(Fault f)
    {
        resume();
        return f;
    }

    void resume()
    {
        // Wait only for the echo: the prompt after it can be slow, and the
        // sweep is done.
        link->in.clear();
        if (link->send("resume\r"))
            return;
        link->readUntil([&] { return link->in.contains("resume\r\n"); }, 1000, 1000);
    }

    // Lets out the rest of an answer cut short: the shell reads nothing
    // while it prints, and answers a CR with a prompt once it is done.
    std::optional<Fault> settle()
    {
        link->in.clear();
        const int quiet = scanQuietMs(device.pointsPerScan);
        std::optional<Kind> failed = link->send("\r");
        if (!failed)
            failed = link->readUntil([&] { return link->in.contains(prompt); }, quiet, quiet + 30'000);
        if (failed)
            return lost(*failed);
        unsettled = false;
        return std::nullopt;
    }
};

} // namespace

namespace shell {

std::variant<std::vector<std::pair<qint64, std::complex<double>>>, Fault::Kind> parseScan(QByteArrayView reply, int points)
{
    auto scan = readScan(reply, points);
    if (const auto *failed = std::get_if<ScanError>(&scan))
        return failed->kind;
    return std::move(std::get<Points>(scan));
}

} // namespace shell

namespace detail {

Opened openShell(std::unique_ptr<Link> link, const QString &port)
{
    auto session = std::make_unique<ShellSession>(std::move(link), Device{port, Family::TextShell, {}, {}, 101, true});
    const auto info = session->command("info");
    if (const auto *failed = std::get_if<Fault>(&info))
        return *failed;
    // DiSlord's firmware says "Board: NanoVNA-H 4"; the others name
    // themselves on the first line.
    QString model, version, first;
    for (const auto line : lines(std::get<QByteArray>(info))) {
        if (first.isEmpty())
            first = text(line);
        if (line.startsWith("Board:"))
            model = text(line.sliced(6).trimmed());
        else if (line.startsWith("Version:"))
            version = text(line.sliced(8).trimmed());
    }
    if (model.isEmpty())
        model = first;
    // A tinySA has the same shell, and no VNA in its name.
    if (!model.contains(QLatin1String("VNA"), Qt::CaseInsensitive))
        return faultAt(port, Fault::Kind::NotAnalyser, model);
    if (version.isEmpty()) {
        const auto reply = session->command("version");
        if (const auto *failed = std::get_if<Fault>(&reply))
            return *failed;
        const auto said = lines(std::get<QByteArray>(reply));
        if (!said.empty())
            version = text(said.front());
    }
    session->device.model = model;
    session->device.version = version;
    // The H4's STM32F303 holds 401 points; the F072 of the others 101.
    if (model.contains(QLatin1String("H 4")) || model.contains(QLatin1String("H4")))
        session->device.pointsPerScan = 401;
    return session;
}

} // namespace detail

} // namespace analyser
