#pragma once

#include <QLabel>

namespace ui {

// A transparent label that sets its lines at a fixed pitch, one font size
// apart, as the layout's measurements assume; Qt's own line spacing for the
// same font can be a pixel taller and would push the last line out.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(const QString &text, bool wraps, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
