// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/analyserlink.h"

#include <QMetaObject>

namespace ui {

// Lives on the link's thread, where the analyser is made and used.
class AnalyserLink::Worker : public QObject
{
public:
    explicit Worker(AnalyserLink *link) : link(link) {}

    void connectTo(const QString &port)
    {
        let();
        cancelled = false;
        auto made = analyser::Analyser::connect(port, &cancelled);
        if (const auto *fault = std::get_if<analyser::Fault>(&made))
            return fail(*fault);
        {
            const std::lock_guard hold(guard);
            device = std::get<std::unique_ptr<analyser::Analyser>>(std::move(made));
        }
        const auto named = device->device();
        answer([named](AnalyserLink *l) { emit l->connected(named); });
    }

    void sweep(double from, double to, int points)
    {
        if (!device)
            return fail({analyser::Fault::Kind::CannotOpen, {}, {}});
        auto result = device->sweep(from, to, points);
        if (const auto *fault = std::get_if<analyser::Fault>(&result)) {
            if (fault->kind == analyser::Fault::Kind::Unplugged || fault->kind == analyser::Fault::Kind::CannotOpen)
                let(); // it is gone
            return fail(*fault);
        }
        const auto sweep = std::get<antenna::OnePort>(std::move(result));
        answer([sweep](AnalyserLink *l) { emit l->swept(sweep); });
    }

    // Lets the device go: it gets its own sweep back.
    void let()
    {
        const std::lock_guard hold(guard);
        device.reset();
    }

    void cancel()
    {
        cancelled = true;
        const std::lock_guard hold(guard);
        if (device)
            device->cancel();
    }

private:
    void fail(const analyser::Fault &fault)
    {
        answer([fault](AnalyserLink *l) { emit l->failed(fault); });
    }

    template <typename Fn>
    void answer(Fn fn)
    {
        QMetaObject::invokeMethod(link, [this, fn] {
            link->busy = false;
            fn(link);
        }, Qt::QueuedConnection);
    }

    AnalyserLink *link;
    std::unique_ptr<analyser::Analyser> device;
    std::mutex guard; // device, between its thread and cancel()
    std::atomic_bool cancelled = false;
};

AnalyserLink::AnalyserLink(QObject *parent) : QObject(parent), worker(new Worker(this))
{
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.start();
}

AnalyserLink::~AnalyserLink()
{
    stop();
    QMetaObject::invokeMethod(worker, [w = worker] { w->let(); }, Qt::QueuedConnection);
    thread.quit();
    thread.wait();
}

void AnalyserLink::connectTo(const QString &port)
{
    stop();
    busy = true;
    QMetaObject::invokeMethod(worker, [w = worker, port] { w->connectTo(port); }, Qt::QueuedConnection);
}

void AnalyserLink::sweep(double fromMhz, double toMhz, int points)
{
    busy = true;
    QMetaObject::invokeMethod(worker, [w = worker, fromMhz, toMhz, points] { w->sweep(fromMhz, toMhz, points); },
                              Qt::QueuedConnection);
}

void AnalyserLink::disconnectDevice()
{
    stop();
    QMetaObject::invokeMethod(worker, [w = worker] { w->let(); }, Qt::QueuedConnection);
}

void AnalyserLink::stop()
{
    if (busy)
        worker->cancel();
}

PortProbe::PortProbe(QObject *parent) : QObject(parent) {}

PortProbe::~PortProbe()
{
    cancelled = true;
    if (job)
        job->wait();
}

void PortProbe::start()
{
    job = QThread::create([this] {
        for (const auto &port : analyser::ports()) {
            if (cancelled)
                break;
            auto made = analyser::Analyser::connect(port.port, &cancelled);
            if (auto *found = std::get_if<std::unique_ptr<analyser::Analyser>>(&made)) {
                const auto device = (*found)->device();
                QMetaObject::invokeMethod(this, [this, device] { emit answered(device); }, Qt::QueuedConnection);
            }
        }
        QMetaObject::invokeMethod(this, [this] { emit finished(); }, Qt::QueuedConnection);
    });
    connect(job, &QThread::finished, job, &QObject::deleteLater);
    job->start();
}

} // namespace ui
