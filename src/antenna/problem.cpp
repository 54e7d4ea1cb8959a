// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/problem.h"

namespace antenna {

namespace {

QString mm(double v) { return QString::number(v, 'f', 1); }

} // namespace

QString Problem::text(bool chinese) const
{
    switch (kind) {
    case Kind::BadFrequency:
        return chinese ? QStringLiteral("无法建模：频率必须是正数") : QStringLiteral("cannot model it: the frequency must be positive");
    case Kind::BadTube:
        return chinese ? QStringLiteral("管径必须是大于 0 的数（毫米）")
                       : QStringLiteral("the tube diameter must be a number above 0 (mm)");
    case Kind::TubeTooThick:
        return chinese ? QStringLiteral("管子太粗：两振子间距 D 至少要有管径的 3 倍，否则两管几乎相碰，模型没有意义；此频率下管径最大 %1 毫米").arg(mm(limit))
                       : QStringLiteral("the tube is too thick: the spacing D must be at least three tube diameters, or the tubes nearly touch and the model means nothing; at most %1 mm at this frequency").arg(mm(limit));
    case Kind::BadLengths:
        return chinese ? QStringLiteral("无法建模：尺寸须满足 0 < C < B < A，且 D > 0")
                       : QStringLiteral("cannot model it: the lengths must satisfy 0 < C < B < A and D > 0");
    case Kind::OutOfRange:
        return chinese ? QStringLiteral("无法建模：模型只计算 0.01 至 100000 MHz 之间的频率")
                       : QStringLiteral("cannot model it: the model covers 0.01 to 100000 MHz only");
    case Kind::Nec2cMissing:
#ifdef Q_OS_WIN
        return chinese ? QStringLiteral("找不到 nec2c.exe：它应在 tolvera.exe 旁边，请重新安装 Tolvera")
                       : QStringLiteral("nec2c.exe is missing: it belongs beside tolvera.exe; install Tolvera again");
#else
        return chinese ? QStringLiteral("找不到 nec2c：请安装 nec2c 软件包（sudo apt-get install nec2c）")
                       : QStringLiteral("nec2c is missing: install the nec2c package (sudo apt-get install nec2c)");
#endif
    case Kind::Nec2cFailed:
        return chinese ? QStringLiteral("nec2c 运行失败：%1").arg(detail) : QStringLiteral("nec2c failed: %1").arg(detail);
    case Kind::Nec2cTimedOut:
        return chinese ? QStringLiteral("nec2c 运行超过 %1 秒，已停止").arg(limit)
                       : QStringLiteral("nec2c ran for more than %1 s and was stopped").arg(limit);
    case Kind::Nec2cGarbled:
        return chinese ? QStringLiteral("无法读懂 nec2c 的输出（第 %1 行）").arg(limit)
                       : QStringLiteral("nec2c's output makes no sense: %1 (line %2)").arg(detail).arg(limit);
    case Kind::Cancelled:
        return chinese ? QStringLiteral("已取消") : QStringLiteral("cancelled");
    }
    return {};
}

} // namespace antenna
