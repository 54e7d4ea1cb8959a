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

private:
    QPointer<QWidget> owner;
};

} // namespace rt
