// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "antenna/deck.h"
#include "antenna/installation.h"
#include "antenna/jpole.h"
#include "antenna/measurement.h"
#include "antenna/nec2c.h"
#include "antenna/necoutput.h"
#include "antenna/prediction.h"
#include "antenna/swr.h"
#include "antenna/touchstone.h"
#include "antenna/trimlog.h"
#include "words/words.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
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

// The feed impedance of a structure around f, or the end of the test.
antenna::FeedCurve feedOf(const antenna::Structure &structure, const antenna::FrequencyPlan &plan)
{
    const auto feed = antenna::feedCurve(structure, plan, antenna::Nec2c());
    if (!std::holds_alternative<antenna::FeedCurve>(feed))
        qFatal("nec2c: %s", qPrintable(words::problem(std::get<Problem>(feed))));
    return std::get<antenna::FeedCurve>(feed);
}

// The lowest-SWR frequency of the model's sweep around f.
double resonance(const JPole &j, double mhz, int refinement = 1)
{
    return feedOf(antenna::jStructure(j, antenna::segmentation(j, mhz, refinement)), antenna::bandAround(mhz))
        .summary()
        .best.mhz;
}

// The prediction for the 8 mm tube at 145 MHz, made once.
const antenna::Prediction &prediction8mm()
{
    static const auto made = antenna::predict(j145(8), 145, antenna::Nec2c());
    if (!std::holds_alternative<antenna::Prediction>(made))
        qFatal("nec2c: %s", qPrintable(words::problem(std::get<Problem>(made))));
    return std::get<antenna::Prediction>(made);
}

// The J as a structure, and the wire of each part.
struct Built
{
    antenna::Structure structure;
    antenna::JWires wires;
};

Built built(const JPole &j, double mhz)
{
    Built b;
    b.wires = antenna::addJ(b.structure, j, antenna::segmentation(j, mhz));
    b.structure.feedAt(b.wires.source(b.structure));
    return b;
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


// An installation of the J, as the builder sets it.
antenna::Installation standing(antenna::GroundKind ground, std::optional<double> mast, std::optional<double> coax,
                               std::optional<double> choke = {}, double chokeAt = 0, double height = 10)
{
    antenna::Installation i;
    i.ground = ground;
    i.mast = mast;
    i.coax = coax;
    i.choke = choke;
    i.chokeAt = chokeAt;
    i.height = height;
    return i;
}

// The largest current on some wires at f, as a fraction of the feed current.
double largestOn(const antenna::InstalledStructure &built, const std::vector<int> &tags, double mhz)
{
    const auto solved = antenna::Nec2c().solve({built.structure, {{mhz, 0, 1}, true, std::nullopt}});
    if (!std::holds_alternative<antenna::Solution>(solved))
        qFatal("nec2c: %s", qPrintable(words::problem(std::get<Problem>(solved))));
    const auto &currents = std::get<antenna::Solution>(solved).currents.front();
    std::complex<double> feed;
    for (const auto &c : currents)
        if (c.segment == built.structure.feed())
            feed = c.amps;
    double largest = 0;
    for (const auto &c : currents)
        if (std::find(tags.begin(), tags.end(), c.segment.tag) != tags.end())
            largest = std::max(largest, std::abs(c.amps) / std::abs(feed));
    return largest;
}

// A stand-in for nec2c whose J behaves as a series circuit: it resonates
// where the long element's top is a set fraction of the wavelength, and
// matches 50 ohms with the feed at feedHeight; the prediction's search
// must find both. An installed J (more than its own wires) has `added` on
// top, which may depend on its height and the frequency; the current is 1 A
// on every segment. It counts what it is asked, and may fail or cancel itself.
class CircuitSolver : public antenna::Solver
{
public:
    static constexpr double metresMhz = 1.49 * 145; // the top's height times the resonance
    static constexpr double feedHeight = 0.045;     // m

    using Solver::solve;
    std::vector<antenna::Solved> solve(const std::vector<antenna::Simulation> &simulations) const override
    {
        std::vector<antenna::Solved> out;
        for (const auto &s : simulations) {
            if (++calls > failAfter)
                cancelled ? out.push_back(Problem::of(Problem::Kind::Cancelled)) : out.push_back(Problem::failed("stand-in"));
            else
                out.push_back(solution(s));
            if (calls == cancelAfter)
                const_cast<CircuitSolver *>(this)->cancel();
        }
        return out;
    }

    mutable int calls = 0;
    int failAfter = std::numeric_limits<int>::max();
    int cancelAfter = -1;
    std::function<std::complex<double>(double top, double mhz)> added = [](double, double) { return 0.0; };

private:
    antenna::Solution solution(const antenna::Simulation &s) const
    {
        // The J's first wire is its bend: heights are counted from there.
        const double bottom = s.structure.wire(1).from.z;
        double top = 0;
        for (const auto &w : s.structure.wires())
            top = std::max({top, w.from.z - bottom, w.to.z - bottom});
        const double feed = s.structure.wire(s.structure.feed().tag).from.z - bottom;
        antenna::Solution out;
        const double f0 = metresMhz / top;
        const bool installed = s.structure.wires().size() > 7;
        for (int i = 0; i < s.request.frequencies.points; ++i) {
            const double f = s.request.frequencies.at(i);
            out.feed.push_back({f, std::complex(50 * std::pow(feed / feedHeight, 2), 300 * (f / f0 - f0 / f))
                                       + (installed ? added(top, f) : 0.0)});
        }
        if (s.request.pattern)
            for (int i = 0; i < s.request.pattern->count(); ++i)
                out.pattern.push_back({double(i % 37) * 5, double(i / 37) * 5, 2.0 - std::abs(i % 37 * 5 - 90) / 30.0});
        if (s.request.currents) {
            out.currents.resize(1);
            for (const auto &w : s.structure.wires())
                for (int segment = 1; segment <= w.segments; ++segment)
                    out.currents[0].push_back({{w.tag, segment}, w.segmentCentre(segment), 1});
        }
        return out;
    }
};

} // namespace

Q_DECLARE_METATYPE(std::optional<Problem::Kind>)
Q_DECLARE_METATYPE(antenna::TouchstoneError::Kind)
Q_DECLARE_METATYPE(antenna::Ground)
Q_DECLARE_METATYPE(antenna::Installation)
Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(std::optional<calc::Lengths>)

class TestAntenna : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(words::speakChinese()); }
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
    void searchFindsTheLengths();
    void predictionStopsOnTrouble_data();
    void predictionStopsOnTrouble();
    void structureDeck_data();
    void structureDeck();
    void loadsAndCurrents();
    void installedStructure_data();
    void installedStructure();
    void installationRefusal_data();
    void installationRefusal();
    void groundPlane();
    void monopoleIsHalfADipole();
    void chokeCutsTheCoaxCurrent();
    void dipoleOverGround();
    void installedConvergence_data();
    void installedConvergence();
    void installedCurveMatchesADirectSweep();
    void searchAllowsForTheInstallation_data();
    void searchAllowsForTheInstallation();
    void patternFigures();
    void groundConstants();
    void readTouchstone_data();
    void readTouchstone();
    void readOnePorts_data();
    void readOnePorts();
    void badTouchstone_data();
    void badTouchstone();
    void touchstoneFromAStream();
    void cutAdvice_data();
    void cutAdvice();
    void measuredCutMovesTheResonanceToF();
    void measuredTrim_data();
    void measuredTrim();
    void trimLogSavedAndOpened();
};

