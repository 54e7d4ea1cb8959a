// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "runtime/message.h"

namespace rt {

Message errorReport(const RuntimeError &error)
{
    return {QStringLiteral("运行时错误 '%1':\n\n%2").arg(error.number).arg(error.description),
            MessageIcon::Critical, QStringLiteral("Tolvera")};
}

} // namespace rt
