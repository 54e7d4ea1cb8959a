// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "installationoptions.h"

#include "antenna/prediction.h"
#include "calc/calculation.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// The J the window calculates for a frequency as typed, simulated with this
// tube where it stands, with what was calculated; or what the window or the
// model says against it, on one line, naming the option it concerns.
struct Predicted
{
    calc::Calculated calculated;
    antenna::Prediction prediction;
};
std::variant<Predicted, QString> predictionFor(const QString &frequency, double tube, const antenna::Solver &solver,
                                               const antenna::Installation &installation = {},
                                               const InstallationOptions &typed = {});

// tolvera --predict [--tube MM] [installation] [--json] FREQUENCY...: for
// each frequency, the J as calculated (or built) simulated with nec2c where
// it stands and its lengths for the tube, a readable block each or one
// JSON array. A frequency that cannot be predicted gets one line on
// standard error and the others still print. A tube or an option of the
// installation that is no usable value gets one line and nothing else.
// Returns the exit status: 1 when anything was refused or failed.
int printPredictions(const QStringList &frequencies, const std::optional<QString> &tube,
                     const InstallationOptions &installation, bool json);
