// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/resultbox.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace ui {

namespace {
// QLineEdit keeps this much clear on either side of its text, and one
// pixel more for the caret.
constexpr int lineEditMargin = 2;
} // namespace

ResultBox::ResultBox(const QFont &font, QWidget *parent)
    : QLineEdit(parent), fullPixelSize(font.pixelSize())
{
    setFont(font);
    setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::fit);
}

void ResultBox::fit()
{
    QFont f = font();
    const int room = textWidth();
    auto fits = [&](int pixelSize) {
        f.setPixelSize(pixelSize);
        return QFontMetrics(f).horizontalAdvance(text()) + 1 <= room;
    };
    int size = fullPixelSize;
    while (size > smallestPixelSize && !fits(size))
        --size;
    setToolTip(fits(size) ? QString() : text());
    setFont(f);
}

int ResultBox::textWidth() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).width() - 2 * lineEditMargin;
}

} // namespace ui
