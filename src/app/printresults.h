// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

// Prints A to E for each frequency, calculated and formatted as the window
// does, a block each, the values right-aligned. A frequency the window
// would reject gets the window's message on standard error, and the others
// still print. Returns the exit status: 1 when any was rejected.
int printResults(const QStringList &frequencies);
