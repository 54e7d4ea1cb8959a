// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "commandline.h"

#include "console.h"
#include "help.h"
#include "installationoptions.h"
#include "language.h"
#include "printmeasured.h"
#include "printprediction.h"
#include "printresults.h"
#include "printsweep.h"

#include "words/words.h"

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

// What the command line asks for.
struct Asked
{
    enum class Job { Window, Version, Help, Results, Predict, Measured, Sweep, Usage } job = Job::Window;
    QStringList frequencies;
    bool json = false;
    std::optional<QString> tube;
    std::optional<QString> measured;
    std::optional<QString> sweep, points, save;
    InstallationOptions installation;
    const char *usage = nullptr; // what is wrong with it, untranslated, %1 the option
    QString about;
};

Asked usage(const char *why, const QString &about = {})
{
    Asked asked;
    asked.job = Asked::Job::Usage;
    asked.usage = why;
    asked.about = about;
    return asked;
}

// "--name VALUE" or "--name=VALUE"; false when it is not this option.
bool valueOf(const QStringList &args, qsizetype &i, const char *name, std::optional<QString> &into, bool &missing)
{
    const QString option = QLatin1String(name);
    const auto &argument = args[i];
    if (argument == option) {
        missing = i + 1 == args.size();
        if (!missing)
            into = args[++i];
        return true;
    }
    if (argument.startsWith(option + u'=')) {
        into = argument.mid(option.size() + 1);
        return true;
    }
    return false;
}

Asked parse(const QStringList &args)
{
    Asked asked;
    bool qtOptions = false, optionsEnd = false, predict = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const auto &argument = args[i];
        bool missing = false;
        if (optionsEnd || !looksLikeOption(argument)) {
            asked.frequencies << argument;
        } else if (argument == u"--") {
            optionsEnd = true;
        } else if (argument == u"--version" || argument == u"-v") {
            asked.job = Asked::Job::Version;
            return asked;
        } else if (argument == u"--help" || argument == u"-h") {
            asked.job = Asked::Job::Help;
            return asked;
        } else if (argument == u"--predict") {
            predict = true;
        } else if (argument == u"--json") {
            asked.json = true;
        } else if (valueOf(args, i, "--tube", asked.tube, missing)) {
            if (missing)
                return usage(QT_TRANSLATE_NOOP("Tolvera", "--tube needs a diameter in mm"));
        } else if (valueOf(args, i, "--measured", asked.measured, missing)) {
            if (missing)
                return usage(QT_TRANSLATE_NOOP("Tolvera", "--measured needs a file"));
        } else if (valueOf(args, i, "--sweep", asked.sweep, missing) || valueOf(args, i, "--points", asked.points, missing)
                   || valueOf(args, i, "--save", asked.save, missing)) {
            if (missing)
                return usage(QT_TRANSLATE_NOOP("Tolvera", "%1 needs a value"), argument);
        } else if (auto &o = asked.installation;
                   valueOf(args, i, "--as-built", o.asBuilt, missing) || valueOf(args, i, "--ground", o.ground, missing)
                   || valueOf(args, i, "--height", o.height, missing) || valueOf(args, i, "--mast", o.mast, missing)
                   || valueOf(args, i, "--coax", o.coax, missing) || valueOf(args, i, "--choke-at", o.chokeAt, missing)
                   || valueOf(args, i, "--choke", o.choke, missing)) {
            if (missing)
                return usage(QT_TRANSLATE_NOOP("Tolvera", "%1 needs a value"), argument);
        } else {
            qtOptions = true;
        }
    }
    if (asked.sweep) {
        if (predict || asked.measured || asked.frequencies.size() != 1 || asked.installation.any())
            return usage(QT_TRANSLATE_NOOP("Tolvera", "--sweep takes one frequency, and no --predict or --measured"));
        asked.job = Asked::Job::Sweep;
        return asked;
    }
    if (asked.points || asked.save)
        return usage(QT_TRANSLATE_NOOP("Tolvera", "--points and --save go with --sweep"));
    if (asked.measured) {
        if (predict || asked.frequencies.size() > 1 || asked.installation.any())
            return usage(QT_TRANSLATE_NOOP("Tolvera", "--measured takes one target frequency, and no --predict"));
        asked.job = Asked::Job::Measured;
        return asked;
    }
    if ((asked.tube || asked.json) && !predict)
        return usage(QT_TRANSLATE_NOOP("Tolvera", "--tube and --json go with --predict or --measured"));
    if (asked.installation.any() && !predict)
        return usage(QT_TRANSLATE_NOOP("Tolvera", "--as-built, --ground, --height, --mast, --coax, --choke and --choke-at "
                                                  "go with --predict"));
    if (predict && asked.frequencies.isEmpty())
        return usage(QT_TRANSLATE_NOOP("Tolvera", "--predict needs a frequency in MHz"));
    // Qt's options are for the window, with whatever follows them.
    if (asked.frequencies.isEmpty() || qtOptions)
        return asked;
    asked.job = predict ? Asked::Job::Predict : Asked::Job::Results;
    return asked;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    const auto asked = parse(arguments(argc, argv));
    if (asked.job == Asked::Job::Window)
        return std::nullopt;
    useConsole();
    // nec2c runs as a separate process, found beside the program too; the
    // words come from the translation the program carries.
    QCoreApplication app(argc, argv);
    if (chineseLocale())
        words::speakChinese();
    switch (asked.job) {
    case Asked::Job::Window:
        break;
    case Asked::Job::Version:
        printOut(QStringLiteral("Tolvera " TOLVERA_VERSION "\n"));
        return 0;
    case Asked::Job::Help:
        printOut(helpText());
        return 0;
    case Asked::Job::Usage:
        printError(QStringLiteral("tolvera: %1\n").arg(asked.about.isEmpty() ? Tolvera::tr(asked.usage)
                                                                            : Tolvera::tr(asked.usage).arg(asked.about)));
        return 1;
    case Asked::Job::Results:
        return printResults(asked.frequencies);
    case Asked::Job::Predict:
        return printPredictions(asked.frequencies, asked.tube, asked.installation, asked.json);
    case Asked::Job::Sweep:
        return printSweep(*asked.sweep, asked.frequencies.front(), asked.points, asked.save, asked.tube, asked.json);
    case Asked::Job::Measured:
        return printMeasured(*asked.measured,
                             asked.frequencies.isEmpty() ? std::nullopt : std::optional(asked.frequencies.front()),
                             asked.tube, asked.json);
    }
    return 1;
}