void TestAntenna::refusal_data()
{
    QTest::addColumn<JPole>("j");
    QTest::addColumn<double>("mhz");
    QTest::addColumn<std::optional<Problem::Kind>>("problem");
    using K = Problem::Kind;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("145 MHz, 15 mm") << j145(15) << 145.0 << std::optional<K>();
    QTest::newRow("a third of D") << j145(46.25 / 3) << 145.0 << std::optional<K>();
    QTest::newRow("two thirds of D, just: the legs a radius apart") << j145(46.25 * 2 / 3) << 145.0 << std::optional<K>();
    QTest::newRow("a hair over two thirds of D") << j145(30.9) << 145.0 << std::optional(K::TubeTooThick);
    QTest::newRow("70 cm, 8 mm tube") << JPole{494.0, 163.97, 16.12, 15.41, 8} << 435.0 << std::optional<K>();
    QTest::newRow("tube of 0") << j145(0) << 145.0 << std::optional(K::BadTube);
    QTest::newRow("negative tube") << j145(-8) << 145.0 << std::optional(K::BadTube);
    QTest::newRow("tube not a number") << j145(nan) << 145.0 << std::optional(K::BadTube);
    // Above 0, but its radius in metres is 0 in a double: no wire to model.
    QTest::newRow("tube of 1e-323 mm") << j145(1e-323) << 145.0 << std::optional(K::BadTube);
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
    QTest::newRow("feed at the short element's top") << JPole{1481.96, 491.88, 491.88, 46.25, 8} << 145.0
                                                     << std::optional(K::BadLengths);
    QTest::newRow("elements of one height") << JPole{491.88, 491.88, 48.35, 46.25, 8} << 145.0
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
        QVERIFY2(words::problem(*refused).contains(QStringLiteral("30.8 毫米")), qPrintable(words::problem(*refused)));
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
    const auto [m, parts] = built(j, mhz);
    const double wavelength = antenna::speedOfLight / mhz;
    for (const auto &w : m.wires()) {
        QCOMPARE(w.radius, j.tube / 2000);
        const double segment = w.length() / w.segments;
        QVERIFY2(segment <= wavelength / 100 * 1.0001 || w.segments == int(w.length() / (2 * w.radius)),
                 qPrintable(QString::number(segment / wavelength)));
        QVERIFY(segment >= 2 * w.radius * 0.9999);
    }
    const auto &feed = m.wire(parts.feed);
    QCOMPARE(m.feed(), (antenna::SegmentRef{parts.feed, feed.segments / 2 + 1}));
    QCOMPARE(feed.segments % 2, 1);
    QVERIFY(feed.segments >= 3);
    QCOMPARE(std::abs(feed.to.x - feed.from.x), j.d / 1000);
    QCOMPARE(feed.from.z, j.c / 1000);
    // Each wire's ends are ends of others: nothing hangs loose but the tops.
    int loose = 0;
    for (const auto &w : m.wires()) {
        for (const auto &end : {w.from, w.to}) {
            int meeting = 0;
            for (const auto &o : m.wires())
                meeting += (o.from == end) + (o.to == end);
            loose += meeting == 1;
        }
    }
    QCOMPARE(loose, 2);
    // The two legs cut alike where they run side by side.
    QCOMPARE(m.wire(parts.shortAboveFeed).segments, m.wire(parts.longBesideShort).segments);
    // Refined, the feed wire keeps a middle segment.
    QCOMPARE(antenna::segmentation(j, mhz, 2).feed, 2 * feed.segments - 1);
}

