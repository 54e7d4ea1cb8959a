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
    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    const int pitch = font().pixelSize();
    int y = 0;
    for (const auto &paragraph : text().split(u'\n')) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (auto line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
            line.setPosition(QPointF(0, y));
            y += pitch;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF());
    }
}

} // namespace ui
