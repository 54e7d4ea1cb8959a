// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "runtime/runtimeerror.h"

#include <QString>

namespace rt {

// The icon of a message box, with the button-flag values the texts were
// written for. Every box has a single OK button.
enum class MessageIcon { Critical = 16, Exclamation = 48 };

struct Message
{
    QString prompt;
    MessageIcon icon = MessageIcon::Critical;
    QString title;

    friend bool operator==(const Message &, const Message &) = default;
};

// Shows a modal message box and returns once the user has dismissed it.
class Prompter
{
public:
    virtual ~Prompter() = default;
    virtual void show(const Message &message) = 0;
};

// The report of a run-time error that no procedure trapped.
Message errorReport(const RuntimeError &error);

// Reports the error, if any, and carries on.
void report(Prompter &prompter, const std::optional<RuntimeError> &error);

} // namespace rt