void TestAntenna::deck()
{
    const auto m = antenna::jStructure(j145(15), antenna::segmentation(j145(15), 145));
    const auto cards = QString::fromLatin1(antenna::deck(m, {antenna::bandAround(145), false, std::nullopt})).split(u'\n');
    QVERIFY(cards.contains(QStringLiteral("EK")));
    QVERIFY(cards.contains(QStringLiteral("LD 5 0 0 0 58000000")));
    QVERIFY(cards.contains(QStringLiteral("GW 7 3 0 0 0.04835 0.04625 0 0.04835 0.0075")));
    QVERIFY(cards.contains(QStringLiteral("GW 6 %1 0.04625 0 0.49188 0.04625 0 1.48196 0.0075").arg(m.wire(6).segments)));
    QVERIFY(cards.contains(QStringLiteral("EX 0 7 2 0 1 0"))); // the feed wire's middle segment
    QVERIFY(cards.contains(QStringLiteral("FR 0 101 0 0 137.75 0.145")));
    QCOMPARE(cards.filter(QStringLiteral("GW ")).size(), 7);
    const auto pattern = QString::fromLatin1(antenna::deck(m, {{145, 0, 1}, false, antenna::allRound}));
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
    // The sample is the J for 145 MHz cut into threes, fed on segment 20.
    const auto j = antenna::jStructure(j145(15), {3, 3, 3, 3, 3, 3, 3});
    const antenna::Request request{{143.55, 1.45, frequencies}, false,
                                   directions ? std::optional(antenna::Directions{directions, 1, 0, 0, 5, 90})
                                              : std::nullopt};
    const auto out = antenna::readNecOutput(text, j, request);
    QCOMPARE(std::holds_alternative<antenna::Solution>(out), read);
    if (!read) {
        QCOMPARE(std::get<Problem>(out).kind, Problem::Kind::Nec2cGarbled);
        return;
    }
    const auto &o = std::get<antenna::Solution>(out);
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
    QTest::newRow("there but cannot start") << "#!/nonexistent/sh" << Problem::Kind::Nec2cFailed;
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
        file.write((script.startsWith(QStringLiteral("#!")) ? "" : "#!/bin/sh\n") + script.toUtf8() + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString temp = QDir::tempPath();
    const auto before = QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const antenna::Nec2c nec2c(program, 1);
    const antenna::Simulation one{antenna::jStructure(j145(15), {3, 3, 3, 3, 3, 3, 3}), {{145, 0, 1}, false, std::nullopt}};
    const auto result = nec2c.solve(one);
    QVERIFY(std::holds_alternative<Problem>(result));
    const auto &p = std::get<Problem>(result);
    QCOMPARE(p.kind, problem);
    QVERIFY(words::problem(p).contains(QStringLiteral("nec2c")));
    if (problem == Problem::Kind::Nec2cTimedOut) // and how long it was given
        QVERIFY(p.seconds == 1 && words::problem(p).contains(QStringLiteral("1 秒")));
    if (script.startsWith(QStringLiteral("kill"))) // and that it crashed
        QCOMPARE(p.detail, QStringLiteral("crashed"));
    if (script.startsWith(QStringLiteral("#!"))) { // not blamed on a missing program
        QVERIFY(p.detail.startsWith(QStringLiteral("cannot be started")));
        // and a prediction's many runs give up together, not one retry each
        QElapsedTimer clock;
        clock.start();
        const auto all = nec2c.solve(std::vector<antenna::Simulation>(8, one));
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        for (const auto &solved : all)
            QVERIFY(std::holds_alternative<Problem>(solved) && std::get<Problem>(solved).kind == problem);
    }
    if (problem == Problem::Kind::Nec2cMissing) // and what to install
        QVERIFY(words::problem(p).contains(QStringLiteral("apt-get install nec2c")));
    QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

// What every NEC user knows: a thin half-wave dipole is fed with about
// 73 + j42 ohms. The run leaves nothing behind.
void TestAntenna::halfWaveDipole()
{
    antenna::Structure dipole;
    dipole.feedAt({dipole.addWire({0, 0, -0.25}, {0, 0, 0.25}, 1e-5, 51), 26}); // at 299.79 MHz, λ = 1 m
    const QDir temp = QDir::temp();
    const auto before = temp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const auto result = antenna::Nec2c().solve({dipole, {{antenna::speedOfLight, 0, 1}, false, std::nullopt}});
    // Its folder gone too, on Windows as well, where it lingers a moment.
    QCOMPARE(temp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(std::holds_alternative<antenna::Solution>(result));
    const auto z = std::get<antenna::Solution>(result).feed.front().z;
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
    // 70 cm builders' tubes, thicker than a third of D: fewer, longer
    // segments across the bend.
    QTest::newRow("435 MHz, 6 mm") << JPole{493.99, 163.97, 16.12, 15.42, 6} << 435.0;
    QTest::newRow("435 MHz, 8 mm") << JPole{493.99, 163.97, 16.12, 15.42, 8} << 435.0;
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
    QVERIFY(p.correctedSwrAtF() < 1.3);
    QVERIFY(p.swrAtF() > 2);
    QVERIFY2(p.mhzPer10mmOfA > 0.5 && p.mhzPer10mmOfA < 1.5, qPrintable(QString::number(p.mhzPer10mmOfA)));
    QVERIFY(p.strongest().dbi > 1 && p.strongest().dbi < 5);
}

// The search for the lengths, on a J whose answer is known: A scaled to
// resonate at f, C moved to the match, the trim figure as the circuit
// moves, the progress rising to 100; a few dozen solutions, not hundreds.
void TestAntenna::searchFindsTheLengths()
{
    CircuitSolver circuit;
    QList<int> progress;
    const auto made = antenna::predict(j145(15), 146, circuit, [&](int percent) { progress << percent; });
    QVERIFY(std::holds_alternative<antenna::Prediction>(made));
    const auto &p = std::get<antenna::Prediction>(made);
    const double a = CircuitSolver::metresMhz / 146 * 1000; // mm, where the top resonates at 146 MHz
    QVERIFY2(std::abs(p.corrected.a - a) < a * 5e-4, qPrintable(QString::number(p.corrected.a)));
    QCOMPARE(p.corrected.b / p.corrected.a, p.asCut.b / p.asCut.a); // scaled together
    QVERIFY2(std::abs(p.corrected.c - CircuitSolver::feedHeight * 1000) < 0.1, qPrintable(QString::number(p.corrected.c)));
    QCOMPARE(p.corrected.d, p.asCut.d);
    QVERIFY(p.correctedSwrAtF() < 1.01);
    QCOMPARE(p.swrAtF(), antenna::swr(p.zAtF()));
    QCOMPARE(p.zAtF(), p.feed.points[50].z); // f itself, in the middle of the band
    // 2 % off A raises the resonance by 1 / 0.98 - 1 of f.
    const double trim = 146 * (1 / 0.98 - 1) * 10 / (a * 0.02);
    QVERIFY2(std::abs(p.mhzPer10mmOfA - trim) < trim * 0.01, qPrintable(QString::number(p.mhzPer10mmOfA)));
    QCOMPARE(p.strongest().theta, 90.0);
    QVERIFY(std::is_sorted(progress.begin(), progress.end()) && progress.front() == 0 && progress.back() == 100);
    QVERIFY2(circuit.calls < 80, qPrintable(QString::number(circuit.calls)));
}

void TestAntenna::predictionStopsOnTrouble_data()
{
    QTest::addColumn<int>("failAfter");
    QTest::addColumn<int>("cancelAfter");
    QTest::addColumn<Problem::Kind>("problem");
    QTest::newRow("the first band") << 0 << -1 << Problem::Kind::Nec2cFailed;
    QTest::newRow("the pattern") << 2 << -1 << Problem::Kind::Nec2cFailed;
    QTest::newRow("in the search") << 20 << -1 << Problem::Kind::Nec2cFailed;
    QTest::newRow("the corrected band") << 60 << -1 << Problem::Kind::Nec2cFailed;
    QTest::newRow("cancelled in the search") << 10 << 10 << Problem::Kind::Cancelled;
}

// A solution that fails or is cancelled anywhere ends the prediction with
// its problem, and nothing more is asked of the solver.
void TestAntenna::predictionStopsOnTrouble()
{
    QFETCH(int, failAfter);
    QFETCH(int, cancelAfter);
    QFETCH(Problem::Kind, problem);
    CircuitSolver circuit;
    circuit.failAfter = failAfter;
    circuit.cancelAfter = cancelAfter;
    const auto made = antenna::predict(j145(15), 145, circuit);
    QVERIFY(std::holds_alternative<Problem>(made));
    QCOMPARE(std::get<Problem>(made).kind, problem);
    QVERIFY2(circuit.calls <= failAfter + 4, qPrintable(QString::number(circuit.calls)));
}

void TestAntenna::structureDeck_data()
{
    QTest::addColumn<antenna::Ground>("ground");
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<QStringList>("read"); // what nec2c says it read
    using G = antenna::Ground;
    QTest::newRow("free space") << G{} << QStringList{"GE 0"} << QStringList{"FREE SPACE"};
    QTest::newRow("perfect ground") << G{G::Kind::Perfect, 1, 0, G::Method::ReflectionCoefficient}
                                    << QStringList{"GE 1", "GN 1 0 0 0"} << QStringList{"PERFECT GROUND"};
    QTest::newRow("average ground, reflection coefficients")
        << G{G::Kind::Finite, 13, 0.005, G::Method::ReflectionCoefficient} << QStringList{"GE 1", "GN 0 0 0 0 13 0.005"}
        << QStringList{"FINITE GROUND - REFLECTION COEFFICIENT APPROXIMATION", "RELATIVE DIELECTRIC CONST: 13.000",
                       "CONDUCTIVITY: 5.000E-03 MHOS/METER"};
    QTest::newRow("sea water, Sommerfeld-Norton") << G{G::Kind::Finite, 80, 5, G::Method::SommerfeldNorton}
                                                  << QStringList{"GE 1", "GN 2 0 0 0 80 5"}
                                                  << QStringList{"FINITE GROUND - SOMMERFELD SOLUTION",
                                                                 "RELATIVE DIELECTRIC CONST: 80.000"};
}

// Any structure is written as NEC-2 cards that nec2c reads as meant: a
// wire out of the plane of the J, wires of their own radius and metal, a
// lumped load on its segment, and each kind of ground.
void TestAntenna::structureDeck()
{
    QFETCH(antenna::Ground, ground);
    QFETCH(QStringList, cards);
    QFETCH(QStringList, read);
    antenna::Structure s;
    const int slanted = s.addWire({0, 0, 1}, {0, 0.3, 1.4}, 0.001, 5, antenna::copper);
    const int upright = s.addWire({0.2, 0, 1}, {0.2, 0, 1.5}, 0.003, 4);
    s.feedAt({slanted, 3});
    s.addLoad({{upright, 2}, 100, 1e-6, 0});
    s.setGround(ground);
    QVERIFY(s.isValid());
    const auto deck = antenna::deck(s, {{145, 0, 1}, false, std::nullopt});
    const auto lines = QString::fromLatin1(deck).split(u'\n');
    for (const auto &card : cards + QStringList{"GW 1 5 0 0 1 0 0.3 1.4 0.001", "GW 2 4 0.2 0 1 0.2 0 1.5 0.003",
                                                 "LD 5 1 0 0 58000000", "LD 0 2 2 2 100 1e-06 0", "EX 0 1 3 0 1 0"})
        QVERIFY2(lines.contains(card), qPrintable(card + " not in:\n" + deck));
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^GN"))).size(), ground.kind == antenna::Ground::Kind::FreeSpace ? 0 : 1);

    // What nec2c itself makes of the deck.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("d.nec")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(deck);
    file.close();
    QProcess nec2c;
    nec2c.setWorkingDirectory(dir.path());
    nec2c.start(antenna::Nec2c::find(), {QStringLiteral("-id.nec"), QStringLiteral("-od.out")});
    QVERIFY(nec2c.waitForFinished(30000) && nec2c.exitCode() == 0);
    QFile out(dir.filePath(QStringLiteral("d.out")));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const auto said = QString::fromLatin1(out.readAll()).split(u'\n');
    QStringList simplified;
    for (const auto &line : said)
        simplified << line.simplified();
    for (const auto &line : read + QStringList{"1 0.00000 0.00000 1.00000 0.00000 0.30000 1.40000 0.00100 5 1 5 1",
                                               "2 0.20000 0.00000 1.00000 0.20000 0.00000 1.50000 0.00300 4 6 9 2",
                                               "2 2 2 1.0000E+02 1.0000E-06 SERIES", "1 5.8000E+07 WIRE"})
        QVERIFY2(simplified.contains(line), qPrintable(line));
}

// A load on the feed segment adds to the feed impedance what it is; the
// currents come back for every segment where they lie, and on a dipole
// they are largest at its middle and alike on its two halves.
void TestAntenna::loadsAndCurrents()
{
    antenna::Structure dipole;
    const int tag = dipole.addWire({0, 0, -0.25}, {0, 0, 0.25}, 1e-4, 21); // at 299.79 MHz, λ = 1 m
    dipole.feedAt({tag, 11});
    antenna::Structure loaded = dipole;
    loaded.addLoad({{tag, 11}, 100, 0, 0});
    const antenna::Request request{{antenna::speedOfLight, 0, 1}, true, std::nullopt};
    const auto solved = antenna::Nec2c().solve({{dipole, request}, {loaded, request}});
    QVERIFY(std::holds_alternative<antenna::Solution>(solved[0]) && std::holds_alternative<antenna::Solution>(solved[1]));
    const auto &plain = std::get<antenna::Solution>(solved[0]);
    const auto added = std::get<antenna::Solution>(solved[1]).feed.front().z - plain.feed.front().z;
    QVERIFY2(std::abs(added - 100.0) < 0.5, qPrintable(QStringLiteral("%1 %2").arg(added.real()).arg(added.imag())));
    QCOMPARE(plain.currents.size(), 1u);
    const auto &currents = plain.currents.front();
    QCOMPARE(int(currents.size()), 21);
    const auto largest = std::max_element(currents.begin(), currents.end(), [](const auto &a, const auto &b) {
        return std::abs(a.amps) < std::abs(b.amps);
    });
    QCOMPARE(largest->segment, (antenna::SegmentRef{tag, 11}));
    QVERIFY(std::abs(largest->centre.z) < 1e-9);
    QVERIFY(std::abs(std::abs(currents[2].amps) - std::abs(currents[18].amps)) < 1e-3 * std::abs(largest->amps));
    QVERIFY(std::abs(currents.front().centre.z - (-0.25 + 0.5 / 42)) < 1e-9);
}

// What a pattern says: the largest gain and its elevation, and the largest
// 5° above the horizon, whichever way.
void TestAntenna::patternFigures()
{
    const auto f = antenna::patternFigures({{5, 0, -10}, {85, 0, 3}, {85, 15, 2}, {80, 0, 4}, {90, 0, 1}});
    QCOMPARE(f.strongestDbi, 4.0);
    QCOMPARE(f.takeoffDeg, 10.0);
    QCOMPARE(f.at5Dbi, 3.0);
    antenna::OnePort two;
    two.points = {{100, 0.0}, {101, 0.4}};
    QVERIFY(std::abs(two.gammaAt(100.25) - 0.1) < 1e-12); // a quarter of the way
}

// The grounds a builder chooses, with the constants every NEC user knows.
void TestAntenna::groundConstants()
{
    using G = antenna::GroundKind;
    const std::tuple<G, double, double> grounds[] = {
        {G::Average, 13, 0.005}, {G::Poor, 5, 0.001}, {G::Good, 20, 0.0303}, {G::Sea, 80, 5}};
    for (const auto &[kind, permittivity, conductivity] : grounds) {
        QCOMPARE(antenna::constantsOf(kind).permittivity, permittivity);
        QCOMPARE(antenna::constantsOf(kind).conductivity, conductivity);
    }
}

void TestAntenna::installedStructure_data()
{
    QTest::addColumn<antenna::Installation>("installation");
    QTest::addColumn<antenna::Ground::Method>("method");
    using G = antenna::GroundKind;
    using M = antenna::Ground::Method;
    QTest::newRow("coax in free space") << standing(G::Free, {}, 5.0) << M::ReflectionCoefficient;
    QTest::newRow("mast over average ground") << standing(G::Average, 30.0, {}) << M::SommerfeldNorton;
    QTest::newRow("mast, coax and choke 2 m down over sea water")
        << standing(G::Sea, 30.0, 10.3, 1000.0, 2) << M::SommerfeldNorton;
    QTest::newRow("the J alone 10 m over poor ground") << standing(G::Poor, {}, {}) << M::ReflectionCoefficient;
    QTest::newRow("coax 2 m over perfect ground") << standing(G::Perfect, {}, 5.0, 300.0, 0, 2) << M::ReflectionCoefficient;
    // 0.3 m is 0.145 wavelength at 145 MHz: near enough for Sommerfeld-Norton; 0.5 m is not.
    QTest::newRow("the J alone 0.3 m over average ground") << standing(G::Average, {}, {}, {}, 0, 0.3) << M::SommerfeldNorton;
    QTest::newRow("the J alone 0.5 m over good ground") << standing(G::Good, {}, {}, {}, 0, 0.5) << M::ReflectionCoefficient;
}

// The J where it stands: the coax steps out from the short element at the
// feed by a coax and a tube and hangs down, the mast hangs from the bend's
// middle by a clamp, both cut alike below the J, finer near their ends,
// down to the ground and connected to it; the choke just below its place.
void TestAntenna::installedStructure()
{
    QFETCH(antenna::Installation, installation);
    QFETCH(antenna::Ground::Method, method);
    const JPole j = j145(15);
    const auto built = antenna::installedStructure(j, antenna::segmentation(j, 145), installation, 145);
    const auto &s = built.structure;
    const auto &w = built.wires;
    QVERIFY(s.isValid());
    const double h = installation.height, lambda = antenna::speedOfLight / 145;
    QCOMPARE(s.wire(w.j.bottom).from, (antenna::Point{0, 0, h}));
    QCOMPARE(s.feed(), w.j.source(s));
    const bool free = installation.ground == antenna::GroundKind::Free;
    QCOMPARE(s.ground().kind == antenna::Ground::Kind::FreeSpace, free);
    if (s.ground().kind == antenna::Ground::Kind::Finite) {
        QCOMPARE(s.ground().method, method);
        QCOMPARE(s.ground().permittivity, antenna::constantsOf(installation.ground).permittivity);
        QCOMPARE(s.ground().conductivity, antenna::constantsOf(installation.ground).conductivity);
    }
    std::vector<int> grounded;
    if (installation.coax) {
        const auto &step = s.wire(w.coaxStep);
        const double out = (*installation.coax + j.tube) / 1000;
        QCOMPARE(step.from, (antenna::Point{0, 0, h + j.c / 1000}));
        QCOMPARE(step.to, (antenna::Point{-out, 0, h + j.c / 1000}));
        QVERIFY(step.length() / step.segments >= j.tube / 1000); // no segment centre inside the tube
        QCOMPARE(s.wire(w.coaxBeside).to.z, h);
        QCOMPARE(s.wire(w.coaxBelow.front()).from, (antenna::Point{-out, 0, h}));
        QCOMPARE(s.wire(w.coaxBelow.back()).to, (antenna::Point{-out, 0, 0}));
        for (const int tag : w.coaxBelow)
            QCOMPARE(s.wire(tag).radius, *installation.coax / 2000);
        grounded.push_back(w.coaxBelow.back());
    }
    if (installation.mast) {
        const auto &clamp = s.wire(w.clamp);
        QCOMPARE(clamp.from, (antenna::Point{j.d / 2000, 0, h}));
        QCOMPARE(clamp.length(), std::max(*installation.mast, j.tube) / 1000);
        QCOMPARE(s.wire(w.mast.back()).to, (antenna::Point{j.d / 2000, 0, 0}));
        QCOMPARE(s.wire(w.j.bottom).segments + s.wire(w.j.bottomToLong).segments, 2); // the bend cut at its middle
        grounded.push_back(w.mast.back());
    }
    if (installation.mast && installation.coax) { // side by side, their segments face each other
        QCOMPARE(w.mast.size() + 1, w.coaxBelow.size());
        for (std::size_t i = 0; i < w.mast.size(); ++i) {
            QCOMPARE(s.wire(w.mast[i]).from.z, s.wire(w.coaxBelow[i + 1]).from.z);
            QCOMPARE(s.wire(w.mast[i]).segments, s.wire(w.coaxBelow[i + 1]).segments);
        }
    }
    // Below the J no segment longer than a tenth of a wavelength, and a
    // sixtieth within a quarter wavelength of either end.
    for (const auto &wire : s.wires()) {
        if (wire.from.z > h || wire.to.z > h || wire.tag == w.clamp)
            continue;
        const double segment = wire.length() / wire.segments;
        const bool nearEnd = std::min(wire.from.z, wire.to.z) >= h - 0.04 - lambda / 4 - 1e-9
                             || std::max(wire.from.z, wire.to.z) <= lambda / 4 + 1e-9;
        QVERIFY2(segment <= lambda / (nearEnd ? 60 : 10) * 1.0001, qPrintable(QString::number(wire.tag)));
    }
    std::sort(grounded.begin(), grounded.end());
    QCOMPARE(s.groundedWires(), free ? std::vector<int>{} : grounded);
    QCOMPARE(s.loads().size(), installation.choke ? 1u : 0u);
    if (installation.choke) {
        const auto &load = s.loads().front();
        QCOMPARE(load.ohms, *installation.choke);
        QCOMPARE(s.wire(load.at.tag).from.z, h - installation.chokeAt);
        QCOMPARE(load.at.segment, 1);
    }
}

void TestAntenna::installationRefusal_data()
{
    QTest::addColumn<antenna::Installation>("installation");
    QTest::addColumn<std::optional<Problem::Kind>>("problem");
    QTest::addColumn<QString>("limit"); // in what it says
    using G = antenna::GroundKind;
    using K = Problem::Kind;
    auto as = [](antenna::Installation i, auto change) { change(i); return i; };
    QTest::newRow("the default") << antenna::Installation{} << std::optional<K>() << "";
    QTest::newRow("no height") << standing(G::Average, {}, {}, {}, 0, 0) << std::optional(K::BadHeight) << "41.4";
    QTest::newRow("20 wavelengths up") << standing(G::Average, {}, {}, {}, 0, 41.3) << std::optional<K>() << "";
    QTest::newRow("higher") << standing(G::Average, {}, {}, {}, 0, 41.5) << std::optional(K::BadHeight) << "41.4";
    QTest::newRow("a mast of nothing") << standing(G::Free, 0.0, {}) << std::optional(K::BadMast) << "";
    QTest::newRow("a mast that touches the coax") << standing(G::Free, 41.0, 5.0) << std::optional(K::BadMast) << "40.6";
    QTest::newRow("a mast just clear of it") << standing(G::Free, 40.6, 5.0) << std::optional<K>() << "";
    QTest::newRow("a coax of nothing") << standing(G::Free, {}, -5.0) << std::optional(K::BadCoax) << "";
    QTest::newRow("a coax thicker than a twentieth wave") << standing(G::Free, {}, 104.0) << std::optional(K::BadCoax) << "103.4";
    QTest::newRow("a choke without coax") << standing(G::Free, {}, {}, 1000.0) << std::optional(K::ChokeWithoutCoax) << "";
    QTest::newRow("a choke of nothing") << standing(G::Free, {}, 5.0, 0.0) << std::optional(K::BadChoke) << "";
    QTest::newRow("a choke in the ground") << standing(G::Average, {}, 5.0, 1000.0, 10) << std::optional(K::ChokeBelowGround) << "10";
    QTest::newRow("a choke above the J") << standing(G::Average, {}, 5.0, 1000.0, -1) << std::optional(K::ChokeBelowGround) << "10";
    QTest::newRow("lengths as built no J has") << as(antenna::Installation{}, [](auto &i) { i.asBuilt = calc::Lengths{1481, 491, 500, 46}; })
                                               << std::optional(K::BadLengths) << "";
}

void TestAntenna::installationRefusal()
{
    QFETCH(antenna::Installation, installation);
    QFETCH(std::optional<Problem::Kind>, problem);
    QFETCH(QString, limit);
    const auto refused = antenna::refusal(installation, j145(15), 145);
    QCOMPARE(refused ? std::optional(refused->kind) : std::nullopt, problem);
    if (!limit.isEmpty())
        QVERIFY2(words::problem(*refused).contains(limit), qPrintable(words::problem(*refused)));
}

// The ground plane to compare with: a quarter-wave radiator up from the
// hub and four quarter-wave radials drooping 45° round it, fed at the hub;
// none where its radials would reach into the ground.
void TestAntenna::groundPlane()
{
    const double quarter = antenna::speedOfLight / 145 / 4;
    const auto s = antenna::groundPlane(145, 15, 10.05, antenna::GroundKind::Average);
    QVERIFY(s.isValid());
    QCOMPARE(s.wires().size(), 5u);
    QCOMPARE(s.feed(), (antenna::SegmentRef{1, 1}));
    QCOMPARE(s.wire(1).to, (antenna::Point{0, 0, 10.05 + quarter}));
    QCOMPARE(s.ground().method, antenna::Ground::Method::ReflectionCoefficient);
    double directions = 0;
    for (int tag = 2; tag <= 5; ++tag) {
        const auto &r = s.wire(tag);
        QCOMPARE(r.from, (antenna::Point{0, 0, 10.05}));
        QVERIFY(std::abs(r.length() - quarter) < 1e-9);
        QVERIFY(std::abs(r.from.z - r.to.z - quarter / std::sqrt(2.0)) < 1e-9); // drooping 45°
        directions += std::atan2(r.to.y, r.to.x);
    }
    QVERIFY(std::abs(directions - M_PI) < 1e-9); // 0°, 90°, 180° and -90°: one each way
    QVERIFY(!antenna::groundPlane(145, 15, 0.3, antenna::GroundKind::Average).isValid());
    QVERIFY(antenna::groundPlane(145, 15, 0.3, antenna::GroundKind::Free).isValid());
}

// What NEC users know: a thin quarter-wave monopole over perfect ground is
// fed with half the impedance of the same wire as a half-wave dipole in
// free space, some 36 + j21 ohms.
void TestAntenna::monopoleIsHalfADipole()
{
    antenna::Structure dipole, monopole;
    dipole.feedAt({dipole.addWire({0, 0, -0.25}, {0, 0, 0.25}, 1e-5, 51), 26}); // λ = 1 m at 299.79 MHz
    monopole.feedAt({monopole.addWire({0, 0, 0}, {0, 0, 0.25}, 1e-5, 25), 1});
    monopole.setGround({antenna::Ground::Kind::Perfect, 1, 0, antenna::Ground::Method::ReflectionCoefficient});
    QCOMPARE(monopole.groundedWires(), std::vector<int>{1});
    const antenna::Request at{{antenna::speedOfLight, 0, 1}, false, std::nullopt};
    const auto solved = antenna::Nec2c().solve({{dipole, at}, {monopole, at}});
    const auto zd = std::get<antenna::Solution>(solved[0]).feed.front().z;
    const auto zm = std::get<antenna::Solution>(solved[1]).feed.front().z;
    QVERIFY2(std::abs(zm - zd / 2.0) < 0.03 * std::abs(zd / 2.0),
             qPrintable(QStringLiteral("%1%2j %3%4j").arg(zm.real()).arg(zm.imag()).arg(zd.real()).arg(zd.imag())));
    QVERIFY(std::abs(zm - std::complex(36.5, 21.25)) < 6);
}

// A 1000-ohm choke right below the bend cuts the common-mode current
// beyond it to a small part of what it was.
void TestAntenna::chokeCutsTheCoaxCurrent()
{
    const JPole j = j145(15);
    const auto cut = antenna::segmentation(j, 145);
    const auto bare = antenna::installedStructure(j, cut, standing(antenna::GroundKind::Free, {}, 5.0), 145);
    const auto choked = antenna::installedStructure(j, cut, standing(antenna::GroundKind::Free, {}, 5.0, 1000.0), 145);
    const double without = largestOn(bare, bare.wires.coaxBelow, 145);
    const double with = largestOn(choked, choked.wires.coaxBelow, 145);
    qInfo("common-mode current on the coax: %.1f %% of the feed current, %.1f %% with a 1000-ohm choke", without * 100,
          with * 100);
    QVERIFY2(without > 0.03 && with < without / 2, qPrintable(QStringLiteral("%1 %2").arg(without).arg(with)));
}

// A vertical dipole a few wavelengths above average ground sends its
// largest gain a few degrees above the horizon, several dB above what it
// has in free space.
void TestAntenna::dipoleOverGround()
{
    const double lambda = antenna::speedOfLight / 145;
    antenna::Structure free, over;
    for (auto *s : {&free, &over})
        s->feedAt({s->addWire({0, 0, 3 * lambda - lambda / 4}, {0, 0, 3 * lambda + lambda / 4}, 0.001, 31), 16});
    over.setGround(antenna::groundFor(antenna::GroundKind::Average, over, 145));
    const auto solved = antenna::Nec2c().solve({{free, {{145, 0, 1}, false, antenna::allRound}},
                                                {over, {{145, 0, 1}, false, antenna::aboveGround}}});
    const auto inFree = antenna::patternFigures(std::get<antenna::Solution>(solved[0]).pattern);
    const auto overGround = antenna::patternFigures(std::get<antenna::Solution>(solved[1]).pattern);
    qInfo("take-off %.0f°, %.2f dBi over average ground; %.2f dBi in free space", overGround.takeoffDeg,
          overGround.strongestDbi, inFree.strongestDbi);
    QVERIFY(std::abs(inFree.strongestDbi - 2.15) < 0.2);
    QVERIFY2(overGround.takeoffDeg > 0 && overGround.takeoffDeg < 10, qPrintable(QString::number(overGround.takeoffDeg)));
    QVERIFY(overGround.strongestDbi > inFree.strongestDbi + 3);
}

void TestAntenna::installedConvergence_data()
{
    QTest::addColumn<double>("tube");
    QTest::addColumn<int>("jRefinement"); // 1: the J's segments are already a tube's diameter long
    QTest::addColumn<double>("mast");
    QTest::newRow("8 mm tube, everything doubled") << 8.0 << 2 << 30.0;
    QTest::newRow("15 mm tube, the mast and coax doubled") << 15.0 << 1 << 40.0;
}

// Fine enough where it stands too: twice the segments move the lowest-SWR
// frequency by under 0.3 % and the common-mode current on the coax by
// under a tenth of itself (coax and mast over average ground, 10 m up).
void TestAntenna::installedConvergence()
{
    QFETCH(double, tube);
    QFETCH(int, jRefinement);
    QFETCH(double, mast);
    const JPole j = j145(tube);
    const auto inst = standing(antenna::GroundKind::Average, mast, 5.0);
    double resonance[2], coax[2];
    for (int twice = 0; twice < 2; ++twice) {
        const auto built = antenna::installedStructure(j, antenna::segmentation(j, 145, twice ? jRefinement : 1), inst,
                                                       145, twice ? 2 : 1);
        const double expected = tube == 8 ? 149.3 : 146.3;
        resonance[twice] = feedOf(built.structure, {expected * 0.99, expected * 0.004, 6}).summary().best.mhz;
        coax[twice] = largestOn(built, built.wires.coaxBelow, 145);
    }
    qInfo("lowest SWR at %.3f, %.3f MHz doubled (%.3f %%); coax current %.3f, %.3f doubled (%.1f %%)", resonance[0],
          resonance[1], 100 * (resonance[1] - resonance[0]) / resonance[0], coax[0], coax[1],
          100 * (coax[1] - coax[0]) / coax[0]);
    QVERIFY(std::abs(resonance[1] - resonance[0]) / resonance[0] < 0.003);
    QVERIFY(std::abs(coax[1] - coax[0]) / coax[0] < 0.1);
}

// The installed curve is solved at eleven frequencies and, between them,
// the free-space curve carries what the installation adds: it lies on a
// curve solved at every point.
void TestAntenna::installedCurveMatchesADirectSweep()
{
    const JPole j = j145(15);
    const auto inst = standing(antenna::GroundKind::Free, {}, 5.0);
    const auto made = antenna::predict(j, 145, antenna::Nec2c(), {}, inst);
    QVERIFY(std::holds_alternative<antenna::Prediction>(made));
    const auto &p = std::get<antenna::Prediction>(made);
    const antenna::FrequencyPlan every{137.75, 0.725, 21};
    const auto direct = feedOf(antenna::installedStructure(j, antenna::segmentation(j, 145), inst, 145).structure, every);
    double worst = 0;
    for (const auto &point : direct.points)
        worst = std::max(worst, std::abs(p.feed.zAt(point.mhz) - point.z));
    qInfo("the curve lies within %.2f ohm of one solved at every point", worst);
    QVERIFY(worst < 1.5);
    QVERIFY(std::abs(p.summary().best.mhz - direct.summary().best.mhz) < 145 * 0.001);
    QVERIFY(p.freeSpace && p.coaxCurrent && !p.mastCurrent && p.groundPlane);
    QVERIFY(p.coaxCurrent->largest > 0.03 && p.coaxCurrent->largest < 0.2);
}

Q_DECLARE_METATYPE(std::function<std::complex<double>(double, double)>)

void TestAntenna::searchAllowsForTheInstallation_data()
{
    using Added = std::function<std::complex<double>(double, double)>;
    QTest::addColumn<Added>("added"); // to an installed J of this top's height, at this frequency
    QTest::addColumn<std::optional<double>>("choke");
    QTest::addColumn<std::optional<calc::Lengths>>("asBuilt");
    QTest::newRow("the coax shortens it electrically") << Added([](double, double) { return std::complex(-10.0, 20.0); })
                                                        << std::optional<double>() << std::optional<calc::Lengths>();
    QTest::newRow("by more the longer the J") << Added([](double top, double) { return std::complex(-10.0, 20 + 100 * (top - 1.48)); })
                                              << std::optional<double>() << std::optional<calc::Lengths>();
    QTest::newRow("by more the higher the frequency")
        << Added([](double, double f) { return std::complex(-10 + (f - 146), 20 + 0.5 * (f - 146) * (f - 146)); })
        << std::optional(1000.0) << std::optional<calc::Lengths>();
    QTest::newRow("built with the feed far too low") << Added([](double, double) { return 0.0; }) << std::optional<double>()
                                                     << std::optional(calc::Lengths{1481.96, 491.88, 20, 46.25});
}

// The search for an installed J allows for what the installation adds to
// the feed impedance, solved again until it settles; the curve carries it.
void TestAntenna::searchAllowsForTheInstallation()
{
    QFETCH(std::function<std::complex<double>(double, double)>, added);
    QFETCH(std::optional<double>, choke);
    QFETCH(std::optional<calc::Lengths>, asBuilt);
    CircuitSolver circuit;
    circuit.added = added;
    auto inst = standing(antenna::GroundKind::Free, {}, 5.0, choke, choke ? 2 : 0);
    inst.asBuilt = asBuilt;
    const auto made = antenna::predict(j145(15), 146, circuit, {}, inst);
    QVERIFY(std::holds_alternative<antenna::Prediction>(made));
    const auto &p = std::get<antenna::Prediction>(made);
    QVERIFY2(p.correctedSwrAtF() < 1.02, qPrintable(QString::number(p.correctedSwrAtF())));
    if (std::abs(added(1.48, 146)) > 1) // the installation worsened the match the search then mended
        QVERIFY(p.swrAtF() > p.freeSpace->swrAt(146));
    QVERIFY2(circuit.calls < 160, qPrintable(QString::number(circuit.calls)));
    // At every sample, the ends among them, the curve is the installed J's own.
    for (int i = 0; i <= 100; i += 10) {
        const auto &point = p.feed.points[std::size_t(i)];
        QVERIFY2(std::abs(point.z - p.freeSpace->points[std::size_t(i)].z - added(p.asCut.a / 1000, point.mhz)) < 1e-6,
                 qPrintable(QString::number(point.mhz)));
    }
    // The largest current on the coax is taken below the choke.
    QVERIFY(p.coaxCurrent);
    QCOMPARE(p.coaxWithoutChoke.has_value(), choke.has_value());
    QVERIFY2(p.coaxCurrent->at > (choke ? 2 : 0), qPrintable(QString::number(p.coaxCurrent->at)));
}

void TestAntenna::readTouchstone_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("z0");
    QTest::addColumn<int>("ports");
    QTest::addColumn<QList<double>>("swr"); // against 50 ohms
    // All hold S11 0.2 at -30°, 0.1 at 10° and 0.3 at 60° at 144, 145 and
    // 146 MHz: against 50 ohms an SWR of 1.5, 1.1 / 0.9 and 1.3 / 0.7.
    const QList<double> at50{1.5, 1.1 / 0.9, 1.3 / 0.7};
    QTest::newRow("RI in MHz") << "gamma-ri-mhz.s1p" << 50.0 << 1 << at50;
    QTest::newRow("MA in GHz, lower case, comments after data") << "gamma-ma-ghz.s1p" << 50.0 << 1 << at50;
    // Against 75 ohms: Z = 75 (1 + S11) / (1 - S11) is 103.81 - j21.63,
    // 91.32 + j3.20 and 86.39 + j49.33 ohms, so against 50 ohms |G| is
    // 0.37336, 0.29321 and 0.42266, an SWR of 2.1916, 1.8297 and 2.4641.
    QTest::newRow("DB in Hz, tabs, blank lines, 75 ohms") << "gamma-db-hz.s1p" << 75.0 << 1
                                                           << QList<double>{2.1916478, 1.8296894, 2.4641427};
    QTest::newRow("kHz, the rest by default") << "gamma-defaults-khz.s1p" << 50.0 << 1 << at50;
    QTest::newRow("all by default, in GHz") << "gamma-all-defaults.s1p" << 50.0 << 1 << at50;
    QTest::newRow("S11 of a two-port file") << "gamma-two-port.s2p" << 50.0 << 2 << at50;
}

void TestAntenna::readTouchstone()
{
    QFETCH(QString, file);
    QFETCH(double, z0);
    QFETCH(int, ports);
    QFETCH(QList<double>, swr);
    const auto read = antenna::readTouchstone(QStringLiteral(TOLVERA_TEST_DATA "/") + file);
    if (const auto *error = std::get_if<antenna::TouchstoneError>(&read))
        QFAIL(qPrintable(words::touchstoneError(*error, file)));
    const auto &touchstone = std::get<antenna::TouchstoneFile>(read);
    const auto &sweep = touchstone.reflection;
    QCOMPARE(sweep.z0, z0);
    QCOMPARE(touchstone.ports, ports);
    QCOMPARE(sweep.points.size(), 3u);
    const double mhz[] = {144, 145, 146};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(sweep.points[i].mhz, mhz[i]);
        QVERIFY2(std::abs(sweep.swr(i) - swr[i]) < 1e-6, qPrintable(QString::number(sweep.swr(i))));
    }
    // The phase is kept: 0.1 at 10° against the file's reference.
    QVERIFY(std::abs(sweep.points[1].gamma - std::polar(0.1, 10 * M_PI / 180)) < 1e-9);
}

void TestAntenna::readOnePorts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("z0");        // the file's reference
    QTest::addColumn<QList<double>>("swr"); // against 50 ohms, a point each
    QTest::addColumn<double>("r");         // the impedance of the last point
    QTest::addColumn<double>("x");
    const double inf = std::numeric_limits<double>::infinity();
    // Version 1 writes Z and Y normalised to R: z 1.5, 1 and 0.5 + j0.5 of
    // 50 ohms are 75, 50 and 25 + j25 ohms, an SWR of 1.5, 1 and, with |G|
    // = |-25 + j25| / |75 + j25| = 0.44721, 2.618.
    QTest::newRow("Z, RI, normalised to 50") << QByteArray("# MHz Z RI R 50\n144 1.5 0\n145 1 0\n146 0.5 0.5\n")
                                            << "z.s1p" << 50.0 << QList<double>{1.5, 1, 2.6180340} << 25.0 << 25.0;
    // z 1 of 75 ohms is 75 ohms: SWR 1.5 on a 50-ohm line.
    QTest::newRow("Z normalised to 75") << QByteArray("# MHz Z RI R 75\n145 1 0\n") << "z.s1p" << 75.0
                                        << QList<double>{1.5} << 75.0 << 0.0;
    // y 0.5 of 1/50 S is 100 ohms: SWR 2. An admittance of 0 is an open circuit.
    QTest::newRow("Y, MA, normalised") << QByteArray("# MHz Y MA R 50\n145 0 0\n146 0.5 0\n") << "y.s1p" << 50.0
                                       << QList<double>{inf, 2} << 100.0 << 0.0;
    // S against 75 ohms: 0 is 75 ohms (SWR 1.5), -0.2 is 75 · 0.8 / 1.2 =
    // 50 ohms (SWR 1), 0.2 is 112.5 ohms (SWR 2.25); 1 stays an open circuit.
    QTest::newRow("S at 75 ohms") << QByteArray("# MHz S RI R 75\n144 0 0\n145 -0.2 0\n146 1 0\n147 0.2 0\n") << "s.s1p"
                                  << 75.0 << QList<double>{1.5, 1, inf, 2.25} << 112.5 << 0.0;
    // Touchstone 2.0: its own reference, information passed over, Z in ohms.
    QTest::newRow("version 2.0, one port, 75 ohms")
        << QByteArray("! NanoVNA\n[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 1\n[Number of Frequencies] 2\n"
                      "[Reference] 75\n[Begin Information]\n[Anything] 3\n[End Information]\n[Network Data]\n"
                      "145 -0.2 0\n146 0.2 0\n[End]\n")
        << "v2.ts" << 75.0 << QList<double>{1, 2.25} << 112.5 << 0.0;
    QTest::newRow("version 2.0, Z in ohms")
        << QByteArray("[Version] 2.0\n# MHz Z RI R 50\n[Number of Ports] 1\n[Network Data]\n145 100 0\n146 25 -25\n[End]\n")
        << "v2.ts" << 50.0 << QList<double>{2, 2.6180340} << 25.0 << -25.0;
    // Version 2.0 writes Y in siemens: 0.01 S is 100 ohms, an SWR of 2.
    QTest::newRow("version 2.0, Y in siemens")
        << QByteArray("[Version] 2.0\n# MHz Y RI R 50\n[Number of Ports] 1\n[Network Data]\n145 0.01 0\n[End]\n")
        << "v2.ts" << 50.0 << QList<double>{2} << 100.0 << 0.0;
    QTest::newRow("the unit left to its default, GHz") << QByteArray("# S RI R 50\n0.145 0.2 0\n") << "s.s1p" << 50.0
                                                       << QList<double>{1.5} << 75.0 << 0.0;
    QTest::newRow("version 2.0, two ports in a lower matrix")
        << QByteArray("[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 2\n[Two-Port Data Order] 21_12\n"
                      "[Matrix Format] Lower\n[Network Data]\n145 0.2 0 0.9 0 0.1 0\n[End]\n")
        << "v2.ts" << 50.0 << QList<double>{1.5} << 75.0 << 0.0;
    QTest::newRow("version 2.0, S11 of two ports, reference over two lines")
        << QByteArray("[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 2\n[Two-Port Data Order] 21_12\n"
                      "[Reference]\n75\n75\n[Network Data]\n145 0 0 1 0 1 0 0 0\n[End]\nanything after the end\n")
        << "v2.ts" << 75.0 << QList<double>{1.5} << 75.0 << 0.0;
}

