// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace ui {

// A drawing shown at its natural size inside a sunken two-pixel border.
// It is vector art, so it stays sharp at any screen scale.
class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(const QString &resource, QWidget *parent = nullptr);

    static constexpr int border = 2;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer renderer;
};

} // namespace ui
