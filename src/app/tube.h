// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <optional>

// The tube's diameter from --tube (15 mm without it), or nothing after a
// line on standard error saying it is no usable diameter.
std::optional<double> tubeDiameter(const std::optional<QString> &text);
