// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/dimensions.h"

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

} // namespace ui
