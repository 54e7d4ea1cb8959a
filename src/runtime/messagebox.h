// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "runtime/message.h"

#include <QPointer>

class QWidget;

namespace rt {

// Message boxes on screen, modal to and centred over their owner window.
class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *owner) : owner(owner) {}
    void show(const Message &message) override;

    // True while a box is on screen, waiting for the user.
    bool isOpen() const { return open; }

private:
    QPointer<QWidget> owner;
    bool open = false;
};

} // namespace rt
