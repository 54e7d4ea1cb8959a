// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

// What --help says, in Chinese or in English.
const char *helpText(bool chinese);
