// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "calc/results.h"

namespace calc {

ResultTexts resultTexts(const Boxes &boxes)
{
    ResultTexts texts;
    for (const auto &result : results)
        texts[indexOf(result.letter)] = boxes.text(result.box);
    return texts;
}

} // namespace calc
