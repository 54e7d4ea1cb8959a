// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "calc/calculation.h"

#include "calc/messages.h"
#include "runtime/conversion.h"
#include "runtime/format.h"

#include <array>

namespace calc {

namespace {

struct Element
{
    Box box;
    double feetMHz; // K: the length in feet is K / f
};

constexpr std::array<Element, 4> elements{{
    {Box::CMA, 705}, // A: long element
    {Box::CMB, 234}, // B: short (matching) element
    {Box::CMC, 23},  // C: feed-point height
    {Box::CMD, 22},  // D: spacing between the elements
}};

constexpr double allowance = 20; // mm added to A + B for the total length E

} // namespace

std::optional<rt::RuntimeError> calculate(Boxes &boxes, rt::Prompter &prompter)
{
    const auto frequencyText = boxes.text(Box::MHZ);
    if (rt::trim(frequencyText).isEmpty()) {
        prompter.show(missingFrequency());
        return std::nullopt;
    }
    const auto frequency = rt::val(frequencyText);
    if (frequency.error)
        return frequency.error;
    if (frequency.value == 0) {
        prompter.show(inputError());
        return std::nullopt;
    }

    for (const auto &element : elements) {
        const auto f = rt::val(boxes.text(Box::MHZ));
        if (f.error)
            return f.error;
        // Feet to millimetres, one rounded multiplication at a time: folding
        // the constants would change the last digit of some results.
        double v = element.feetMHz / f.value;
        v = v * 100;
        v = v * 0.01;
        v = v * 0.3048;
        v = v * 1000;
        if (const auto error = rt::checkFloat(v))
            return error;
        boxes.setText(element.box, rt::format00(v));
    }

    // E adds up the lengths as shown, so it agrees with what the user reads.
    const auto b = rt::val(boxes.text(Box::CMB));
    const auto a = rt::val(boxes.text(Box::CMA));
    if (b.error || a.error)
        return b.error ? b.error : a.error;
    double v = a.value + b.value;
    v = v + allowance;
    if (const auto error = rt::checkFloat(v))
        return error;
    boxes.setText(Box::CME, rt::format00(v));
    return std::nullopt;
}

} // namespace calc