// Every analyser's file comes to the same: the reflection against its
// reference, the SWR against 50 ohms, the impedance in ohms.
void TestAntenna::readOnePorts()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, name);
    QFETCH(double, z0);
    QFETCH(QList<double>, swr);
    QFETCH(double, r);
    QFETCH(double, x);
    QTemporaryDir dir;
    const auto read = antenna::readTouchstone(written(dir, name, text));
    if (const auto *error = std::get_if<antenna::TouchstoneError>(&read))
        QFAIL(qPrintable(words::touchstoneError(*error, name)));
    const auto &port = std::get<antenna::TouchstoneFile>(read).reflection;
    QCOMPARE(port.z0, z0);
    QCOMPARE(port.points.size(), std::size_t(swr.size()));
    for (std::size_t i = 0; i < port.points.size(); ++i)
        QVERIFY2(std::isinf(swr[qsizetype(i)]) ? std::isinf(port.swr(i)) : std::abs(port.swr(i) - swr[qsizetype(i)]) < 1e-6,
                 qPrintable(QStringLiteral("point %1: %2").arg(i).arg(port.swr(i))));
    const auto z = port.z(port.points.size() - 1);
    QVERIFY2(std::abs(z - std::complex(r, x)) < 1e-6, qPrintable(QStringLiteral("%1 %2").arg(z.real()).arg(z.imag())));
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
    QTest::newRow("R of 0") << QByteArray("# MHz S RI R 0\n145 0.1 0\n") << "a.s1p" << K::BadOptionLine << 1;
    QTest::newRow("R negative") << QByteArray("# MHz S RI R -50\n145 0.1 0\n") << "a.s1p" << K::BadOptionLine << 1;
    QTest::newRow("a unit Touchstone does not have") << QByteArray("# THz S RI R 50\n1 0.1 0\n") << "a.s1p" << K::UnknownUnit << 1;
    QTest::newRow("H parameters") << QByteArray("# MHz H RI R 50\n145 1 0\n") << "a.s1p" << K::NotS << 1;
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
    const QByteArray v2 = "[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 1\n";
    QTest::newRow("version 3.0") << QByteArray("[Version] 3.0\n# MHz S RI R 50\n") << "a.ts" << K::BadVersion << 1;
    QTest::newRow("a keyword in a version 1 file") << head + "[Number of Ports] 1\n145 0.1 0\n" << "a.s1p" << K::BadKeyword << 3;
    QTest::newRow("version 2.0 of four ports") << QByteArray("[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 4\n")
                                                << "a.ts" << K::TooManyPorts << 3;
    QTest::newRow("version 2.0 without its number of ports")
        << QByteArray("[Version] 2.0\n# MHz S RI R 50\n[Network Data]\n145 0.1 0\n") << "a.ts" << K::BadKeyword << 3;
    QTest::newRow("version 2.0, data before its keyword") << v2 + "145 0.1 0\n" << "a.ts" << K::BadKeyword << 4;
    QTest::newRow("version 2.0, mixed modes") << v2 + "[Mixed-Mode Order] D2,1 C2,1\n" << "a.ts" << K::BadKeyword << 4;
    QTest::newRow("version 2.0, fewer frequencies than it says")
        << v2 + "[Number of Frequencies] 3\n[Network Data]\n145 0.1 0\n146 0.1 0\n[End]\n" << "a.ts"
        << K::WrongFrequencyCount << 0;
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
    const auto said = words::touchstoneError(error, path);
    QVERIFY2(said.startsWith(name + (line ? QStringLiteral(" 第 %1 行：").arg(line) : QStringLiteral("："))), qPrintable(said));
}

