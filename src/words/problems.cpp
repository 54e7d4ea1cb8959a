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
        return Tolvera::tr("the tube is too thick: the legs would come closer than a tube's radius, where the model "
                           "means nothing; at most %1 mm at this frequency")
            .arg(QString::number(p.thickestMm, 'f', 1));
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
    case Kind::BadHeight:
        return Tolvera::tr("the height must be above 0 m, above the mast's clamp, and at most %1 m (20 wavelengths) "
                           "at this frequency")
            .arg(QString::number(p.highestM, 'f', 1));
    case Kind::BadMast:
        return Tolvera::tr("the mast must be thicker than 0 mm and at most %1 mm here, or it would touch the coax")
            .arg(QString::number(p.thickestMm, 'f', 1));
    case Kind::BadCoax:
        return Tolvera::tr("the coax must be thicker than 0 mm and at most %1 mm at this frequency")
            .arg(QString::number(p.thickestMm, 'f', 1));
    case Kind::BadChoke:
        return Tolvera::tr("the choke's impedance must be above 0 ohm");
    case Kind::ChokeWithoutCoax:
        return Tolvera::tr("a choke goes on the coax: give the coax too");
    case Kind::ChokeBelowGround:
        return Tolvera::tr("the choke must be on the coax above the ground: less than %1 m below the J")
            .arg(QString::number(p.highestM, 'g', 4));
    }
    return {};
}

QString analyserFault(const analyser::Fault &fault)
{
    using Kind = analyser::Fault::Kind;
    QString what;
    switch (fault.kind) {
    case Kind::CannotOpen:
        what = Tolvera::tr("no such port, or it is gone");
        break;
    case Kind::NoPermission:
#ifdef Q_OS_WIN
        what = Tolvera::tr("no permission to open the port");
#else
        what = Tolvera::tr("no permission to open the port: add yourself to the dialout group "
                           "(sudo usermod -aG dialout $USER), then log out and in again");
#endif
        break;
    case Kind::Busy:
        what = Tolvera::tr("another program holds the port: close it (NanoVNA-Saver, a terminal) and try again");
        break;
    case Kind::NotAnalyser:
        what = Tolvera::tr("it answers, but not as a NanoVNA");
        break;
    case Kind::NoAnswer:
        what = Tolvera::tr("the analyser does not answer: is it switched on, and this its port?");
        break;
    case Kind::Garbled:
        what = Tolvera::tr("the analyser sent a value that makes no sense (%1): sweep again").arg(fault.detail.left(60));
        break;
    case Kind::WrongCount:
        what = Tolvera::tr("the analyser sent %1 points, not as many as asked: sweep again").arg(fault.detail);
        break;
    case Kind::Bootloader:
        what = Tolvera::tr("the analyser is in its bootloader: switch it off and on again");
        break;
    case Kind::Unplugged:
        what = Tolvera::tr("the analyser was unplugged during the sweep");
        break;
    case Kind::BadRequest:
        what = Tolvera::tr("the analyser cannot sweep these frequencies (%1)").arg(fault.detail.left(60));
        break;
    case Kind::Cancelled:
        what = Tolvera::tr("cancelled");
        break;
    }
    return Tolvera::tr("%1: ").arg(fault.port) + what;
}

QString uncalibrated() { return Tolvera::tr("raw ratios from a V2, not a calibrated measurement: read them with care"); }

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
