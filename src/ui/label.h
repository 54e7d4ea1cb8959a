// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

#include <memory>
#include <vector>

class QTextLayout;

namespace ui {

// A transparent label that sets its lines at a fixed pitch, one font size
// apart, as the layout's measurements assume; Qt's own line spacing for the
// same font can be a pixel taller and would push the last line out.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(const QString &text, bool wraps, QWidget *parent = nullptr);

    // The lines as drawn, after wrapping.
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<std::unique_ptr<QTextLayout>> layOut() const;
};

} // namespace ui
