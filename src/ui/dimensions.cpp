// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/dimensions.h"

#include <QStringList>

#include <array>

namespace ui {

namespace {

using calc::Box;

constexpr std::array<Dimension, 5> table{{
    {Box::CMA, 'A', "长振子高度，从U形弯底部到顶端"},
    {Box::CMB, 'B', "短振子即匹配段的高度，从U形弯底部到顶端"},
    {Box::CMC, 'C', "馈电点高度，从U形弯底部到电缆两芯线的连接处"},
    {Box::CMD, 'D', "两振子之间的间距"},
    {Box::CME, 'E', "管材总长度，A 加 B 再加 20 毫米"},
}};

} // namespace

std::span<const Dimension> dimensions() { return table; }

QString describe(const Dimension &dimension)
{
    return QLatin1Char(dimension.letter) + QStringLiteral("，") + QString::fromUtf8(dimension.measures);
}

QString spokenResults(const calc::Boxes &boxes)
{
    QStringList said;
    for (const auto &dimension : table) {
        const QString name = dimension.box == Box::CME ? QStringLiteral("总长度") : QString(QLatin1Char(dimension.letter));
        said << QStringLiteral("%1 %2 毫米").arg(name, boxes.text(dimension.box));
    }
    return said.join(QStringLiteral("，"));
}

} // namespace ui
