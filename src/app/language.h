// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

// True when what the program prints is to be in Chinese: as gettext
// programs pick their language (LC_ALL, then LC_MESSAGES, then LANG), or on
// Windows from the user's display language.
bool chineseLocale();