// A device of no size that hands out a little at a time, as a pipe does:
// `head`, then `rest` again and again up to `length` bytes in all.
class Stream : public QIODevice
{
public:
    Stream(QByteArray head, QByteArray rest, qint64 length) : head(std::move(head)), rest(std::move(rest)), length(length)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 most) override
    {
        qint64 n = 0;
        for (; n < std::min<qint64>(most, 4096) && given < length; ++n, ++given)
            data[n] = given < head.size() ? head[given] : rest[(given - head.size()) % rest.size()];
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray head, rest;
    qint64 length, given = 0;
};

// A pipe is read to its end, however little it gives at once, and one
// that never ends is refused at the largest size rather than filling memory.
void TestAntenna::touchstoneFromAStream()
{
    QByteArray sweep = "# MHz S RI R 50\n";
    for (int i = 0; i < 10001; ++i)
        sweep += QByteArray::number(140 + i * 0.001, 'f', 3) + " 0.2 0\n";
    Stream pipe(sweep, "", sweep.size());
    const auto read = antenna::readTouchstone(pipe, QStringLiteral("a.s1p"));
    QVERIFY(std::holds_alternative<antenna::TouchstoneFile>(read));
    QCOMPARE(std::get<antenna::TouchstoneFile>(read).reflection.points.size(), 10001u);
    QCOMPARE(std::get<antenna::TouchstoneFile>(read).reflection.points.back().mhz, 150.0);

    Stream endless("# MHz S RI R 50\n", "! and more\n", std::numeric_limits<qint64>::max());
    const auto refused = antenna::readTouchstone(endless, QStringLiteral("a.s1p"));
    QVERIFY(std::holds_alternative<antenna::TouchstoneError>(refused));
    QCOMPARE(std::get<antenna::TouchstoneError>(refused).kind, antenna::TouchstoneError::Kind::TooLarge);
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
    QCOMPARE(words::cutAdvice(antenna::cutFor(measured, 145, {1.0, bOverA})), advice);
}

