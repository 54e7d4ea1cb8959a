// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "analyser/session.h"

#include <QDeadlineTimer>

#include <cmath>

namespace analyser {

namespace {

using Kind = Fault::Kind;

constexpr int probeMs = 2000; // a late prompt comes after 1.5 s
constexpr int mostPoints = 10'001;

// A line that says the other end is no NanoVNA shell: not its banner, nor
// the answers to a modem's probes.
bool foreign(QByteArrayView line)
{
    line = line.trimmed();
    return !line.isEmpty() && !line.endsWith("Shell") && !line.endsWith('?') && !line.startsWith("AT")
        && !line.startsWith("ch>");
}

// Which protocol answers. Both are asked at once: the shell ignores the NULs
// and answers the CR with its prompt, the V2 takes them for no-ops and
// answers the CR with '2'.
std::variant<Family, Fault> probe(detail::Link &link, const QString &port)
{
    link.in.clear();
    if (const auto failed = link.send(QByteArray(8, '\0') + '\r'))
        return detail::faultAt(port, *failed);
    QDeadlineTimer deadline(probeMs);
    QByteArray stranger;
    while (true) {
        if (link.in.contains("ch> "))
            return Family::TextShell;
        if (link.in == "2") {
            // Nothing after it: not the first byte of some line.
            if (const auto failed = link.readUntil([&] { return link.in.size() > 1; }, 50, 50)) {
                if (*failed != Kind::NoAnswer)
                    return detail::faultAt(port, *failed);
                return Family::Binary;
            }
            continue;
        }
        if (stranger.isEmpty()) {
            for (qsizetype start = 0, end; (end = link.in.indexOf('\n', start)) >= 0; start = end + 1) {
                if (foreign(link.in.sliced(start, end - start))) {
                    stranger = link.in.sliced(start, end - start).trimmed().left(80);
                    // A prompt may still follow what an interrupted command left.
                    deadline.setRemainingTime(std::min<qint64>(deadline.remainingTime(), 300));
                    break;
                }
            }
        }
        const auto size = link.in.size();
        const auto failed = link.readUntil([&] { return link.in.size() > size; }, int(deadline.remainingTime()),
                                           int(deadline.remainingTime()));
        if (failed == Kind::NoAnswer)
            break;
        if (failed)
            return detail::faultAt(port, *failed);
    }
    // A shell that never prompts does not answer; one that says something
    // else is some other device.
    if (!stranger.isEmpty())
        return detail::faultAt(port, Kind::NotAnalyser, QString::fromLatin1(stranger));
    return detail::faultAt(port, Kind::NoAnswer);
}

std::variant<std::unique_ptr<Analyser::Session>, Fault> open(const QString &port, const std::atomic_bool *cancel)
{
    auto line = detail::makePort();
    if (const auto refused = line->open(port))
        return detail::faultAt(port, *refused);
    auto link = std::make_unique<detail::Link>(std::move(line));
    link->watch(cancel);
    // Whatever it printed before we came: its banner, an interrupted answer.
    std::optional<Kind> failed = link->drain(50, 300);
    std::variant<Family, Fault> family = Family::TextShell;
    if (!failed)
        family = probe(*link, port);
    if (failed)
        return detail::faultAt(port, *failed);
    if (const auto *refused = std::get_if<Fault>(&family))
        return *refused;
    return std::get<Family>(family) == Family::TextShell ? detail::openShell(std::move(link), port)
                                                         : detail::openBinary(std::move(link), port);
}

// Which fault of the ports tried says most.
int weight(Kind kind)
{
    switch (kind) {
    case Kind::NoPermission: return 6;
    case Kind::Busy: return 5;
    case Kind::Bootloader: return 4;
    case Kind::NoAnswer: return 3;
    case Kind::NotAnalyser: return 2;
    case Kind::Cancelled: return 7;
    default: return 1;
    }
}

} // namespace

std::vector<PortInfo> ports() { return detail::listPorts(); }

std::variant<std::unique_ptr<Analyser>, Fault> Analyser::connect(const QString &port, const std::atomic_bool *cancel)
{
    std::vector<QString> tried;
    if (port == QLatin1String("auto")) {
        const auto present = ports();
        const bool known = std::any_of(present.begin(), present.end(), [](const PortInfo &p) { return p.byIds; });
        for (const auto &p : present) {
            if (p.byIds || !known)
                tried.push_back(p.port);
        }
    } else {
        tried.push_back(port);
    }
    Fault worst{Kind::CannotOpen, port, {}};
    for (const auto &name : tried) {
        auto opened = open(name, cancel);
        if (auto *session = std::get_if<std::unique_ptr<Session>>(&opened)) {
            (*session)->link->watch(nullptr);
            return std::unique_ptr<Analyser>(new Analyser(std::move(*session)));
        }
        auto fault = std::get<Fault>(opened);
        // Gone before it was named: as if it had never been there.
        if (fault.kind == Kind::Unplugged)
            fault.kind = Kind::CannotOpen;
        if (tried.size() == 1 || weight(fault.kind) > weight(worst.kind))
            worst = fault;
        if (fault.kind == Kind::Cancelled)
            break;
    }
    return worst;
}

Analyser::Analyser(std::unique_ptr<Session> session) : session_(std::move(session)) {}

Analyser::~Analyser() { session_->finish(); }

const Device &Analyser::device() const { return session_->device; }

void Analyser::cancel() { session_->link->cancel(); }

std::variant<antenna::OnePort, Fault> Analyser::sweep(double fromMhz, double toMhz, int points)
{
    auto &link = *session_->link;
    const auto done = [&](std::variant<antenna::OnePort, Fault> result) {
        link.cancelSeen(); // a cancel during this call ends with it
        return result;
    };
    if (link.cancelled())
        return done(session_->fault(Kind::Cancelled));
    if (!std::isfinite(fromMhz) || !std::isfinite(toMhz) || !(0 < fromMhz && fromMhz < toMhz) || points < 2 || points > mostPoints
        || toMhz > 1e5)
        return done(session_->fault(Kind::BadRequest));
    const qint64 start = std::llround(fromMhz * 1e6);
    const qint64 span = std::llround(toMhz * 1e6) - start;
    // Whole hertz a step: fewer would measure one frequency twice.
    if (span < points - 1)
        return done(session_->fault(Kind::BadRequest));
    const qint64 step = (span + (points - 1) / 2) / (points - 1);
    const detail::Grid grid{start, step, points};
    const auto [lowest, highest] = session_->rangeHz();
    if (grid.hz(0) < lowest || grid.hz(points - 1) > highest)
        return done(session_->fault(Kind::BadRequest));
    return done(session_->sweep(grid));
}

} // namespace analyser
