// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/deck.h"
#include "antenna/problem.h"
#include "antenna/solution.h"

#include <atomic>
#include <variant>
#include <vector>

namespace antenna {

// One structure, and what to find out about it.
struct Simulation
{
    Structure structure;
    Request request;
};

using Solved = std::variant<Solution, Problem>;

// What solves structures: nec2c, or a stand-in in tests. It blocks;
// another thread may cancel it.
class Solver
{
public:
    virtual ~Solver() = default;

    // In the order given. Once cancelled, every simulation not finished
    // gives Cancelled.
    virtual std::vector<Solved> solve(const std::vector<Simulation> &simulations) const = 0;
    Solved solve(const Simulation &simulation) const { return solve(std::vector{simulation}).front(); }

    void cancel() { cancelled = true; }
    bool isCancelled() const { return cancelled; }

protected:
    std::atomic_bool cancelled = false;
};

} // namespace antenna
