#include "ui/label.h"

#include <QPainter>
#include <QTextLayout>

namespace ui {

Label::Label(const QString &text, bool wraps, QWidget *parent) : QLabel(text, parent)
{
    setWordWrap(wraps);
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    // Bold is struck twice, a pixel apart, as the classic Song bold is; a
    // synthesised bold depends on the font configuration of the machine.
    QFont face = font();
    const bool overstrike = face.bold();
    face.setBold(false);
    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    const int pitch = font().pixelSize();
    int y = 0;
    for (const auto &paragraph : text().split(u'\n')) {
        QTextLayout layout(paragraph, face);
        layout.setTextOption(option);
        layout.beginLayout();
        for (auto line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
            line.setPosition(QPointF(0, y));
            y += pitch;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF());
        if (overstrike)
            layout.draw(&painter, QPointF(1, 0));
    }
}

} // namespace ui
