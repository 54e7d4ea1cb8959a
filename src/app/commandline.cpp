// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "commandline.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The language of messages, as gettext programs pick it.
bool chineseLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value.startsWith("zh");
    }
    return false;
}

constexpr char helpEnglish[] =
    "Usage: tolvera [--help | --version]\n"
    "J antenna calculator: type the transmit frequency in MHz, press\n"
    "\"输出结果(Count)\" (Alt+C) and read the cut lengths A to D and the total\n"
    "tube length E in millimetres.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n";

constexpr char helpChinese[] =
    "用法：tolvera [--help | --version]\n"
    "J型天线计算器：输入发射频率（MHz），按“输出结果(Count)”（Alt+C），\n"
    "即得各段尺寸 A 至 D 和管材总长度 E（毫米）。\n"
    "\n"
    "  -h, --help     显示本帮助并退出\n"
    "  -v, --version  显示版本并退出\n";

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
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs(chineseLocale() ? noDisplayChinese : noDisplayEnglish, stderr);
    } else { // a display that cannot be reached, or Qt's plugins missing: Qt says which
        for (const auto &message : std::as_const(held))
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    std::_Exit(1);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "-v") == 0) {
            std::fputs("Tolvera " TOLVERA_VERSION "\n", stdout);
            return 0;
        }
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::fputs(chineseLocale() ? helpChinese : helpEnglish, stdout);
            return 0;
        }
    }
    return std::nullopt;
}

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
