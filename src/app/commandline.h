// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

// --help (-h) and --version (-v) are answered on standard output, in Chinese
// under a Chinese locale and in English otherwise, without opening the
// window, and so are frequencies ("tolvera 145 433.5"): the dimensions of
// each, read and formatted as the window does, and so are --predict (the
// antenna simulated with nec2c) and --measured (an analyser's sweep and
// what to cut). Returns the exit status when
// the command line was answered; nothing when the window is to open (no
// argument, or an option of Qt's such as -platform).
std::optional<int> answerCommandLine(int argc, char *argv[]);
