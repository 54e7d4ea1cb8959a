// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "calc/results.h"

#include <algorithm>

namespace calc {

const Result *resultIn(Box box)
{
    const auto *found = std::find_if(results.begin(), results.end(), [&](const Result &r) { return r.box == box; });
    return found == results.end() ? nullptr : found;
}

ResultTexts resultTexts(const Boxes &boxes)
{
    ResultTexts texts;
    for (const auto &result : results)
        texts[indexOf(result.letter)] = boxes.text(result.box);
    return texts;
}

} // namespace calc
