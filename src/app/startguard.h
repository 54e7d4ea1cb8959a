// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

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
