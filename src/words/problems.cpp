// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "words/words.h"

#include <QFileInfo>

namespace words {

QString problem(const antenna::Problem &p)
{
    using Kind = antenna::Problem::Kind;
    switch (p.kind) {
    case Kind::BadFrequency:
        return Tolvera::tr("cannot model it: the frequency must be positive");
    case Kind::BadTube:
        return Tolvera::tr("the tube diameter must be a number above 0 (mm)");
    case Kind::TubeTooThick:
        return Tolvera::tr("the tube is too thick: the spacing D must be at least three tube diameters, or the tubes "
                        "nearly touch and the model means nothing; at most %1 mm at this frequency")
            .arg(QString::number(p.thickestTubeMm, 'f', 1));
    case Kind::BadLengths:
        return Tolvera::tr("cannot model it: the lengths must satisfy 0 < C < B < A and D > 0");
    case Kind::OutOfRange:
        return Tolvera::tr("cannot model it: the model covers %1 to %2 MHz only")
            .arg(QString::number(p.lowestMhz, 'g', 10), QString::number(p.highestMhz, 'g', 10));
    case Kind::Nec2cMissing:
#ifdef Q_OS_WIN
        return Tolvera::tr("nec2c.exe is missing: it belongs beside tolvera.exe; install Tolvera again");
#else
        return Tolvera::tr("nec2c is missing: install the nec2c package (sudo apt-get install nec2c)");
#endif
    case Kind::Nec2cFailed:
        return Tolvera::tr("nec2c failed: %1").arg(p.detail);
    case Kind::Nec2cTimedOut:
        return Tolvera::tr("nec2c ran for more than %1 s and was stopped").arg(p.seconds);
    case Kind::Nec2cGarbled:
        return Tolvera::tr("nec2c's output makes no sense: %1 (line %2)").arg(p.detail).arg(p.line);
    case Kind::Cancelled:
        return Tolvera::tr("cancelled");
    }
    return {};
}

QString touchstoneError(const antenna::TouchstoneError &e, const QString &file)
{
    using Kind = antenna::TouchstoneError::Kind;
    const QString name = QFileInfo(file).fileName();
    const QString where = e.line > 0 ? Tolvera::tr("%1, line %2: ").arg(name).arg(e.line) : Tolvera::tr("%1: ").arg(name);
    QString what;
    switch (e.kind) {
    case Kind::Unreadable:
        what = Tolvera::tr("cannot be opened (%1)").arg(e.detail);
        break;
    case Kind::TooLarge:
        what = Tolvera::tr("too large (%1 MB) for an analyser's sweep").arg(e.detail);
        break;
    case Kind::NotText:
        what = Tolvera::tr("not a text file");
        break;
    case Kind::LineTooLong:
        what = Tolvera::tr("the line is too long");
        break;
    case Kind::NoOptionLine:
        what = Tolvera::tr("no option line (such as # MHz S RI R 50)");
        break;
    case Kind::BadOptionLine:
        what = Tolvera::tr("the option line is wrong: %1").arg(e.detail);
        break;
    case Kind::UnknownUnit:
        what = Tolvera::tr("Touchstone has no frequency unit %1").arg(e.detail);
        break;
    case Kind::NotS:
        what = Tolvera::tr("only S, Y and Z parameters are read, not %1").arg(e.detail);
        break;
    case Kind::NotANumber:
        what = Tolvera::tr("\"%1\" is not a number").arg(e.detail);
        break;
    case Kind::WrongCount:
        what = Tolvera::tr("%1 values, not a frequency and whole pairs").arg(e.detail);
        break;
    case Kind::NotRising:
        what = Tolvera::tr("frequency %1 does not rise (it repeats or goes back)").arg(e.detail);
        break;
    case Kind::NoData:
        what = Tolvera::tr("no data");
        break;
    case Kind::TooManyPorts:
        what = Tolvera::tr("only .s1p and .s2p files are read");
        break;
    case Kind::BadVersion:
        what = Tolvera::tr("Touchstone version %1 is not read: only version 1 and 2.0").arg(e.detail);
        break;
    case Kind::BadKeyword:
        what = Tolvera::tr("the keyword %1 is wrong or out of place here").arg(e.detail);
        break;
    case Kind::WrongFrequencyCount:
        what = Tolvera::tr("%1 frequencies, not as many as [Number of Frequencies] says").arg(e.detail);
        break;
    }
    return where + what;
}

} // namespace words
