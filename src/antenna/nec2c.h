// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/necoutput.h"
#include "antenna/problem.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <variant>
#include <vector>

namespace antenna {

// One deck for nec2c, and what its output must hold.
struct Job
{
    QByteArray deck;
    int frequencies = 1;
    int directions = 0;
};

using JobResult = std::variant<NecOutput, Problem>;

// Runs nec2c, a separate program, on decks: each in a private temporary
// folder that is removed afterwards, several at once where the machine has
// the cores. It blocks; another thread may cancel it, which kills the runs
// under way.
class Nec2c
{
public:
    // The program: $TOLVERA_NEC2C, else nec2c beside tolvera, else on PATH;
    // empty when there is none.
    static QString find();

    explicit Nec2c(QString program = find(), int secondsEach = 60);

    // In the order of the jobs. A job that fails gives its problem; once
    // cancelled, every job not finished gives Cancelled.
    std::vector<JobResult> run(const std::vector<Job> &jobs) const;
    JobResult run(const Job &job) const;

    void cancel() { cancelled = true; }
    bool isCancelled() const { return cancelled; }
    const QString &program() const { return path; }

private:
    QString path;
    int milliseconds;
    int parallel;
    mutable std::atomic_bool cancelled = false;
};

} // namespace antenna
