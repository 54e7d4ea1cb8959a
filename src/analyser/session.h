// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "analyser/link.h"

namespace analyser {

// One protocol spoken on an open link.
class Analyser::Session
{
public:
    Session(std::unique_ptr<detail::Link> link, Device device) : link(std::move(link)), device(std::move(device)) {}
    virtual ~Session() = default;

    // Sweeps the grid, already checked against the family's range.
    virtual std::variant<antenna::OnePort, Fault> sweep(const detail::Grid &grid) = 0;
    // Hands the device its own sweep back, as well as it can.
    virtual void finish() = 0;
    // The lowest and highest frequency the device may be asked for.
    virtual std::pair<qint64, qint64> rangeHz() const = 0;

    Fault fault(Fault::Kind kind, const QString &detail = {}) const { return {kind, device.port, detail}; }

    std::unique_ptr<detail::Link> link;
    Device device;
    // A call ended before the device had finished answering: what it still
    // says must be let out before the next.
    bool unsettled = false;
};

namespace detail {

// A session once the device has named itself.
using Opened = std::variant<std::unique_ptr<Analyser::Session>, Fault>;

Opened openShell(std::unique_ptr<Link> link, const QString &port);
Opened openBinary(std::unique_ptr<Link> link, const QString &port);

// A protocol fault, with the port and what came.
inline Fault faultAt(const QString &port, Fault::Kind kind, const QString &detail = {}) { return {kind, port, detail}; }

} // namespace detail

} // namespace analyser
