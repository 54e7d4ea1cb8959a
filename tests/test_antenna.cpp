// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/deck.h"
#include "antenna/measurement.h"
#include "antenna/model.h"
#include "antenna/nec2c.h"
#include "antenna/necoutput.h"
#include "antenna/prediction.h"
#include "antenna/swr.h"
#include "antenna/touchstone.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using antenna::JPole;
using antenna::Problem;

namespace {

// The lengths the calculation gives at 145 MHz, and a tube.
JPole j145(double tube) { return {1481.96, 491.88, 48.35, 46.25, tube}; }

QByteArray sample()
{
    QFile file(QStringLiteral(TOLVERA_TEST_DATA "/nec2c-j145.out"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no sample output");
    return file.readAll();
}

// The lowest-SWR frequency of the model's sweep around f.
double resonance(const JPole &j, double mhz, int refinement = 1)
{
    const auto feed = antenna::sweep(antenna::model(j, antenna::segmentation(j, mhz, refinement)),
                                     antenna::sweepAround(mhz), antenna::Nec2c());
    if (!std::holds_alternative<std::vector<antenna::FeedPoint>>(feed))
        qFatal("nec2c: %s", qPrintable(std::get<Problem>(feed).text(false)));
    std::vector<antenna::SwrPoint> curve;
    for (const auto &p : std::get<std::vector<antenna::FeedPoint>>(feed))
        curve.push_back({p.mhz, antenna::swr(p.z)});
    return antenna::summarize(curve).best.mhz;
}

// The prediction for the 8 mm tube at 145 MHz, made once.
const antenna::Prediction &prediction8mm()
{
    static const auto made = antenna::predict(j145(8), 145, antenna::Nec2c());
    if (!std::holds_alternative<antenna::Prediction>(made))
        qFatal("nec2c: %s", qPrintable(std::get<Problem>(made).text(false)));
    return std::get<antenna::Prediction>(made);
}

QString written(QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    const auto path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text);
    return path;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<Problem::Kind>)
Q_DECLARE_METATYPE(antenna::TouchstoneError::Kind)

class TestAntenna : public QObject
{
    Q_OBJECT

private slots:
    void refusal_data();
    void refusal();
    void segmentsFollowNecLimits_data();
    void segmentsFollowNecLimits();
    void deck();
    void readOutput_data();
    void readOutput();
    void summarize_data();
    void summarize();
    void runner_data();
    void runner();
    void halfWaveDipole();
    void jResonanceMovesUpAsTheTubeThins();
    void doublingTheSegmentsChangesLittle_data();
    void doublingTheSegmentsChangesLittle();
    void correctedLengthsResonateAtF();
    void readTouchstone_data();
    void readTouchstone();
    void badTouchstone_data();
    void badTouchstone();
    void cutAdvice_data();
    void cutAdvice();
    void measuredCutMovesTheResonanceToF();
};

void TestAntenna::refusal_data()
{
    QTest::addColumn<JPole>("j");
    QTest::addColumn<double>("mhz");
    QTest::addColumn<std::optional<Problem::Kind>>("problem");
    using K = Problem::Kind;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("145 MHz, 15 mm") << j145(15) << 145.0 << std::optional<K>();
    QTest::newRow("a third of D, just") << j145(46.25 / 3) << 145.0 << std::optional<K>();
    QTest::newRow("a hair over a third of D") << j145(15.5) << 145.0 << std::optional(K::TubeTooThick);
    QTest::newRow("tube of 0") << j145(0) << 145.0 << std::optional(K::BadTube);
    QTest::newRow("negative tube") << j145(-8) << 145.0 << std::optional(K::BadTube);
    QTest::newRow("tube not a number") << j145(nan) << 145.0 << std::optional(K::BadTube);
    QTest::newRow("negative frequency") << JPole{-1481.96, -491.88, -48.35, -46.25, 15} << -145.0
                                        << std::optional(K::BadFrequency);
    QTest::newRow("infinite frequency") << j145(15) << std::numeric_limits<double>::infinity()
                                        << std::optional(K::BadFrequency);
    QTest::newRow("too low to model") << JPole{2.1e10, 7e9, 7e8, 6.7e8, 15} << 1e-5 << std::optional(K::OutOfRange);
    QTest::newRow("too high to model") << JPole{2e-4, 7e-5, 7e-6, 6.7e-6, 1e-6} << 1e9 << std::optional(K::OutOfRange);
    QTest::newRow("many wavelengths tall") << JPole{1e6, 491.88, 48.35, 46.25, 8} << 145.0
                                           << std::optional(K::BadLengths);
    QTest::newRow("feed above the short element") << JPole{1481.96, 40, 48.35, 46.25, 8} << 145.0
                                                  << std::optional(K::BadLengths);
}

void TestAntenna::refusal()
{
    QFETCH(JPole, j);
    QFETCH(double, mhz);
    QFETCH(std::optional<Problem::Kind>, problem);
    const auto refused = antenna::refusal(j, mhz);
    QCOMPARE(refused ? std::optional(refused->kind) : std::nullopt, problem);
    if (problem == Problem::Kind::TubeTooThick) // says how thick a tube may be
        QVERIFY2(refused->text(true).contains(QStringLiteral("15.4 毫米")), qPrintable(refused->text(true)));
}

void TestAntenna::segmentsFollowNecLimits_data()
{
    QTest::addColumn<JPole>("j");
    QTest::addColumn<double>("mhz");
    QTest::newRow("145 MHz, 15 mm") << j145(15) << 145.0;
    QTest::newRow("145 MHz, 3 mm") << j145(3) << 145.0;
    QTest::newRow("7 MHz, 30 mm") << JPole{30697.71, 10189.03, 1001.49, 957.94, 30} << 7.0;
    QTest::newRow("1.8 MHz, 1 mm") << JPole{119380, 39624, 3894.67, 3725.33, 1} << 1.8;
}

// Every segment under a hundredth of a wavelength and no shorter than the
// tube, three across the bend, the feed wire odd and running junction to
// junction, the wires meeting end to end.
void TestAntenna::segmentsFollowNecLimits()
{
    QFETCH(JPole, j);
    QFETCH(double, mhz);
    const auto m = antenna::model(j, antenna::segmentation(j, mhz));
    const double wavelength = antenna::speedOfLight / mhz;
    QCOMPARE(m.radius, j.tube / 2000);
    for (const auto &w : m.wires) {
        const double segment = w.length() / w.segments;
        QVERIFY2(segment <= wavelength / 100 * 1.0001 || w.segments == int(w.length() / (2 * m.radius)),
                 qPrintable(QString::number(segment / wavelength)));
        QVERIFY(segment >= 2 * m.radius * 0.9999);
    }
    const auto &feed = m.wires[m.feedWire];
    QCOMPARE(feed.segments % 2, 1);
    QVERIFY(feed.segments >= 3);
    QCOMPARE(std::abs(feed.x2 - feed.x1), j.d / 1000);
    QCOMPARE(feed.z1, j.c / 1000);
    // Each wire's ends are ends of others: nothing hangs loose but the tops.
    int loose = 0;
    for (const auto &w : m.wires) {
        for (const auto &[x, z] : {std::pair(w.x1, w.z1), std::pair(w.x2, w.z2)}) {
            int meeting = 0;
            for (const auto &o : m.wires)
                meeting += (o.x1 == x && o.z1 == z) + (o.x2 == x && o.z2 == z);
            loose += meeting == 1;
        }
    }
    QCOMPARE(loose, 2);
    // The two legs cut alike where they run side by side.
    QCOMPARE(m.wires[2].segments, m.wires[4].segments);
    // Refined, the feed wire keeps a middle segment.
    QCOMPARE(antenna::segmentation(j, mhz, 2).counts[6], 2 * feed.segments - 1);
}

void TestAntenna::deck()
{
    const auto m = antenna::model(j145(15), antenna::segmentation(j145(15), 145));
    const auto cards = QString::fromLatin1(antenna::sweepDeck(m, antenna::sweepAround(145))).split(u'\n');
    QVERIFY(cards.contains(QStringLiteral("EK")));
    QVERIFY(cards.contains(QStringLiteral("LD 5 0 0 0 58000000")));
    QVERIFY(cards.contains(QStringLiteral("GW 7 3 0 0 0.04835 0.04625 0 0.04835 0.0075")));
    QVERIFY(cards.contains(QStringLiteral("GW 6 %1 0.04625 0 0.49188 0.04625 0 1.48196 0.0075").arg(m.wires[5].segments)));
    QVERIFY(cards.contains(QStringLiteral("EX 0 7 2 0 1 0"))); // the feed wire's middle segment
    QVERIFY(cards.contains(QStringLiteral("FR 0 101 0 0 137.75 0.145")));
    QCOMPARE(cards.filter(QStringLiteral("GW ")).size(), 7);
    const auto pattern = QString::fromLatin1(antenna::patternDeck(m, 145));
    QVERIFY(pattern.contains(QStringLiteral("\nFR 0 1 0 0 145 0\nRP 0 37 72 1000 0 0 5 5\nEN\n")));
}

void TestAntenna::readOutput_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("frequencies");
    QTest::addColumn<int>("directions");
    QTest::addColumn<bool>("read");

    const auto whole = sample();
    QTest::newRow("a sweep and a pattern") << whole << 4 << 4 << true;
    QTest::newRow("CR LF line ends") << QByteArray(whole).replace("\n", "\r\n") << 4 << 4 << true;
    QTest::newRow("fewer frequencies than asked for") << whole << 5 << 4 << false;
    QTest::newRow("no pattern where one was asked for") << whole.left(whole.indexOf("RADIATION")) << 4 << 4 << false;
    QTest::newRow("cut off in the last input parameters")
        << whole.left(whole.lastIndexOf("ANTENNA INPUT PARAMETERS") + 40) << 4 << 0 << false;
    QTest::newRow("an impedance that is no number") << QByteArray(whole).replace("E+01", "E+0x") << 4 << 4 << false;
    QTest::newRow("not a number") << QByteArray(whole).replace("1.4500E+02 MHz", "nan MHz") << 4 << 4 << false;
    QTest::newRow("empty") << QByteArray() << 1 << 0 << false;
    const char binary[] = "\x7f" "ELF\0\1\2\xff\xfe ANTENNA INPUT PARAMETERS\n\n";
    QTest::newRow("binary") << QByteArray(binary, sizeof binary - 1) << 1 << 0 << false;
}

void TestAntenna::readOutput()
{
    QFETCH(QByteArray, text);
    QFETCH(int, frequencies);
    QFETCH(int, directions);
    QFETCH(bool, read);
    const auto out = antenna::readNecOutput(text, frequencies, directions);
    QCOMPARE(std::holds_alternative<antenna::NecOutput>(out), read);
    if (!read) {
        QCOMPARE(std::get<Problem>(out).kind, Problem::Kind::Nec2cGarbled);
        return;
    }
    const auto &o = std::get<antenna::NecOutput>(out);
    QCOMPARE(o.feed.front().mhz, 143.55);
    QCOMPARE(o.feed[1].mhz, 145.0);
    QVERIFY(std::abs(o.feed[1].z - std::complex(o.feed[3].z)) < 1e-9); // 145 MHz twice, the same
    QCOMPARE(o.feed[1].z, std::complex(17.482, 53.587)); // the impedance, not the current or admittance
    QCOMPARE(o.pattern.size(), 4u);
    QCOMPARE(o.pattern.front().theta, 85.0);
    QCOMPARE(o.pattern.back().phi, 90.0);
}

void TestAntenna::summarize_data()
{
    QTest::addColumn<QList<double>>("swr"); // at 100, 101, 102… MHz
    QTest::addColumn<double>("bestMhz");
    QTest::addColumn<double>("bestSwr");
    QTest::addColumn<bool>("atEdge");
    QTest::addColumn<QList<double>>("band"); // empty: none
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("symmetric dip") << QList<double>{3, 2, 1.5, 2, 3} << 102.0 << 1.5 << false << QList<double>{101, 103};
    QTest::newRow("dip between points")
        << QList<double>{3, 1.5, 1.5, 3} << 101.5 << 1.3125 << false << QList<double>{100.666667, 102.333333};
    QTest::newRow("lowest at the top end") << QList<double>{4, 3, 2.5, 1.8} << 103.0 << 1.8 << true
                                           << QList<double>{102 + 0.5 / 0.7, 103};
    QTest::newRow("nowhere at or below 2") << QList<double>{5, 3, 4} << 101 + 1 / 6.0 << 3 - 1 / 24.0 << false << QList<double>{};
    QTest::newRow("off the scale around a dip") << QList<double>{inf, 1.2, inf} << 101.0 << 1.2 << false
                                                << QList<double>{101, 101};
}

void TestAntenna::summarize()
{
    QFETCH(QList<double>, swr);
    QFETCH(double, bestMhz);
    QFETCH(double, bestSwr);
    QFETCH(bool, atEdge);
    QFETCH(QList<double>, band);
    std::vector<antenna::SwrPoint> curve;
    for (int i = 0; i < swr.size(); ++i)
        curve.push_back({100.0 + i, swr[i]});
    const auto s = antenna::summarize(curve);
    QCOMPARE(s.best.mhz, bestMhz);
    QCOMPARE(s.best.swr, bestSwr);
    QCOMPARE(s.bestAtEdge, atEdge);
    QCOMPARE(s.band2.has_value(), !band.isEmpty());
    if (s.band2) {
        QVERIFY(std::abs(s.band2->first - band[0]) < 1e-5);
        QVERIFY(std::abs(s.band2->second - band[1]) < 1e-5);
    }
    const double a = swr[0], b = swr[1];
    QCOMPARE(antenna::swrAt(curve, 100.5), std::isfinite(a) && std::isfinite(b) ? (a + b) / 2 : std::max(a, b));
}

void TestAntenna::runner_data()
{
    QTest::addColumn<QString>("script"); // a stand-in for nec2c; empty: none at all
    QTest::addColumn<Problem::Kind>("problem");
    QTest::newRow("missing") << "" << Problem::Kind::Nec2cMissing;
    QTest::newRow("crashes") << "kill -SEGV $$" << Problem::Kind::Nec2cFailed;
    QTest::newRow("says it failed") << "echo 'nec2c: floating point exception' >&2; exit 255"
                                    << Problem::Kind::Nec2cFailed;
    QTest::newRow("writes garbage") << "head -c 5000 /dev/urandom >j.out" << Problem::Kind::Nec2cGarbled;
    QTest::newRow("writes nothing") << "exit 0" << Problem::Kind::Nec2cGarbled;
    QTest::newRow("never ends") << "exec sleep 30" << Problem::Kind::Nec2cTimedOut;
}

// A nec2c that is missing, crashes, prints garbage or runs too long is a
// problem with a clear text, and no temporary file stays behind.
void TestAntenna::runner()
{
#ifdef Q_OS_WIN
    QSKIP("the stand-ins are shell scripts");
#endif
    QFETCH(QString, script);
    QFETCH(Problem::Kind, problem);
    QTemporaryDir dir;
    QString program;
    if (!script.isEmpty()) {
        program = dir.filePath(QStringLiteral("nec2c"));
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + script.toUtf8() + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString temp = QDir::tempPath();
    const auto before = QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const antenna::Nec2c nec2c(program, 1);
    const auto result = nec2c.run(antenna::Job{antenna::sweepDeck(antenna::model(j145(15), {{3, 3, 3, 3, 3, 3, 3}}),
                                                                  {145, 0, 1}),
                                               1, 0});
    QVERIFY(std::holds_alternative<Problem>(result));
    const auto &p = std::get<Problem>(result);
    QCOMPARE(p.kind, problem);
    QVERIFY(p.text(true).contains(QStringLiteral("nec2c")));
    if (problem == Problem::Kind::Nec2cMissing) // and what to install
        QVERIFY(p.text(false).contains(QStringLiteral("apt-get install nec2c")));
    QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

// What every NEC user knows: a thin half-wave dipole is fed with about
// 73 + j42 ohms. The run leaves nothing behind.
void TestAntenna::halfWaveDipole()
{
    antenna::Model dipole;
    dipole.wires = {{0, -0.25, 0, 0.25, 51}}; // at 299.79 MHz, λ = 1 m
    dipole.radius = 1e-5;
    const QDir temp = QDir::temp();
    const auto before = temp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const auto result = antenna::Nec2c().run(antenna::Job{antenna::sweepDeck(dipole, {antenna::speedOfLight, 0, 1}), 1, 0});
    // Its folder gone too, on Windows as well, where it lingers a moment.
    QCOMPARE(temp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(std::holds_alternative<antenna::NecOutput>(result));
    const auto z = std::get<antenna::NecOutput>(result).feed.front().z;
    QVERIFY2(std::abs(z - std::complex(73.0, 42.5)) < 8, qPrintable(QStringLiteral("%1 %2").arg(z.real()).arg(z.imag())));
}

void TestAntenna::jResonanceMovesUpAsTheTubeThins()
{
    const double thick = resonance(j145(15), 145);
    const double thin = resonance(j145(8), 145);
    // About 146 and 149 MHz.
    QVERIFY2(thick > 145.5 && thick < 147, qPrintable(QString::number(thick)));
    QVERIFY2(thin > thick + 2 && thin < 150.5, qPrintable(QString::number(thin)));
}

void TestAntenna::doublingTheSegmentsChangesLittle_data()
{
    QTest::addColumn<JPole>("j");
    QTest::addColumn<double>("mhz");
    QTest::newRow("145 MHz, 8 mm") << j145(8) << 145.0;
    QTest::newRow("145 MHz, 15 mm") << j145(15) << 145.0;
    QTest::newRow("50 MHz, 20 mm") << JPole{4297.68, 1426.54, 140.21, 134.11, 20} << 50.0;
}

// The segmentation is fine enough: twice as many segments move the
// lowest-SWR frequency by under 0.3 %.
void TestAntenna::doublingTheSegmentsChangesLittle()
{
    QFETCH(JPole, j);
    QFETCH(double, mhz);
    const double once = resonance(j, mhz);
    const double twice = resonance(j, mhz, 2);
    qInfo("lowest SWR at %.3f MHz, %.3f MHz with twice the segments (%.3f %%)", once, twice, 100 * (twice - once) / once);
    QVERIFY2(std::abs(twice - once) / once < 0.003, qPrintable(QStringLiteral("%1 %2").arg(once).arg(twice)));
}

// The lengths for an 8 mm tube, simulated again, resonate at f.
void TestAntenna::correctedLengthsResonateAtF()
{
    const auto &p = prediction8mm();
    QVERIFY(p.corrected.a > p.asCut.a); // a thin tube wants longer elements
    QCOMPARE(p.corrected.d, p.asCut.d);
    QVERIFY2(std::abs(resonance(p.corrected, 145) - 145) < 145 * 0.003, qPrintable(QString::number(p.corrected.a)));
    QVERIFY(p.correctedSwrAtF < 1.3);
    QVERIFY(p.swrAtF > 2);
    QVERIFY2(p.mhzPer10mmOfA > 0.5 && p.mhzPer10mmOfA < 1.5, qPrintable(QString::number(p.mhzPer10mmOfA)));
    QVERIFY(p.strongest.dbi > 1 && p.strongest.dbi < 5);
}

void TestAntenna::readTouchstone_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("z0");
    QTest::addColumn<int>("ports");
    // All hold |S11| 0.2, 0.1 and 0.3 at 144, 145 and 146 MHz.
    QTest::newRow("RI in MHz") << "gamma-ri-mhz.s1p" << 50.0 << 1;
    QTest::newRow("MA in GHz, lower case, comments after data") << "gamma-ma-ghz.s1p" << 50.0 << 1;
    QTest::newRow("DB in Hz, tabs, blank lines, 75 ohms") << "gamma-db-hz.s1p" << 75.0 << 1;
    QTest::newRow("kHz, the rest by default") << "gamma-defaults-khz.s1p" << 50.0 << 1;
    QTest::newRow("S11 of a two-port file") << "gamma-two-port.s2p" << 50.0 << 2;
}

void TestAntenna::readTouchstone()
{
    QFETCH(QString, file);
    QFETCH(double, z0);
    QFETCH(int, ports);
    const auto read = antenna::readTouchstone(QStringLiteral(TOLVERA_TEST_DATA "/") + file);
    if (const auto *error = std::get_if<antenna::TouchstoneError>(&read))
        QFAIL(qPrintable(error->text(file, false)));
    const auto &sweep = std::get<antenna::Sweep1Port>(read);
    QCOMPARE(sweep.z0, z0);
    QCOMPARE(sweep.ports, ports);
    QCOMPARE(sweep.swr.size(), 3u);
    const double mhz[] = {144, 145, 146};
    const double swr[] = {1.5, 1.1 / 0.9, 1.3 / 0.7};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(sweep.swr[i].mhz, mhz[i]);
        QVERIFY2(std::abs(sweep.swr[i].swr - swr[i]) < 1e-6, qPrintable(QString::number(sweep.swr[i].swr)));
    }
}

void TestAntenna::badTouchstone_data()
{
    using K = antenna::TouchstoneError::Kind;
    QTest::addColumn<QByteArray>("text"); // "<1 GB>", "<1 MB line>": made so
    QTest::addColumn<QString>("name");
    QTest::addColumn<K>("kind");
    QTest::addColumn<int>("line");
    const QByteArray head = "! sweep\n# MHz S RI R 50\n";
    QTest::newRow("empty") << QByteArray() << "a.s1p" << K::NoOptionLine << 0;
    QTest::newRow("binary garbage") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10) << "a.s1p" << K::NotText << 1;
    QTest::newRow("no option line") << QByteArray("145 0.1 0\n") << "a.s1p" << K::NoOptionLine << 1;
    QTest::newRow("only an option line") << head << "a.s1p" << K::NoData << 0;
    QTest::newRow("two units") << QByteArray("# MHz GHz S RI R 50\n145 0.1 0\n") << "a.s1p" << K::BadOptionLine << 1;
    QTest::newRow("a second option line that differs") << head + "145 0.1 0\n# GHz S RI R 50\n" << "a.s1p" << K::BadOptionLine << 4;
    QTest::newRow("R without a value") << QByteArray("# MHz S RI R\n145 0.1 0\n") << "a.s1p" << K::BadOptionLine << 1;
    QTest::newRow("a unit Touchstone does not have") << QByteArray("# THz S RI R 50\n1 0.1 0\n") << "a.s1p" << K::UnknownUnit << 1;
    QTest::newRow("Z parameters") << QByteArray("# MHz Z RI R 50\n145 1 0\n") << "a.s1p" << K::NotS << 1;
    QTest::newRow("a value that is no number") << head + "145 0.1 O.2\n" << "a.s1p" << K::NotANumber << 3;
    QTest::newRow("NaN") << head + "145 nan 0\n" << "a.s1p" << K::NotANumber << 3;
    QTest::newRow("infinite") << head + "145 inf 0\n" << "a.s1p" << K::NotANumber << 3;
    QTest::newRow("an odd number of values") << head + "145 0.1 0 0.2\n" << "a.s1p" << K::WrongCount << 3;
    QTest::newRow("half a pair") << head + "145 0.1\n" << "a.s1p" << K::WrongCount << 3;
    QTest::newRow("frequencies going back") << head + "146 0.1 0\n145 0.1 0\n" << "a.s1p" << K::NotRising << 4;
    QTest::newRow("a frequency repeated") << head + "145 0.1 0\n145 0.1 0\n" << "a.s1p" << K::NotRising << 4;
    QTest::newRow("an s3p") << head + "145 0.1 0\n" << "a.s3p" << K::TooManyPorts << 0;
    QTest::newRow("a line of 1 MB") << QByteArray("<1 MB line>") << "a.s1p" << K::LineTooLong << 3;
    QTest::newRow("a file of 1 GB") << QByteArray("<1 GB>") << "a.s1p" << K::TooLarge << 0;
}

// One clear message naming the file and the line, for everything an
// analyser, a slip of the hand or a wrong file may give.
void TestAntenna::badTouchstone()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, name);
    QFETCH(antenna::TouchstoneError::Kind, kind);
    QFETCH(int, line);
    QTemporaryDir dir;
    QString path;
    if (text == "<1 GB>") { // sparse: no disk is filled
        path = written(dir, name, "# MHz S RI R 50\n");
        QFile file(path);
        QVERIFY(file.resize(qint64(1) << 30));
    } else if (text == "<1 MB line>") {
        path = written(dir, name, "# MHz S RI R 50\n145 0.1 0\n146 " + QByteArray(1 << 20, '1') + "\n");
    } else {
        path = written(dir, name, text);
    }
    const auto read = antenna::readTouchstone(path);
    QVERIFY(std::holds_alternative<antenna::TouchstoneError>(read));
    const auto &error = std::get<antenna::TouchstoneError>(read);
    QCOMPARE(error.kind, kind);
    QCOMPARE(error.line, line);
    const auto said = error.text(path, true);
    QVERIFY2(said.startsWith(name + (line ? QStringLiteral(" 第 %1 行：").arg(line) : QStringLiteral("："))), qPrintable(said));
}

