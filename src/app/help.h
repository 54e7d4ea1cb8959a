// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// What --help says, in the language the program speaks.
QString helpText();
