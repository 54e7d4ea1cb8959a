// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

namespace ui {

// The diagram at its natural size inside a sunken two-pixel border, sharp
// at any screen scale.
class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);

    static constexpr int border = 2;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
