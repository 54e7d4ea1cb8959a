// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/boxes.h"

#include <QString>

#include <span>

namespace ui {

// The five results and what each measures, in the words a screen reader
// speaks and the cut sheet prints.
struct Dimension
{
    calc::Box box;
    char letter;
    const char *measures;
};

// A to E, in that order.
std::span<const Dimension> dimensions();

// "A，长振子高度，…": the letter, then what it measures.
QString describe(const Dimension &dimension);

// The results as a screen reader says them after a calculation:
// "A 1481.96 毫米，B 491.88 毫米，…，总长度 1993.84 毫米".
QString spokenResults(const calc::Boxes &boxes);

} // namespace ui
