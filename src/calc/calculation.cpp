// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "calc/calculation.h"

#include "calc/messages.h"
#include "runtime/conversion.h"
#include "runtime/format.h"

namespace calc {

Outcome calculate(Boxes &boxes)
{
    const auto frequencyText = boxes.text(Box::MHZ);
    if (rt::trim(frequencyText).isEmpty())
        return missingFrequency();
    const auto frequency = rt::val(frequencyText);
    if (frequency.error)
        return *frequency.error;
    if (frequency.value == 0)
        return inputError();

    ResultTexts written;
    for (const auto &result : results) {
        if (!result.feetMHz)
            continue;
        const auto f = rt::val(boxes.text(Box::MHZ));
        if (f.error)
            return *f.error;
        // Feet to millimetres, one rounded multiplication at a time: folding
        // the constants would change the last digit of some results.
        double v = *result.feetMHz / f.value;
        v = v * 100;
        v = v * 0.01;
        v = v * 0.3048;
        v = v * 1000;
        if (const auto error = rt::checkFloat(v))
            return *error;
        written[indexOf(result.letter)] = rt::format00(v);
        boxes.setText(result.box, written[indexOf(result.letter)]);
    }

    // E adds up the lengths as shown, so it agrees with what the user reads.
    const auto b = rt::val(boxes.text(Box::CMB));
    const auto a = rt::val(boxes.text(Box::CMA));
    if (b.error || a.error)
        return b.error ? *b.error : *a.error;
    double v = a.value + b.value;
    v = v + allowance;
    if (const auto error = rt::checkFloat(v))
        return *error;
    written[indexOf('E')] = rt::format00(v);
    boxes.setText(Box::CME, written[indexOf('E')]);
    auto shown = [&](char letter) { return rt::val(written[indexOf(letter)]).value; };
    return Calculated{rt::trim(frequencyText), frequency.value, written,
                      {shown('A'), shown('B'), shown('C'), shown('D')}};
}

std::optional<rt::Message> messageOf(const Outcome &outcome)
{
    if (const auto *message = std::get_if<rt::Message>(&outcome))
        return *message;
    if (const auto *error = std::get_if<rt::RuntimeError>(&outcome))
        return rt::errorReport(*error);
    return std::nullopt;
}

} // namespace calc
