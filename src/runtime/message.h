// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "runtime/runtimeerror.h"

#include <QString>

namespace rt {

// The icon of a message box, with the button-flag values the texts were
// written for. Every box has a single OK button.
enum class MessageIcon { Critical = 16, Exclamation = 48 };

// What a message box says: the user reads it and presses OK.
struct Message
{
    QString prompt;
    MessageIcon icon = MessageIcon::Critical;
    QString title;

    friend bool operator==(const Message &, const Message &) = default;
};

// The report of a run-time error that no procedure trapped.
Message errorReport(const RuntimeError &error);

} // namespace rt
