// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/dimensions.h"

#include <QStringList>

namespace ui {

namespace {

constexpr auto total = "总长度";

QString letter(const calc::Result &result) { return QString(QLatin1Char(result.letter)); }

} // namespace

QString measures(const calc::Result &result)
{
    switch (result.letter) {
    case 'A':
        return QStringLiteral("长振子高度，从U形弯底部到顶端");
    case 'B':
        return QStringLiteral("短振子即匹配段的高度，从U形弯底部到顶端");
    case 'C':
        return QStringLiteral("馈电点高度，从U形弯底部到电缆两芯线的连接处");
    case 'D':
        return QStringLiteral("两振子之间的间距");
    default:
        return QStringLiteral("管材总长度，A 加 B 再加 %1 毫米").arg(calc::allowance);
    }
}

QString describe(const calc::Result &result)
{
    return letter(result) + QStringLiteral("，") + measures(result);
}

QString accessibleName(const calc::Result &result)
{
    const QString name = result.feetMHz ? letter(result) : letter(result) + u' ' + QString::fromUtf8(total);
    return name + QStringLiteral(" 毫米");
}

QString spokenResults(const calc::ResultTexts &texts)
{
    QStringList said;
    for (const auto &result : calc::results) {
        const QString name = result.feetMHz ? letter(result) : QString::fromUtf8(total);
        said << QStringLiteral("%1 %2 毫米").arg(name, texts[calc::indexOf(result.letter)]);
    }
    return said.join(QStringLiteral("，"));
}

} // namespace ui
