// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/nec2c.h"

#include "antenna/necoutput.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <memory>

namespace antenna {

namespace {

#ifdef Q_OS_WIN
constexpr auto programName = "nec2c.exe";
#else
constexpr auto programName = "nec2c";
#endif

// Its output is a few hundred kilobytes at most; more is not ours.
constexpr qint64 largestOutput = 64 * 1024 * 1024;

struct Run
{
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<QProcess> process;
    QDeadlineTimer deadline;
    std::size_t job = 0;

    Run(std::unique_ptr<QTemporaryDir> folder, std::unique_ptr<QProcess> process, QDeadlineTimer deadline,
        std::size_t job)
        : folder(std::move(folder)), process(std::move(process)), deadline(deadline), job(job)
    {
    }
    Run(Run &&) = default;
    Run &operator=(Run &&) = default;
    // Windows lets go of a folder that was a program's working directory
    // some time after the program has ended (longer after a kill): until
    // then it cannot be removed.
    ~Run()
    {
        process.reset();
        if (!folder)
            return;
        const QDir dir(folder->path()); // quietly, where QTemporaryDir would warn at each try
        for (int tries = 0; tries < 500 && !QDir(dir).removeRecursively(); ++tries)
            QThread::msleep(10);
    }
};

} // namespace

QString Nec2c::find()
{
    const QString named = qEnvironmentVariable("TOLVERA_NEC2C");
    if (!named.isEmpty())
        return QFileInfo(named).isExecutable() ? named : QString();
    if (QCoreApplication::instance()) {
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(programName));
        if (QFileInfo(beside).isExecutable())
            return beside;
    }
    return QStandardPaths::findExecutable(QStringLiteral("nec2c"));
}

Nec2c::Nec2c(QString program, int secondsEach)
    : path(std::move(program)), milliseconds(secondsEach * 1000),
      parallel(std::max(1, QThread::idealThreadCount()))
{
}

bool Nec2c::start(QProcess &process) const
{
    // Once more after a pause: a program just written may be held for a
    // moment (a virus scanner on Windows, a busy Wine server).
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt > 0)
            QThread::msleep(500);
        process.start(path, {QStringLiteral("-ij.nec"), QStringLiteral("-oj.out")});
        if (process.waitForStarted(10000))
            return true;
    }
    return false;
}

std::vector<Solved> Nec2c::solve(const std::vector<Simulation> &simulations) const
{
    std::vector<Solved> results(simulations.size(), Problem::of(Problem::Kind::Cancelled));
    if (path.isEmpty()) {
        std::fill(results.begin(), results.end(), Problem::missing());
        return results;
    }
    std::vector<Run> running;
    std::size_t next = 0;
    auto finish = [&](Run &run) -> Solved {
        auto &p = *run.process;
        if (p.exitStatus() == QProcess::CrashExit)
            return Problem::failed(QStringLiteral("crashed"));
        if (p.exitCode() != 0) {
            const auto said = QString::fromLocal8Bit(p.readAllStandardError()).simplified().left(200);
            return Problem::failed(said.isEmpty() ? QStringLiteral("exit status %1").arg(p.exitCode()) : said);
        }
        QFile out(run.folder->filePath(QStringLiteral("j.out")));
        if (!out.open(QIODevice::ReadOnly) || out.size() > largestOutput)
            return Problem::garbled(0, QStringLiteral("no output file"));
        const auto &simulation = simulations[run.job];
        return readNecOutput(out.readAll(), simulation.structure, simulation.request);
    };

    while (!cancelled && (next < simulations.size() || !running.empty())) {
        while (next < simulations.size() && int(running.size()) < parallel) {
            Run run{std::make_unique<QTemporaryDir>(), std::make_unique<QProcess>(), QDeadlineTimer(milliseconds), next};
            const auto job = next++;
            QFile deck(run.folder->filePath(QStringLiteral("j.nec")));
            const auto &simulation = simulations[job];
            if (!run.folder->isValid() || !deck.open(QIODevice::WriteOnly)
                || deck.write(antenna::deck(simulation.structure, simulation.request)) < 0) {
                results[job] = Problem::failed(QStringLiteral("cannot write its input in %1").arg(QDir::tempPath()));
                continue;
            }
            deck.close();
            // Names relative to its folder: nec2c on Windows reads 8-bit
            // arguments, which a user's name in the path may not fit.
            run.process->setWorkingDirectory(run.folder->path());
            run.process->setStandardInputFile(QProcess::nullDevice());
            run.process->setStandardOutputFile(QProcess::nullDevice());
            if (!start(*run.process)) {
                // A program that is there but will not start is no missing one.
                // The runs not yet started would fail alike, each after its
                // own retry: they are given the same problem at once.
                const auto problem = QFileInfo::exists(path)
                    ? Problem::failed(QStringLiteral("cannot be started: %1").arg(run.process->errorString()))
                    : Problem::missing(run.process->errorString());
                std::fill(results.begin() + std::ptrdiff_t(job), results.end(), problem);
                next = simulations.size();
                break;
            }
            running.push_back(std::move(run));
        }
        for (auto it = running.begin(); it != running.end();) {
            auto &p = *it->process;
            if (p.state() == QProcess::NotRunning || p.waitForFinished(10)) {
                results[it->job] = finish(*it);
                it = running.erase(it);
            } else if (it->deadline.hasExpired()) {
                p.kill();
                p.waitForFinished(1000);
                results[it->job] = Problem::timedOut(milliseconds / 1000.0);
                it = running.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto &run : running) { // cancelled
        run.process->kill();
        run.process->waitForFinished(1000);
    }
    return results;
}

} // namespace antenna
