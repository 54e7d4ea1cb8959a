// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "runtime/message.h"

#include <QPointer>

class QWidget;

namespace ui {

// Message boxes on screen, modal to and centred over their owner window.
class MessageBoxes
{
public:
    explicit MessageBoxes(QWidget *owner) : owner(owner) {}

    // Shows the box and returns once the user has dismissed it.
    void show(const rt::Message &message);

    // True while a box is on screen, waiting for the user.
    bool isOpen() const { return open; }

private:
    QPointer<QWidget> owner;
    bool open = false;
};

} // namespace ui