// A builder's 8 mm J at 145 MHz, as an analyser would save its sweep; the
// cut the program advises, made in the model, brings it to within 1 %.
void TestAntenna::measuredCutMovesTheResonanceToF()
{
    const auto j = j145(8);
    const auto feed = feedOf(antenna::jStructure(j, antenna::segmentation(j, 145)), {130, 0.1, 301});
    QByteArray s1p = "! the 8 mm J, simulated\n# Hz S RI R 50\n";
    for (const auto &p : feed.points) {
        const auto g = (p.z - 50.0) / (p.z + 50.0);
        s1p += QByteArray::number(qint64(std::llround(p.mhz * 1e6))) + ' ' + QByteArray::number(g.real(), 'g', 9) + ' '
               + QByteArray::number(g.imag(), 'g', 9) + '\n';
    }
    QTemporaryDir dir;
    const auto read = antenna::readTouchstone(written(dir, QStringLiteral("j8.s1p"), s1p));
    QVERIFY(std::holds_alternative<antenna::TouchstoneFile>(read));
    const auto m = antenna::measuredFile(QStringLiteral("j8.s1p"), std::get<antenna::TouchstoneFile>(read).reflection);
    QVERIFY2(m.summary.best.mhz > 147, qPrintable(QString::number(m.summary.best.mhz)));
    const auto &p = prediction8mm();
    const auto cut = antenna::cutFor(m.summary.best.mhz, 145, {p.mhzPer10mmOfA, j.b / j.a});
    QVERIFY(cut.a < 0); // resonating high: longer elements
    const double after = resonance({j.a - cut.a, j.b - cut.b, j.c, j.d, j.tube}, 145);
    QVERIFY2(std::abs(after - 145) < 1.45, qPrintable(QStringLiteral("%1 mm, %2 MHz").arg(cut.a).arg(after)));
}

