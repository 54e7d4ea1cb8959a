// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "printresults.h"

#include "console.h"

#include "calc/calculation.h"
#include "runtime/conversion.h"
#include "words/words.h"

#include <algorithm>

int printResults(const QStringList &frequencies)
{
    const QString unit = words::millimetres();
    int status = 0;
    bool first = true;
    for (const auto &frequency : frequencies) {
        calc::BoxTexts boxes(frequency);
        const auto outcome = calc::calculate(boxes);
        if (const auto message = calc::messageOf(outcome)) {
            printError(QStringLiteral("tolvera: %1: %2\n").arg(frequency, oneLine(message->prompt)));
            status = 1;
            continue;
        }
        const auto &texts = std::get<calc::Calculated>(outcome).texts;
        qsizetype width = 0;
        for (const auto &text : texts)
            width = std::max(width, text.size());
        QString block = first ? QString() : QStringLiteral("\n");
        first = false;
        block += rt::trim(frequency) + QStringLiteral(" MHz\n");
        for (const auto &result : calc::results)
            block += QStringLiteral("%1  %2 %3\n")
                         .arg(QLatin1Char(result.letter))
                         .arg(texts[calc::indexOf(result.letter)], int(width))
                         .arg(unit);
        printOut(block);
    }
    return status;
}
