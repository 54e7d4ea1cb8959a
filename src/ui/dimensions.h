// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/results.h"

#include <QString>

namespace ui {

// What each result measures, in the words a screen reader speaks and the
// cut sheet prints: "长振子高度，从U形弯底部到顶端".
QString measures(const calc::Result &result);

// "A，长振子高度，…": the letter, then what it measures.
QString describe(const calc::Result &result);

// What a screen reader calls the result's box: "A 毫米", "E 总长度 毫米".
QString accessibleName(const calc::Result &result);

// The results as a screen reader says them after a calculation:
// "A 1481.96 毫米，B 491.88 毫米，…，总长度 1993.84 毫米".
QString spokenResults(const calc::ResultTexts &texts);

} // namespace ui