namespace {

// A sweep that resonates at `mhz`: a series circuit of 70 ohms there.
antenna::Measurement resonatingAt(double mhz, const QString &label = QStringLiteral("live"))
{
    antenna::OnePort port;
    for (int i = 0; i <= 100; ++i) {
        const double f = 140 + i * 0.1;
        const std::complex<double> z(70, 400 * (f / mhz - mhz / f));
        port.points.push_back({f, (z - 50.0) / (z + 50.0)});
    }
    return antenna::measurement(label, {antenna::Origin::Kind::Device, QStringLiteral("/dev/ttyACM0"),
                                        QStringLiteral("NanoVNA-H 4"), QStringLiteral("1.2.52")},
                                port);
}

} // namespace

void TestAntenna::measuredTrim_data()
{
    QTest::addColumn<QList<double>>("resonances");
    QTest::addColumn<QList<double>>("cutsA"); // since the sweep before
    QTest::addColumn<QList<double>>("cutsB");
    QTest::addColumn<double>("per10mm"); // 0: none can be said
    QTest::addColumn<double>("bOverA");
    QTest::newRow("one sweep: nothing to go by") << QList<double>{144} << QList<double>{0} << QList<double>{0} << 0.0 << 0.0;
    QTest::newRow("10 mm off A moved it 0.93 MHz") << QList<double>{143, 143.93} << QList<double>{0, 10}
                                                   << QList<double>{0, 3.3} << 0.93 << 0.33;
    QTest::newRow("three cuts on a line") << QList<double>{143, 143.5, 144.5} << QList<double>{0, 5, 10}
                                          << QList<double>{0, 0, 0} << 1.0 << 0.0;
    QTest::newRow("after a first cut before logging") << QList<double>{143, 144} << QList<double>{20, 10}
                                                      << QList<double>{7, 2} << 1.0 << 0.2;
    QTest::newRow("swept again without a cut") << QList<double>{143, 143.01} << QList<double>{0, 0}
                                               << QList<double>{0, 0} << 0.0 << 0.0;
    QTest::newRow("lengthened") << QList<double>{145, 144} << QList<double>{0, -10} << QList<double>{0, -3}
                                << 1.0 << 0.3;
}