void TestAntenna::cutAdvice_data()
{
    QTest::addColumn<double>("measured");
    QTest::addColumn<double>("bOverA");
    QTest::addColumn<QString>("advice");
    // The trim figure: 1 MHz higher for 10 mm off A.
    QTest::newRow("resonating 1.2 MHz low: cut") << 143.8 << 1.0 << "A、B 各剪短约 12 毫米";
    QTest::newRow("in proportion") << 143.8 << 0.332 << "A 剪短约 12 毫米，B 剪短约 4 毫米";
    QTest::newRow("resonating high: add") << 147.0 << 0.332 << "A 加长约 20 毫米，B 加长约 7 毫米";
    QTest::newRow("on the target") << 145.02 << 0.332 << "谐振已在目标频率上，无需修剪";
}

void TestAntenna::cutAdvice()
{
    QFETCH(double, measured);
    QFETCH(double, bOverA);
    QFETCH(QString, advice);
    QCOMPARE(antenna::cutAdvice(antenna::cutFor(measured, 145, 1.0, bOverA), true), advice);
}

// A builder's 8 mm J at 145 MHz, as an analyser would save its sweep; the
// cut the program advises, made in the model, brings it to within 1 %.
void TestAntenna::measuredCutMovesTheResonanceToF()
{
    const auto j = j145(8);
    const auto feed = antenna::sweep(antenna::model(j, antenna::segmentation(j, 145)), {130, 0.1, 301}, antenna::Nec2c());
    QVERIFY(std::holds_alternative<std::vector<antenna::FeedPoint>>(feed));
    QByteArray s1p = "! the 8 mm J, simulated\n# Hz S RI R 50\n";
    for (const auto &p : std::get<std::vector<antenna::FeedPoint>>(feed)) {
        const auto g = (p.z - 50.0) / (p.z + 50.0);
        s1p += QByteArray::number(qint64(std::llround(p.mhz * 1e6))) + ' ' + QByteArray::number(g.real(), 'g', 9) + ' '
               + QByteArray::number(g.imag(), 'g', 9) + '\n';
    }
    QTemporaryDir dir;
    const auto read = antenna::readTouchstone(written(dir, QStringLiteral("j8.s1p"), s1p));
    QVERIFY(std::holds_alternative<antenna::Sweep1Port>(read));
    const auto m = antenna::measurement(QStringLiteral("j8.s1p"), std::get<antenna::Sweep1Port>(read));
    QVERIFY2(m.summary.best.mhz > 147, qPrintable(QString::number(m.summary.best.mhz)));
    const auto &p = prediction8mm();
    const auto cut = antenna::cutFor(m.summary.best.mhz, 145, p.mhzPer10mmOfA, j.b / j.a);
    QVERIFY(cut.a < 0); // resonating high: longer elements
    const double after = resonance({j.a - cut.a, j.b - cut.b, j.c, j.d, j.tube}, 145);
    QVERIFY2(std::abs(after - 145) < 1.45, qPrintable(QStringLiteral("%1 mm, %2 MHz").arg(cut.a).arg(after)));
}

QTEST_GUILESS_MAIN(TestAntenna)
#include "test_antenna.moc"
