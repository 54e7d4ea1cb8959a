// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "analyser/analyser.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>

namespace ui {

// An analyser on a thread of its own, so that the window never waits for
// it: it is connected, swept and let go there, and what comes back arrives
// as signals. One request at a time; stop() cancels the one under way.
class AnalyserLink : public QObject
{
    Q_OBJECT
public:
    explicit AnalyserLink(QObject *parent = nullptr);
    ~AnalyserLink() override;

    // Asked from the window's thread; answered by the signals below.
    void connectTo(const QString &port);
    void sweep(double fromMhz, double toMhz, int points);
    void disconnectDevice();
    // Cancels the request under way, if any.
    void stop();
    bool isBusy() const { return busy; }

signals:
    void connected(const analyser::Device &device);
    void swept(const antenna::OnePort &sweep);
    void failed(const analyser::Fault &fault);

private:
    class Worker;
    QThread thread;
    Worker *worker = nullptr;
    std::atomic_bool busy = false;
};

// Which ports answer as an analyser, each probed in turn on a thread of
// its own: each answer arrives as a signal, then finished().
class PortProbe : public QObject
{
    Q_OBJECT
public:
    explicit PortProbe(QObject *parent = nullptr);
    ~PortProbe() override;
    void start();

signals:
    void answered(const analyser::Device &device);
    void finished();

private:
    QPointer<QThread> job;
    std::atomic_bool cancelled = false;
};

} // namespace ui
