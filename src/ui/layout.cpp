// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/layout.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace ui {

namespace {

constexpr QRgb green = qRgb(0, 192, 0);
constexpr QRgb red = qRgb(255, 0, 0);
constexpr QRgb darkRed = qRgb(192, 0, 0);
constexpr QRgb darkGreen = qRgb(0, 128, 0);

constexpr auto title = "T\no\nl\nv\ne\nr\na";
constexpr auto credit = "作\n者\n：\nU\nl\nq";
constexpr auto description =
    "   J型天线，特点是辐射仰角低且有一定的增益，效率是1/4 GP天线的二倍。"
    "上部是辐射段，下部是匹配段。调整好的天线阻抗为纯阻50欧。";

constexpr std::nullopt_t none = std::nullopt;
constexpr auto inFreq = "Frame1_2";
constexpr auto inSize = "Frame1_0";

// clang-format off
constexpr std::array table{
//  Control        Kind           Frame    Left   Top  Width Height Content                Colour     Tab  Font
    Control{"Image1",    Kind::Picture, nullptr, 120,  120, 1860, 5175, "",                   none,      none},
    Control{"Label2_0",  Kind::Label,   nullptr, 570,  330,  330, 2205, title,                green,     13, Font::Title},
    Control{"Label2_1",  Kind::Label,   nullptr, 600,  360,  330, 2205, title,                red,       14, Font::Title},
    Control{"Label3",    Kind::Label,   nullptr, 240, 1440,  180, 1080, credit,               darkRed,   15},
    Control{"Label4",    Kind::Label,   nullptr, 2040, 120, 1695, 1335, description,          darkGreen, 19, Font::Default, true},
    Control{"Frame1_2",  Kind::Frame,   nullptr, 2040, 1560, 1695, 615, "频率输入:",          none,      10},
    Control{"Label1_11", Kind::Label,   inFreq,   120,  285, 1440,  180, "f:           MHZ",  none,      12},
    Control{"MHZ",       Kind::TextBox, inFreq,   360,  240,  855,  270, "101.00",            red,       11, Font::Box},
    Control{"Frame1_0",  Kind::Frame,   nullptr, 2040, 2280, 1695, 2415, "尺寸输出:",         none,      1},
    Control{"Label1_0",  Kind::Label,   inSize,   120,  400, 1530,  180, "A:           毫米", none,      6},
    Control{"Label1_1",  Kind::Label,   inSize,   120,  760, 1530,  180, "B:           毫米", none,      7},
    Control{"Label1_2",  Kind::Label,   inSize,   120, 1140, 1530,  180, "C:           毫米", none,      8},
    Control{"Label1_3",  Kind::Label,   inSize,   120, 1480, 1530,  180, "D:           毫米", none,      9},
    Control{"Label1_4",  Kind::Label,   inSize,   120, 1815, 1080,  180, "总长度(+20):",      none,      17},
    Control{"Label1_5",  Kind::Label,   inSize,  1280, 2080,  360,  180, "毫米",              none,      18},
    Control{"CMA",       Kind::TextBox, inSize,   360,  360,  855,  270, "",                  none,      5, Font::Box},
    Control{"CMB",       Kind::TextBox, inSize,   360,  720,  855,  270, "",                  none,      4, Font::Box},
    Control{"CMC",       Kind::TextBox, inSize,   360, 1080,  855,  270, "",                  none,      3, Font::Box},
    Control{"CMD",       Kind::TextBox, inSize,   360, 1440,  855,  270, "",                  none,      2, Font::Box},
    Control{"CME",       Kind::TextBox, inSize,   120, 2040, 1095,  270, "",                  none,      16, Font::Box},
    Control{"MCount",    Kind::Button,  nullptr, 2040, 4800, 1695,  495, "输出结果(&Count)",  none,      0},
};
// clang-format on

} // namespace

std::span<const Control> controls() { return table; }

// The window's Song face travels with the program (the glyphs it draws, cut
// from AR PL UMing CN), so its layout is the same whatever fonts a machine
// has. Characters a user types that it lacks come from the system's fonts.
static QString songFamily()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/uming-subset.ttf"));
        const auto families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("AR PL UMing CN") : families.constFirst();
    }();
    return family;
}

// Sizes in pixels, so the boxes stay over the gaps in their labels at any
// font DPI.
QFont qtFont(Font which)
{
    QFont font(songFamily());
#ifdef Q_OS_WIN
    // As a Linux desktop sets it: light hinting keeps the face's own widths
    // (6 px per Latin character at 12 px), which the layout is measured in.
    font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    switch (which) {
    case Font::Default:
        font.setPixelSize(12); // 9 pt at 96 dpi
        break;
    case Font::Box:
        font.setPixelSize(14); // 10.5 pt
        break;
    case Font::Title:
        font.setPixelSize(21); // 15.75 pt
        font.setBold(true);
        break;
    }
    return font;
}

QPalette windowPalette()
{
    const QColor face(240, 240, 240);
    QPalette palette(Qt::black, face, Qt::white, QColor(160, 160, 160), QColor(160, 160, 160),
                     Qt::black, Qt::white, Qt::white, face);
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Dark, QColor(105, 105, 105));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(109, 109, 109));
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(109, 109, 109));
    return palette;
}

} // namespace ui
