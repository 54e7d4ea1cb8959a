// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "commandline.h"

#include "console.h"
#include "help.h"
#include "language.h"
#include "printresults.h"

#include <QString>
#include <QStringList>

namespace {

// Qt's own options (-platform, -style…) start with a dash and a letter;
// "-145" and "-.5" are frequencies.
bool looksLikeOption(const QString &argument)
{
    return argument.size() > 1 && argument[0] == u'-' && argument[1] != u'.'
           && !(argument[1] >= u'0' && argument[1] <= u'9');
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
            printOut(QStringLiteral("Tolvera " TOLVERA_VERSION "\n"));
            return 0;
        } else if (argument == u"--help" || argument == u"-h") {
            useConsole();
            printOut(QString::fromUtf8(helpText(chineseLocale())));
            return 0;
        } else {
            qtOptions = true;
        }
    }
    // Qt's options are for the window, with whatever follows them.
    if (frequencies.isEmpty() || qtOptions)
        return std::nullopt;
    useConsole();
    return printResults(frequencies);
}
