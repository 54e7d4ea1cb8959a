// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/solver.h"

#include <QString>

class QProcess;

namespace antenna {

// Solves structures with nec2c, a separate program: a card deck for each,
// in a private temporary folder that is removed afterwards, several at once
// where the machine has the cores. Cancelling kills the runs under way.
class Nec2c : public Solver
{
public:
    // The program: $TOLVERA_NEC2C, else nec2c beside tolvera, else on PATH;
    // empty when there is none.
    static QString find();

    explicit Nec2c(QString program = find(), int secondsEach = 60);

    using Solver::solve;
    std::vector<Solved> solve(const std::vector<Simulation> &simulations) const override;

    const QString &program() const { return path; }

private:
    bool start(QProcess &process) const;

    QString path;
    int milliseconds;
    int parallel;
};

} // namespace antenna
