// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/label.h"

#include "ui/accessible.h"

#include <QPainter>
#include <QTextLayout>

namespace ui {

Label::Label(const QString &text, bool wraps, QWidget *parent) : QLabel(text, parent)
{
    setWordWrap(wraps);
    // Heard as it is read: "作者 Ulq", not letter by letter.
    setAccessibleName(spoken(text));
}

// Lays the text out at the fixed pitch, one layout per paragraph. Bold is
// struck twice, a pixel apart, as the classic Song bold is (see paintEvent),
// so the layouts use the regular face.
std::vector<std::unique_ptr<QTextLayout>> Label::layOut() const
{
    QFont face = font();
    face.setBold(false);
    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    const int pitch = font().pixelSize();
    int y = 0;
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    for (const auto &paragraph : text().split(u'\n')) {
        auto &layout = layouts.emplace_back(std::make_unique<QTextLayout>(paragraph, face));
        layout->setTextOption(option);
        layout->beginLayout();
        for (auto line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width());
            line.setPosition(QPointF(0, y));
            y += pitch;
        }
        layout->endLayout();
    }
    return layouts;
}

QStringList Label::lines() const
{
    QStringList texts;
    for (const auto &layout : layOut()) {
        for (int i = 0; i < layout->lineCount(); ++i) {
            const auto line = layout->lineAt(i);
            texts << layout->text().mid(line.textStart(), line.textLength());
        }
    }
    return texts;
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    // A synthesised bold would depend on the machine's font configuration.
    const bool overstrike = font().bold();
    for (const auto &layout : layOut()) {
        layout->draw(&painter, QPointF());
        if (overstrike)
            layout->draw(&painter, QPointF(1, 0));
    }
}

} // namespace ui
