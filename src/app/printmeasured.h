// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/measurement.h"

#include <QString>

#include <optional>

// tolvera --measured FILE [--tube MM] [--json] [FREQUENCY]: an analyser's
// sweep read, its lowest SWR and where, its band where the SWR stays at or
// below 2, R + jX at its lowest SWR and, with a frequency, what to cut off
// A and B to move the resonance there (from the prediction's trim figure,
// nec2c). A file that cannot be read gets one line naming it and the
// line, on standard error. Returns the exit status.
int printMeasured(const QString &file, const std::optional<QString> &frequency, const std::optional<QString> &tube,
                  bool json);

// The same for a sweep however it was made.
int printMeasurement(const antenna::Measurement &m, const std::optional<QString> &frequency,
                     const std::optional<QString> &tube, bool json);
