// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "analyser/link.h"

#include <QDeadlineTimer>

#include <algorithm>

namespace analyser::detail {

namespace {
constexpr int sliceMs = 20; // how soon a cancel is seen
constexpr int sendMs = 2000;
} // namespace

std::optional<Fault::Kind> Link::slice(int ms, bool &got)
{
    got = false;
    if (gone_)
        return Fault::Kind::Unplugged;
    if (cancelled())
        return Fault::Kind::Cancelled;
    const auto before = in.size();
    if (port_->read(in, std::clamp(ms, 0, sliceMs)) == Port::Io::Gone) {
        gone_ = true;
        return Fault::Kind::Unplugged;
    }
    got = in.size() > before;
    return std::nullopt;
}

std::optional<Fault::Kind> Link::send(QByteArrayView bytes)
{
    if (gone_)
        return Fault::Kind::Unplugged;
    const QDeadlineTimer deadline(sendMs);
    for (auto io = port_->write(bytes, sliceMs); io != Port::Io::Done; io = port_->write({}, sliceMs)) {
        if (io == Port::Io::Gone) {
            gone_ = true;
            return Fault::Kind::Unplugged;
        }
        // A pty whose other end has closed takes writes without complaint:
        // only a read tells.
        bool got;
        if (const auto fault = slice(0, got))
            return fault;
        if (deadline.hasExpired())
            return Fault::Kind::NoAnswer;
    }
    return cancelled() ? std::optional(Fault::Kind::Cancelled) : std::nullopt;
}

std::optional<Fault::Kind> Link::readUntil(const std::function<bool()> &done, int quietMs, int totalMs)
{
    const QDeadlineTimer total(totalMs);
    QDeadlineTimer quiet(quietMs);
    while (!done()) {
        if (total.hasExpired() || quiet.hasExpired())
            return Fault::Kind::NoAnswer;
        bool got;
        if (const auto fault = slice(int(std::min(total.remainingTime(), quiet.remainingTime())), got))
            return fault;
        if (got)
            quiet.setRemainingTime(quietMs);
    }
    return std::nullopt;
}

std::optional<Fault::Kind> Link::drain(int quietMs, int mostMs)
{
    port_->discardInput();
    in.clear();
    const QDeadlineTimer most(mostMs);
    QDeadlineTimer quiet(quietMs);
    while (!quiet.hasExpired() && !most.hasExpired()) {
        bool got;
        if (const auto fault = slice(int(quiet.remainingTime()), got))
            return fault;
        if (got)
            quiet.setRemainingTime(quietMs);
        in.clear();
    }
    return std::nullopt;
}

std::vector<std::pair<int, int>> runs(int points, int most)
{
    std::vector<std::pair<int, int>> out;
    const int n = (points + most - 1) / most;
    for (int i = 0, first = 0; i < n; ++i) {
        const int count = points / n + (i < points % n ? 1 : 0);
        out.emplace_back(first, count);
        first += count;
    }
    return out;
}

} // namespace analyser::detail
