// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "startguard.h"

#include "console.h"
#include "language.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char noDisplayEnglish[] =
    "tolvera: cannot open the window: a graphical display is needed (is DISPLAY set?)\n";
constexpr char noDisplayChinese[] = "tolvera: 无法打开窗口：需要图形显示（DISPLAY 是否已设置？）\n";

struct Held
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler passOn = nullptr;
QList<Held> held;

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.append({type, context.category, text});
        return;
    }
    useConsole();
#ifndef Q_OS_WIN // Windows always has its display
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs(chineseLocale() ? noDisplayChinese : noDisplayEnglish, stderr);
    } else
#endif
    { // a display that cannot be reached, or Qt's plugins missing: Qt says which
        for (const auto &message : std::as_const(held))
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    std::_Exit(1);
}

} // namespace

StartGuard::StartGuard() { passOn = qInstallMessageHandler(holdBack); }

StartGuard::~StartGuard()
{
    qInstallMessageHandler(passOn);
    for (const auto &message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr : message.category.constData());
        if (passOn)
            passOn(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
    held.clear();
}
