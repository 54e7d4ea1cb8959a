// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <optional>

// tolvera --sweep PORT [--points N] [--save FILE.s1p] [--tube MM] [--json]
// FREQUENCY: one sweep from 0.95 f to 1.05 f on the analyser at PORT
// ("auto": the first that answers), told as --measured tells a file, with
// what to cut; saved as Touchstone on request. A fault gets one line naming
// the port, on standard error. Returns the exit status.
int printSweep(const QString &port, const QString &frequency, const std::optional<QString> &points,
               const std::optional<QString> &save, const std::optional<QString> &tube, bool json);
