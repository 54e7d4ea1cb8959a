// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "calc/fieldchecks.h"

#include "calc/messages.h"
#include "runtime/conversion.h"

namespace calc {

std::optional<rt::Message> checkFrequency(const Boxes &boxes)
{
    const auto frequency = rt::val(boxes.text(Box::MHZ));
    if (frequency.error)
        return rt::errorReport(*frequency.error);
    if (frequency.value == 0)
        return inputError();
    return std::nullopt;
}

void selectFrequency(Boxes &boxes)
{
    boxes.select(Box::MHZ, 0, boxes.text(Box::MHZ).size());
}

} // namespace calc
