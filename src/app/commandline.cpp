// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "commandline.h"

#include "calc/calculation.h"
#include "runtime/conversion.h"
#include "ui/dimensions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

// The language of messages: as gettext programs pick it, or on Windows the
// user's display language.
bool chineseLocale()
{
#ifdef Q_OS_WIN
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
#else
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value.startsWith("zh");
    }
    return false;
#endif
}

// The arguments as the user typed them: on Windows as UTF-16, since the
// 8-bit ones lose what the code page cannot hold (full-width digits).
QStringList arguments(int argc, char *argv[])
{
    QStringList list;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            list << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
#else
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
#endif
    return list;
}

// A Windows program with a window has no console of its own: what it says
// on the command line goes to the console of the prompt that started it,
// unless it is redirected to a file or a pipe already. Text is UTF-8.
void useConsole()
{
#ifdef Q_OS_WIN
    static bool attached = false;
    if (attached)
        return;
    attached = true;
    const bool redirected = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN;
    if (!redirected && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
        SetConsoleOutputCP(CP_UTF8);
    }
#endif
}

constexpr char helpEnglish[] =
    "Usage: tolvera [--help | --version | FREQUENCY...]\n"
    "J antenna calculator: type the transmit frequency in MHz, press\n"
    "\"输出结果(Count)\" (Alt+C) and read the cut lengths A to D and the total\n"
    "tube length E in millimetres.\n"
    "With frequencies in MHz (tolvera 145 433.5), prints A to E for each\n"
    "instead of opening the window; a frequency the window would reject gets\n"
    "the window's message on standard error and exit status 1.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n";

constexpr char helpChinese[] =
    "用法：tolvera [--help | --version | 频率...]\n"
    "J型天线计算器：输入发射频率（MHz），按“输出结果(Count)”（Alt+C），\n"
    "即得各段尺寸 A 至 D 和管材总长度 E（毫米）。\n"
    "给出频率（MHz，如 tolvera 145 433.5）时不打开窗口，逐个输出 A 至 E；\n"
    "窗口不接受的频率在标准错误输出窗口的提示，退出状态为 1。\n"
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

// Keeps what the window would have shown in a box.
class HeldMessage : public rt::Prompter
{
public:
    void show(const rt::Message &message) override { held = message; }
    std::optional<rt::Message> held;
};

// Qt's own options (-platform, -style…) start with a dash and a letter;
// "-145" and "-.5" are frequencies.
bool looksLikeOption(const QString &argument)
{
    return argument.size() > 1 && argument[0] == u'-' && argument[1] != u'.'
           && !(argument[1] >= u'0' && argument[1] <= u'9');
}

// Each frequency as the window calculates it, the same texts as its boxes.
int printDimensions(const QStringList &frequencies)
{
    const bool chinese = chineseLocale();
    const QString unit = chinese ? QStringLiteral("毫米") : QStringLiteral("mm");
    int status = 0;
    bool first = true;
    for (const auto &frequency : frequencies) {
        calc::BoxTexts boxes(frequency);
        HeldMessage prompter;
        if (const auto error = calc::calculate(boxes, prompter))
            prompter.held = rt::errorReport(*error);
        if (prompter.held) {
            const auto said = prompter.held->prompt.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(u' ');
            std::fprintf(stderr, "tolvera: %s: %s\n", qPrintable(frequency), qPrintable(said));
            std::fflush(stderr);
            status = 1;
            continue;
        }
        qsizetype width = 0;
        for (const auto &dimension : ui::dimensions())
            width = std::max(width, boxes.text(dimension.box).size());
        QString block = first ? QString() : QStringLiteral("\n");
        first = false;
        block += rt::trim(frequency) + QStringLiteral(" MHz\n");
        for (const auto &dimension : ui::dimensions())
            block += QStringLiteral("%1  %2 %3\n")
                         .arg(QLatin1Char(dimension.letter))
                         .arg(boxes.text(dimension.box), int(width))
                         .arg(unit);
        std::fputs(block.toUtf8().constData(), stdout);
        std::fflush(stdout);
    }
    return status;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QStringList frequencies;
    bool qtOptions = false;
    bool optionsEnd = false;
    for (const auto &argument : arguments(argc, argv)) {
        if (optionsEnd || !looksLikeOption(argument)) {
            frequencies << argument;
        } else if (argument == u"--") {
            optionsEnd = true;
        } else if (argument == u"--version" || argument == u"-v") {
            useConsole();
            std::fputs("Tolvera " TOLVERA_VERSION "\n", stdout);
            return 0;
        } else if (argument == u"--help" || argument == u"-h") {
            useConsole();
            std::fputs(chineseLocale() ? helpChinese : helpEnglish, stdout);
            return 0;
        } else {
            qtOptions = true;
        }
    }
    // Qt's options are for the window, with whatever follows them.
    if (frequencies.isEmpty() || qtOptions)
        return std::nullopt;
    useConsole();
    return printDimensions(frequencies);
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
