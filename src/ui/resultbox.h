// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>

namespace ui {

// A read-only box that shows one result whole: a result too wide for the
// box is set in a smaller font, down to 9 px, and back in the full size
// when the next one fits. One too wide even then shows its leading digits
// and carries its whole text as a tooltip; it can still be selected and
// copied whole.
class ResultBox : public QLineEdit
{
    Q_OBJECT
public:
    ResultBox(const QFont &font, QWidget *parent = nullptr);

    static constexpr int smallestPixelSize = 9;

private:
    void fit();
    int textWidth() const;

    int fullPixelSize;
};

} // namespace ui
