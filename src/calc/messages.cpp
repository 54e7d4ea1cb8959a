// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "calc/messages.h"

namespace calc {

rt::Message inputError()
{
    return {QStringLiteral("输入错误!请检查..."), rt::MessageIcon::Critical,
            QStringLiteral("出错啦...")};
}

rt::Message missingFrequency()
{
    return {QStringLiteral("无法计算,请输入发射频率..."), rt::MessageIcon::Exclamation,
            QStringLiteral("缺少数据...")};
}

} // namespace calc
