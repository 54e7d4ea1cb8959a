// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "analyser/analyser.h"

#include <QByteArray>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace analyser::detail {

// The serial line itself, one per platform: Qt Serial Port on Linux, Win32
// on Windows (whose cross-built Qt has no Serial Port).
class Port
{
public:
    enum class Io { Done, Waiting, Gone };

    virtual ~Port() = default;
    // CannotOpen, NoPermission or Busy, or nothing once open at 115200 8N1.
    virtual std::optional<Fault::Kind> open(const QString &name) = 0;
    // Queues `bytes` and waits up to `ms` for the queue to go out: Done when
    // it has, Waiting when some is still queued.
    virtual Io write(QByteArrayView bytes, int ms) = 0;
    // Appends what has come, waiting up to `ms` for a first byte: Done when
    // something came, Waiting when nothing did.
    virtual Io read(QByteArray &into, int ms) = 0;
    // Throws away what has come and not been read.
    virtual void discardInput() = 0;
};

std::unique_ptr<Port> makePort();
std::vector<PortInfo> listPorts();

// A port with time limits and cancellation: every wait is cut into slices
// short enough for a cancel to be seen at once.
class Link
{
public:
    explicit Link(std::unique_ptr<Port> port) : port_(std::move(port)) {}

    // NoAnswer when the line takes no more for 2 s, Unplugged, Cancelled.
    std::optional<Fault::Kind> send(QByteArrayView bytes);
    // Reads into `in` until done() says so. NoAnswer when nothing comes for
    // quietMs, or when totalMs pass in all.
    std::optional<Fault::Kind> readUntil(const std::function<bool()> &done, int quietMs, int totalMs);
    // Throws away whatever comes until quietMs pass without a byte, or mostMs
    // in all.
    std::optional<Fault::Kind> drain(int quietMs, int mostMs);

    void cancel() { cancelled_ = true; }
    // Takes the cancel for the call that saw it.
    void cancelSeen() { cancelled_ = false; }
    bool cancelled() const { return cancelled_ || (external_ && *external_); }
    // A caller's flag too, while connect() runs.
    void watch(const std::atomic_bool *external) { external_ = external; }
    bool gone() const { return gone_; }

    QByteArray in; // what has come

private:
    std::optional<Fault::Kind> slice(int ms, bool &got);

    std::unique_ptr<Port> port_;
    std::atomic_bool cancelled_ = false;
    const std::atomic_bool *external_ = nullptr;
    bool gone_ = false; // once gone, a port never comes back
};

// What a sweep asks of the device, in whole hertz.
struct Grid
{
    qint64 startHz;
    qint64 stepHz;
    int points;

    qint64 hz(int i) const { return startHz + stepHz * i; }
};

// Runs of at most `most` points, as even as can be: [first, count].
std::vector<std::pair<int, int>> runs(int points, int most);

} // namespace analyser::detail