// From two cuts or more, the builder's own trim figure: what their tube,
// their bend and their coax make of 10 mm off A.
void TestAntenna::measuredTrim()
{
    QFETCH(QList<double>, resonances);
    QFETCH(QList<double>, cutsA);
    QFETCH(QList<double>, cutsB);
    QFETCH(double, per10mm);
    QFETCH(double, bOverA);
    antenna::TrimLog log;
    for (qsizetype i = 0; i < resonances.size(); ++i)
        log.kept.push_back({QDateTime(), cutsA[i], cutsB[i], {}, resonatingAt(resonances[i])});
    for (std::size_t i = 0; i < log.kept.size(); ++i) {
        QVERIFY(std::abs(log.resonances()[i] - resonances[qsizetype(i)]) < 0.01);
        // R + jX where the SWR is lowest, between the points: the circuit's 70 ohms.
        const auto z = log.kept[i].measurement.zAtBest;
        QVERIFY2(std::abs(z - 70.0) < 0.5, qPrintable(QStringLiteral("%1 %2").arg(z.real()).arg(z.imag())));
    }
    const auto trim = log.measuredTrim();
    QCOMPARE(trim.has_value(), per10mm != 0);
    if (trim) {
        QVERIFY2(std::abs(trim->mhzPer10mmOfA - per10mm) < 0.02, qPrintable(QString::number(trim->mhzPer10mmOfA)));
        QVERIFY(std::abs(trim->bOverA - bOverA) < 1e-9);
    }
}

// A log saved as .s1p files and an index, the notes in Chinese, opens again
// as it was; any program reads its sweeps; an index that points outside its
// folder, or none, is refused.
void TestAntenna::trimLogSavedAndOpened()
{
    antenna::TrimLog log;
    const QDateTime when(QDate(2026, 12, 11), QTime(10, 30, 15, 250), Qt::UTC);
    log.kept.push_back({when, 0, 0, QStringLiteral("按公式切好，第一次扫频"), resonatingAt(143.2, QStringLiteral("第 1 次"))});
    log.kept.push_back({when.addSecs(600), 12, 4, QStringLiteral("A 剪短 12 毫米\nB 剪短 4 毫米"), resonatingAt(144.4)});
    QTemporaryDir dir;
    const auto folder = dir.filePath(QStringLiteral("修剪记录"));
    QCOMPARE(antenna::saveTrimLog(log, folder).has_value(), false);
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
             (QStringList{"cut-01.s1p", "cut-02.s1p", QString::fromLatin1(antenna::trimLogIndex)}));
    const auto alone = antenna::readTouchstone(QDir(folder).filePath(QStringLiteral("cut-02.s1p")));
    QVERIFY(std::holds_alternative<antenna::TouchstoneFile>(alone));

    const auto opened = antenna::openTrimLog(folder);
    QVERIFY(std::holds_alternative<antenna::TrimLog>(opened));
    const auto &again = std::get<antenna::TrimLog>(opened);
    QCOMPARE(again.kept.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto &a = log.kept[i], &b = again.kept[i];
        QCOMPARE(b.time, a.time);
        QCOMPARE(b.cutA, a.cutA);
        QCOMPARE(b.cutB, a.cutB);
        QCOMPARE(b.note, a.note);
        QCOMPARE(b.measurement.label, a.measurement.label);
        QCOMPARE(b.measurement.origin.model, QStringLiteral("NanoVNA-H 4"));
        QCOMPARE(b.measurement.origin.where, QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(b.measurement.data.points.size(), a.measurement.data.points.size());
        for (std::size_t k = 0; k < a.measurement.data.points.size(); ++k)
            QVERIFY(std::abs(b.measurement.data.points[k].gamma - a.measurement.data.points[k].gamma) < 1e-10);
    }
    QVERIFY(std::abs(again.measuredTrim()->mhzPer10mmOfA - log.measuredTrim()->mhzPer10mmOfA) < 1e-6);

    QFile index(QDir(folder).filePath(QString::fromLatin1(antenna::trimLogIndex)));
    QVERIFY(index.open(QIODevice::ReadOnly));
    const auto text = index.readAll().replace("cut-02.s1p", "../cut-02.s1p");
    index.close();
    QVERIFY(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
    index.write(text);
    index.close();
    const auto outside = antenna::openTrimLog(folder);
    QVERIFY(std::holds_alternative<antenna::TrimLogError>(outside));
    QCOMPARE(std::get<antenna::TrimLogError>(outside).kind, antenna::TrimLogError::Kind::BadIndex);
    // Nor anywhere else it names.
    const auto elsewhere = dir.filePath(QStringLiteral("elsewhere.s1p"));
    QVERIFY(QFile::copy(QDir(folder).filePath(QStringLiteral("cut-01.s1p")), elsewhere));
    QVERIFY(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
    index.write(QByteArray(text).replace("../cut-02.s1p", elsewhere.toUtf8()));
    index.close();
    QCOMPARE(std::get<antenna::TrimLogError>(antenna::openTrimLog(folder)).kind, antenna::TrimLogError::Kind::BadIndex);
    const auto none = antenna::openTrimLog(dir.filePath(QStringLiteral("nowhere")));
    QCOMPARE(std::get<antenna::TrimLogError>(none).kind, antenna::TrimLogError::Kind::NoIndex);
}

QTEST_GUILESS_MAIN(TestAntenna)
#include "test_antenna.moc"
