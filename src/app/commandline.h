// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

// --help (-h) and --version (-v) are answered on standard output, in Chinese
// under a Chinese locale and in English otherwise, without opening the
// window, and so are frequencies ("tolvera 145 433.5"): the dimensions of
// each, read and formatted as the window does. Returns the exit status when
// the command line was answered; nothing when the window is to open (no
// argument, or an option of Qt's such as -platform).
std::optional<int> answerCommandLine(int argc, char *argv[]);

// Qt ends a program that finds no display with a fatal message and a core
// dump. Until the application has started, this exits with status 1
// instead: with no display named at all, after one line saying that the
// calculator needs one; otherwise after what Qt said. What Qt says on the
// way is kept back and passed on once the application has started.
class StartGuard
{
public:
    StartGuard();
    ~StartGuard(); // the application has started
    StartGuard(const StartGuard &) = delete;
    StartGuard &operator=(const StartGuard &) = delete;
};
