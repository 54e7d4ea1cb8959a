// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/messagebox.h"

#include <QMessageBox>
#include <QPushButton>

namespace ui {

void MessageBoxes::show(const rt::Message &message)
{
    const auto icon = message.icon == rt::MessageIcon::Exclamation ? QMessageBox::Warning
                                                               : QMessageBox::Critical;
    QMessageBox box(icon, message.title, message.prompt, QMessageBox::NoButton, owner);
    if (owner) { // a box is a window of its own: it inherits nothing
        box.setFont(owner->font());
        box.setPalette(owner->palette());
    }
    // A Chinese desktop labels the one button "确定", whatever Qt's translations say.
    box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    open = true;
    box.exec();
    open = false;
    // Hand the keyboard back to the window the user was typing in, even
    // where the window manager would leave it nowhere.
    if (owner)
        owner->activateWindow();
}

} // namespace ui
