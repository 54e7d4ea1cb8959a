// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// The program's overhead over the analyser's own reply time: a sweep of 101
// points from the simulated text-shell device (tests/nanovna_sim.py, 5 ms a
// point, as a NanoVNA-H takes), by a bare client that writes the scan and
// reads to the prompt, against the same sweep through the analyser client
// (scan, parse, check, resume), and against the whole command
// `tolvera --sweep PORT 145`; alternately in one run, medians.
//   bench/sweep SIMULATOR TOLVERA [runs]      (default 10)
#include "median.h"

#include "analyser/analyser.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

// The device's own time: the scan written, its answer read to the prompt.
double bare(const QByteArray &port)
{
    const int fd = ::open(port.constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        std::exit(1);
    termios raw{};
    tcgetattr(fd, &raw);
    cfmakeraw(&raw);
    tcsetattr(fd, TCSANOW, &raw);
    char buffer[4096];
    // Whatever it said before: its banner, a prompt.
    for (pollfd p{fd, POLLIN, 0}; poll(&p, 1, 100) > 0 && ::read(fd, buffer, sizeof buffer) > 0;)
        ;
    QElapsedTimer timer;
    timer.start();
    const QByteArray scan = "scan 137750000 152250000 101 3\r";
    if (::write(fd, scan.constData(), size_t(scan.size())) != scan.size())
        std::exit(1);
    QByteArray got;
    // The echo, 101 lines, and the prompt after them.
    while (got.count("\r\n") < 102 || !got.endsWith("ch> ")) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 5000) <= 0)
            std::exit(1);
        const auto n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            std::exit(1);
        got.append(buffer, n);
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    ::close(fd);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SIMULATOR TOLVERA [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 10;
    QTemporaryDir dir;
    const auto load = dir.filePath(QStringLiteral("load.s1p"));
    {
        QFile file(load);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write("# MHz S RI R 50\n130 0.5 0.1\n145 0.1 0\n160 0.5 -0.1\n");
    }
    QProcess simulator;
    simulator.start(QStringLiteral("python3"), {QString::fromLocal8Bit(argv[1]), QStringLiteral("--protocol"),
                                                QStringLiteral("text"), QStringLiteral("--model"), QStringLiteral("h"),
                                                QStringLiteral("--point-ms"), QStringLiteral("5"),
                                                QStringLiteral("--load"), load});
    if (!simulator.waitForReadyRead(10000))
        return 1;
    const auto port = simulator.readLine().trimmed();

    std::vector<double> bares, client, command;
    for (int i = 0; i < runs; ++i) {
        bares.push_back(bare(port));
        {
            auto connected = analyser::Analyser::connect(QString::fromLatin1(port));
            if (!std::holds_alternative<std::unique_ptr<analyser::Analyser>>(connected))
                return 1;
            auto &device = *std::get<std::unique_ptr<analyser::Analyser>>(connected);
            QElapsedTimer timer;
            timer.start();
            if (!std::holds_alternative<antenna::OnePort>(device.sweep(137.75, 152.25, 101)))
                return 1;
            client.push_back(timer.nsecsElapsed() / 1e6);
        }
        QElapsedTimer timer;
        timer.start();
        QProcess tolvera;
        tolvera.start(QString::fromLocal8Bit(argv[2]), {QStringLiteral("--sweep"), QString::fromLatin1(port), QStringLiteral("145")});
        if (!tolvera.waitForFinished(20000) || tolvera.exitCode() != 0)
            return 1;
        command.push_back(timer.nsecsElapsed() / 1e6);
    }
    simulator.closeWriteChannel();
    simulator.waitForFinished(3000);
    const double device = median(bares), swept = median(client), whole = median(command);
    std::printf("a 101-point sweep of the simulated NanoVNA-H (5 ms a point), %d runs each (medians)\n", runs);
    std::printf("the device's own reply (bare client)       %7.1f ms\n", device);
    std::printf("through the analyser client                %7.1f ms\n", swept);
    std::printf("client / device                            %7.2fx\n", swept / device);
    std::printf("tolvera --sweep PORT 145 (start, probe, name, sweep, the prediction for\n"
                "what to cut, print)                        %7.1f ms\n", whole);
    std::printf("command / device                           %7.2fx\n", whole / device);
    return 0;
}
