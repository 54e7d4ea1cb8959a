// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

// The arguments as the user typed them, without the program's name: on
// Windows as UTF-16, since the 8-bit ones lose what the code page cannot
// hold (full-width digits).
QStringList arguments(int argc, char *argv[]);

// A Windows program with a window has no console of its own: what it says
// on the command line goes to the console of the prompt that started it,
// unless it is redirected to a file or a pipe already. Text is UTF-8.
// Elsewhere, and on a second call, it does nothing.
void useConsole();

// A message box's text on one line, as the command line prints it.
QString oneLine(const QString &prompt);

// Writes UTF-8 text to standard output or standard error, at once.
void printOut(const QString &text);
void printError(const QString &text);
