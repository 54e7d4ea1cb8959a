// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/boxes.h"

#include <QString>

#include <array>
#include <optional>

namespace calc {

// One of the five results: the box that shows it, its letter on the
// diagram and, for A to D, the coefficient K of its length: K / f feet for
// f in MHz. E has none: it adds up A and B as shown, plus the allowance.
struct Result
{
    Box box;
    char letter;
    const char *boxName; // the box's object name in the window
    std::optional<double> feetMHz;
};

// A to E, in the order the calculation writes them.
inline constexpr std::array<Result, 5> results{{
    {Box::CMA, 'A', "CMA", 705}, // long element
    {Box::CMB, 'B', "CMB", 234}, // short (matching) element
    {Box::CMC, 'C', "CMC", 23},  // feed-point height
    {Box::CMD, 'D', "CMD", 22},  // spacing between the elements
    {Box::CME, 'E', "CME", std::nullopt}, // total tube length
}};

// Millimetres added to A + B for the total length E.
inline constexpr double allowance = 20;

// The texts of the five results, A to E.
using ResultTexts = std::array<QString, results.size()>;

// Where a result stands in the table: 0 for A, 4 for E.
constexpr std::size_t indexOf(char letter) { return std::size_t(letter - 'A'); }

// The results the boxes show now.
ResultTexts resultTexts(const Boxes &boxes);

} // namespace calc
