// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "commandline.h"

#include "console.h"
#include "help.h"
#include "language.h"
#include "printmeasured.h"
#include "printprediction.h"
#include "printresults.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace {

// Qt's own options (-platform, -style…) start with a dash and a letter;
// "-145" and "-.5" are frequencies.
bool looksLikeOption(const QString &argument)
{
    return argument.size() > 1 && argument[0] == u'-' && argument[1] != u'.'
           && !(argument[1] >= u'0' && argument[1] <= u'9');
}

int usageError(const QString &what)
{
    useConsole();
    printError(QStringLiteral("tolvera: %1\n").arg(what));
    return 1;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    const bool chinese = chineseLocale();
    QStringList frequencies;
    bool qtOptions = false;
    bool optionsEnd = false;
    bool predict = false;
    bool json = false;
    std::optional<QString> tube;
    std::optional<QString> measured;
    const auto args = arguments(argc, argv);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const auto &argument = args[i];
        if (optionsEnd || !looksLikeOption(argument)) {
            frequencies << argument;
        } else if (argument == u"--") {
            optionsEnd = true;
        } else if (argument == u"--version" || argument == u"-v") {
            useConsole();
            printOut(QStringLiteral("Tolvera " TOLVERA_VERSION "\n"));
            return 0;
        } else if (argument == u"--help" || argument == u"-h") {
            useConsole();
            printOut(QString::fromUtf8(helpText(chinese)));
            return 0;
        } else if (argument == u"--predict") {
            predict = true;
        } else if (argument == u"--json") {
            json = true;
        } else if (argument == u"--tube" || argument.startsWith(u"--tube=")) {
            if (argument == u"--tube" && i + 1 == args.size())
                return usageError(chinese ? QStringLiteral("--tube：缺少管径（毫米）") : QStringLiteral("--tube needs a diameter in mm"));
            tube = argument == u"--tube" ? args[++i] : argument.mid(7);
        } else if (argument == u"--measured" || argument.startsWith(u"--measured=")) {
            if (argument == u"--measured" && i + 1 == args.size())
                return usageError(chinese ? QStringLiteral("--measured：缺少文件名") : QStringLiteral("--measured needs a file"));
            measured = argument == u"--measured" ? args[++i] : argument.mid(11);
        } else {
            qtOptions = true;
        }
    }
    if (measured) {
        if (predict || frequencies.size() > 1)
            return usageError(chinese ? QStringLiteral("--measured 只接受一个目标频率，不与 --predict 同用")
                                      : QStringLiteral("--measured takes one target frequency, and no --predict"));
        useConsole();
        QCoreApplication app(argc, argv);
        return printMeasured(*measured, frequencies.isEmpty() ? std::nullopt : std::optional(frequencies.front()), tube,
                             json);
    }
    if ((tube || json) && !predict)
        return usageError(chinese ? QStringLiteral("--tube 和 --json 只与 --predict 或 --measured 一起使用")
                                  : QStringLiteral("--tube and --json go with --predict or --measured"));
    if (predict && frequencies.isEmpty())
        return usageError(chinese ? QStringLiteral("--predict：缺少频率（MHz）") : QStringLiteral("--predict needs a frequency in MHz"));
    // Qt's options are for the window, with whatever follows them.
    if (frequencies.isEmpty() || qtOptions)
        return std::nullopt;
    useConsole();
    if (!predict)
        return printResults(frequencies);
    // nec2c runs as a separate process, found beside the program too.
    QCoreApplication app(argc, argv);
    return printPredictions(frequencies, tube, json);
}
