// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "antenna/installation.h"

#include <QString>

#include <optional>
#include <variant>

// The options that say where the J stands, as typed: --as-built A,B,C,D,
// --ground KIND, --height M, --mast MM, --coax MM, --choke OHMS, --choke-at M.
struct InstallationOptions
{
    std::optional<QString> asBuilt, ground, height, mast, coax, choke, chokeAt;

    bool any() const { return asBuilt || ground || height || mast || coax || choke || chokeAt; }
};

// The installation they give, or what is wrong with one of them, naming it
// ("--height -3: …"). What depends on the frequency (a height of too many
// wavelengths, a mast too thick for D) is for the prediction to say.
std::variant<antenna::Installation, QString> installationFrom(const InstallationOptions &options);

// The names of the grounds on the command line: free, perfect, average, poor, good, sea.
QString groundOption(antenna::GroundKind kind);
