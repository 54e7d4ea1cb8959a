// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "calc/boxes.h"

#include <algorithm>

namespace calc {

void BoxTexts::setText(Box box, const QString &text)
{
    texts[index(box)] = text;
    selections[index(box)] = {};
}

void BoxTexts::select(Box box, qsizetype start, qsizetype length)
{
    // Clamped to the text, as a text box does.
    const auto size = texts[index(box)].size();
    start = std::clamp<qsizetype>(start, 0, size);
    selections[index(box)] = {start, std::clamp<qsizetype>(length, 0, size - start)};
}

} // namespace calc
