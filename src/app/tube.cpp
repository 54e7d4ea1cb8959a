// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "tube.h"

#include "console.h"

#include "antenna/jpole.h"
#include "runtime/conversion.h"
#include "words/words.h"

#include <QLocale>

#include <cmath>

std::optional<double> tubeDiameter(const std::optional<QString> &text)
{
    if (!text)
        return antenna::defaultTube;
    bool ok = false;
    const double tube = QLocale::c().toDouble(rt::trim(*text), &ok);
    if (ok && std::isfinite(tube) && tube > 0)
        return tube;
    printError(QStringLiteral("tolvera: --tube %1: %2\n")
                   .arg(*text, words::problem(antenna::Problem::of(antenna::Problem::Kind::BadTube))));
    return std::nullopt;
}
