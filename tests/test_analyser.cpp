// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "analyser/analyser.h"
#include "antenna/touchstone.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <numbers>
#include <thread>

using analyser::Analyser;
using analyser::Fault;
using Kind = analyser::Fault::Kind;

Q_DECLARE_METATYPE(analyser::Fault::Kind)

namespace {

// 145 MHz ± 5 %, as the window asks.
constexpr double fromMhz = 0.95 * 145;
constexpr double toMhz = 1.05 * 145;

// A series RLC of 40 ohms resonating at 145 MHz, a point every MHz.
QByteArray rlcLoad()
{
    QByteArray s = "# MHz S RI R 50\n";
    const double l = 100e-9, c = 1 / (std::pow(2 * std::numbers::pi * 145e6, 2) * l);
    for (int mhz = 100; mhz <= 200; ++mhz) {
        const double w = 2 * std::numbers::pi * mhz * 1e6;
        const std::complex<double> z(40, w * l - 1 / (w * c));
        const auto g = (z - 50.0) / (z + 50.0);
        s += QByteArray::number(mhz) + ' ' + QByteArray::number(g.real(), 'f', 12) + ' '
            + QByteArray::number(g.imag(), 'f', 12) + '\n';
    }
    return s;
}

// The simulated analyser on a pty, for as long as it lives.
class Simulator
{
public:
    Simulator(const QString &load, const QStringList &args) : stats_(load + QStringLiteral(".stats"))
    {
        QFile::remove(stats_);
        process_.start(QStringLiteral("python3"), QStringList{qEnvironmentVariable("TOLVERA_SIMULATOR"), "--load", load,
                                                              "--stats", stats_} + args);
        while (process_.waitForReadyRead(5000) && !process_.canReadLine()) {
        }
        port = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~Simulator() { stop(); }

    // Its count of scans (text) or FIFO reads (V2).
    int stop()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.closeWriteChannel(); // it ends at EOF
            if (!process_.waitForFinished(3000))
                process_.kill();
            process_.waitForFinished(1000);
        }
        QFile file(stats_);
        return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(1).toInt() : -1;
    }

    QString port;

private:
    QProcess process_;
    QString stats_;
};

// The fault of a sweep that should have given points, for the failure message.
QByteArray why(const std::variant<antenna::OnePort, Fault> &swept)
{
    const auto *fault = std::get_if<Fault>(&swept);
    return fault ? "fault " + QByteArray::number(int(fault->kind)) + ": " + fault->detail.toUtf8() : QByteArray();
}

} // namespace

class TestAnalyser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void sweepMatchesFile_data();
    void sweepMatchesFile();
    void faults_data();
    void faults();
    void badRequest_data();
    void badRequest();
    void cannotOpen_data();
    void cannotOpen();
    void busy();
    void cancel_data();
    void cancel();

    void parseScan_data();
    void parseScan();
    void parseRecords_data();
    void parseRecords();

private:
    // Every point at the frequency asked and with the load's S11 there, to
    // the shell's 9 decimals and the V2's int32 waves.
    void expectLoad(const antenna::OnePort &swept, int points);
    std::unique_ptr<Analyser> connected(const Simulator &sim);

    QTemporaryDir dir_;
    QString load_;
    antenna::OnePort expected_;
};

void TestAnalyser::initTestCase()
{
    QVERIFY(dir_.isValid());
    load_ = dir_.filePath(QStringLiteral("rlc145.s1p"));
    QFile file(load_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(rlcLoad());
    file.close();
    const auto read = antenna::readTouchstone(load_);
    QVERIFY(std::holds_alternative<antenna::TouchstoneFile>(read));
    expected_ = std::get<antenna::TouchstoneFile>(read).reflection;
}

#ifdef Q_OS_WIN
#define NEED_SIMULATOR() QSKIP("the simulated analyser needs a pty")
#else
#define NEED_SIMULATOR()                                                                                              \
    if (qEnvironmentVariableIsEmpty("TOLVERA_SIMULATOR") || QStandardPaths::findExecutable("python3").isEmpty())        \
    QSKIP("the simulated analyser needs python3 and TOLVERA_SIMULATOR")
#endif

void TestAnalyser::expectLoad(const antenna::OnePort &swept, int points)
{
    QCOMPARE(int(swept.points.size()), points);
    QCOMPARE(swept.z0, 50.0);
    const qint64 start = std::llround(fromMhz * 1e6);
    const qint64 step = (std::llround(toMhz * 1e6) - start) / (points - 1);
    for (int i = 0; i < points; ++i) {
        const auto &p = swept.points[std::size_t(i)];
        QCOMPARE(p.mhz, double(start + step * i) / 1e6);
        const auto off = std::abs(p.gamma - expected_.gammaAt(p.mhz));
        QVERIFY2(off < 2e-6, qPrintable(QStringLiteral("point %1 at %2 MHz off by %3").arg(i).arg(p.mhz).arg(off)));
    }
}

std::unique_ptr<Analyser> TestAnalyser::connected(const Simulator &sim)
{
    auto made = Analyser::connect(sim.port);
    if (auto *fault = std::get_if<Fault>(&made)) {
        qWarning("connect %s: fault %d %s", qPrintable(sim.port), int(fault->kind), qPrintable(fault->detail));
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<Analyser>>(made));
}

void TestAnalyser::sweepMatchesFile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("perScan");
    QTest::addColumn<bool>("calibrated");
    QTest::addColumn<int>("scans"); // as the device counts them
    const QStringList text{"--protocol", "text", "--model"}, v2{"--protocol", "v2", "--model"};
    QTest::newRow("H4, 101 points") << text + QStringList{"h4"} << 101 << "NanoVNA-H 4" << "1.2.52" << 401 << true << 1;
    QTest::newRow("H, 101 points") << text + QStringList{"h"} << 101 << "NanoVNA-H" << "1.2.43" << 101 << true << 1;
    QTest::newRow("original, 101 points")
        << text + QStringList{"original"} << 101 << "NanoVNA" << "0.4.5-23-g587ad32ab" << 101 << true << 1;
    QTest::newRow("V2, 101 points") << v2 + QStringList{"v2"} << 101 << "NanoVNA-V2" << "1.5" << 255 << false << 1;
    QTest::newRow("LiteVNA, 101 points") << v2 + QStringList{"lite"} << 101 << "LiteVNA" << "1.2" << 255 << false << 1;
    QTest::newRow("H, 801 points joined from 8 scans")
        << text + QStringList{"h"} << 801 << "NanoVNA-H" << "1.2.43" << 101 << true << 8;
    QTest::newRow("H4, 1001 points joined from 3 scans")
        << text + QStringList{"h4"} << 1001 << "NanoVNA-H 4" << "1.2.52" << 401 << true << 3;
    // Its 128-record queue fills in 64 ms at this pace.
    QTest::newRow("V2, 2001 points joined from 8 sweeps")
        << v2 + QStringList{"v2", "--point-ms", "0.5"} << 2001 << "NanoVNA-V2" << "1.5" << 255 << false << 8;
}

void TestAnalyser::sweepMatchesFile()
{
    NEED_SIMULATOR();
    QFETCH(QStringList, args);
    QFETCH(int, points);
    Simulator sim(load_, args);
    auto vna = connected(sim);
    QVERIFY(vna);
    QTEST(vna->device().model, "model");
    QTEST(vna->device().version, "version");
    QTEST(vna->device().pointsPerScan, "perScan");
    QTEST(vna->device().calibrated, "calibrated");
    QCOMPARE(vna->device().port, sim.port);
    const auto swept = vna->sweep(fromMhz, toMhz, points);
    QVERIFY2(std::holds_alternative<antenna::OnePort>(swept), why(swept).constData());
    expectLoad(std::get<antenna::OnePort>(swept), points);
    vna.reset();
    QTEST(sim.stop(), "scans");
}

void TestAnalyser::faults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("survives");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("detail"); // in the fault's detail
    QTest::addColumn<int>("withinMs");   // connect and sweep together
    const QStringList text{"--protocol", "text", "--model", "h", "--fault"}, v2{"--protocol", "v2", "--fault"};
    const auto fault = [](const char *name, QStringList args, Kind kind, const char *detail = "", int within = 6000) {
        QTest::newRow(name) << args << 101 << false << kind << QString::fromLatin1(detail) << within;
    };
    // A shell that never prompts is a device not answering, not some other device.
    fault("a shell that never prompts", text + QStringList{"no-prompt"}, Kind::NoAnswer);
    fault("a silent port", text + QStringList{"silent"}, Kind::NoAnswer);
    fault("a modem", text + QStringList{"not-analyser"}, Kind::NotAnalyser, "ERROR");
    fault("a shell that hangs after naming itself", text + QStringList{"hang"}, Kind::NoAnswer);
    fault("a value that is no number", text + QStringList{"garbled"}, Kind::Garbled, "0.0.1359530", 10000);
    fault("a value of absurd size", text + QStringList{"huge"}, Kind::Garbled, "2147483647.147483647", 10000);
    fault("a scan one point short", text + QStringList{"short"}, Kind::WrongCount, "100", 10000);
    fault("the shell unplugged mid-sweep", text + QStringList{"unplug"}, Kind::Unplugged, "", 10000);
    fault("a V2 that hangs after its probe", v2 + QStringList{"hang"}, Kind::NoAnswer);
    fault("a V2 in its bootloader", v2 + QStringList{"bootloader"}, Kind::Bootloader);
    fault("a V2 unplugged mid-sweep", v2 + QStringList{"unplug"}, Kind::Unplugged, "", 10000);

    const auto survives = [](const char *name, QStringList args, int points = 101, int within = 10000) {
        QTest::newRow(name) << args << points << true << Kind::Cancelled << QString() << within;
    };
    survives("comma decimals", text + QStringList{"comma"});
    survives("ModemManager's AT noise", text + QStringList{"at-noise"});
    // 2 ms a few bytes: prompts and records straddle reads
    survives("answers split across writes", text + QStringList{"split"}, 31);
    survives("a V2's answers split across writes", v2 + QStringList{"split"}, 31);
    survives("every prompt 1.5 s late", text + QStringList{"late-prompt"});
    survives("a slow scan", text + QStringList{"slow"}, 11);
    survives("a slow V2", v2 + QStringList{"slow"}, 11);
}

void TestAnalyser::faults()
{
    NEED_SIMULATOR();
    QFETCH(QStringList, args);
    QFETCH(int, points);
    QFETCH(bool, survives);
    QFETCH(int, withinMs);
    Simulator sim(load_, args);
    QVERIFY(!sim.port.isEmpty());
    QElapsedTimer clock;
    clock.start();
    std::variant<antenna::OnePort, Fault> swept = Fault{Kind::NoAnswer, {}, {}};
    auto made = Analyser::connect(sim.port);
    if (auto *vna = std::get_if<std::unique_ptr<Analyser>>(&made))
        swept = (*vna)->sweep(fromMhz, toMhz, points);
    else
        swept = std::get<Fault>(made);
    const auto took = clock.elapsed();
    if (survives) {
        QVERIFY2(std::holds_alternative<antenna::OnePort>(swept), why(swept).constData());
        expectLoad(std::get<antenna::OnePort>(swept), points);
    } else {
        QVERIFY(std::holds_alternative<Fault>(swept));
        const auto &fault = std::get<Fault>(swept);
        QTEST(fault.kind, "kind");
        QCOMPARE(fault.port, sim.port);
        QFETCH(QString, detail);
        QVERIFY2(fault.detail.contains(detail), qPrintable(fault.detail));
    }
    QVERIFY2(took < withinMs, qPrintable(QStringLiteral("%1 ms").arg(took)));
}

void TestAnalyser::badRequest_data()
{
    QTest::addColumn<QString>("protocol");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("points");
    QTest::newRow("start above stop") << "text" << 146.0 << 144.0 << 101;
    QTest::newRow("one point") << "text" << 144.0 << 146.0 << 1;
    QTest::newRow("not a number") << "text" << std::nan("") << 146.0 << 101;
    QTest::newRow("points closer than a hertz") << "text" << 145.0 << 145.00005 << 101;
    QTest::newRow("below any analyser") << "text" << 0.001 << 1.0 << 11;
    QTest::newRow("above a V2's 4.4 GHz") << "v2" << 4000.0 << 5000.0 << 101;
}

void TestAnalyser::badRequest()
{
    NEED_SIMULATOR();
    QFETCH(QString, protocol);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, points);
    Simulator sim(load_, {"--protocol", protocol});
    auto vna = connected(sim);
    QVERIFY(vna);
    const auto swept = vna->sweep(from, to, points);
    QVERIFY(std::holds_alternative<Fault>(swept));
    QCOMPARE(std::get<Fault>(swept).kind, Kind::BadRequest);
    vna.reset();
    QCOMPARE(sim.stop(), 0); // nothing was asked of it
}

void TestAnalyser::cannotOpen_data()
{
    QTest::addColumn<QString>("port");
#ifdef Q_OS_WIN
    QTest::newRow("no such port") << "COM250";
#else
    QTest::newRow("no such port") << "/dev/tolvera-no-such-port";
    QTest::newRow("a file that is no serial port") << "/dev/null";
#endif
}

void TestAnalyser::cannotOpen()
{
    QFETCH(QString, port);
    QElapsedTimer clock;
    clock.start();
    const auto made = Analyser::connect(port);
    QVERIFY(std::holds_alternative<Fault>(made));
    QCOMPARE(std::get<Fault>(made).kind, Kind::CannotOpen);
    QCOMPARE(std::get<Fault>(made).port, port);
    QVERIFY(clock.elapsed() < 1000);
}

void TestAnalyser::busy()
{
    NEED_SIMULATOR();
    Simulator sim(load_, {"--protocol", "text"});
    auto first = connected(sim);
    QVERIFY(first);
    const auto second = Analyser::connect(sim.port);
    QVERIFY(std::holds_alternative<Fault>(second));
    QCOMPARE(std::get<Fault>(second).kind, Kind::Busy);
    // Refused without a byte sent or taken: the first sweeps as before.
    const auto swept = first->sweep(fromMhz, toMhz, 101);
    QVERIFY(std::holds_alternative<antenna::OnePort>(swept));
    expectLoad(std::get<antenna::OnePort>(swept), 101);
}

void TestAnalyser::cancel_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("connecting"); // the caller's flag, while connect() runs
    QTest::newRow("a shell's sweep") << QStringList{"--protocol", "text", "--fault", "slow"} << false;
    QTest::newRow("a V2's sweep") << QStringList{"--protocol", "v2", "--fault", "slow"} << false;
    QTest::newRow("connecting to a silent port") << QStringList{"--protocol", "text", "--fault", "silent"} << true;
}

void TestAnalyser::cancel()
{
    NEED_SIMULATOR();
    QFETCH(QStringList, args);
    QFETCH(bool, connecting);
    Simulator sim(load_, args);
    std::atomic_bool stop = false;
    std::unique_ptr<Analyser> vna = connecting ? nullptr : connected(sim);
    QVERIFY(connecting || vna);
    QElapsedTimer clock;
    clock.start();
    std::atomic<qint64> cancelledAt = -1;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancelledAt = clock.elapsed();
        vna ? vna->cancel() : void(stop = true);
    });
    // 3 s at 20 ms a point: what is left of it outlasts the wait for an echo
    std::variant<antenna::OnePort, Fault> swept = Fault{Kind::NoAnswer, {}, {}};
    if (connecting) {
        if (auto made = Analyser::connect(sim.port, &stop); std::holds_alternative<Fault>(made))
            swept = std::get<Fault>(made);
    } else {
        swept = vna->sweep(fromMhz, toMhz, 151);
    }
    const auto returnedAt = clock.elapsed();
    canceller.join();
    QVERIFY(std::holds_alternative<Fault>(swept));
    QCOMPARE(std::get<Fault>(swept).kind, Kind::Cancelled);
    QVERIFY2(returnedAt - cancelledAt < 200, qPrintable(QStringLiteral("%1 ms").arg(returnedAt - cancelledAt)));
    if (vna) { // the rest of the cancelled scan must not end up in the next
        const auto again = vna->sweep(fromMhz, toMhz, 11);
        QVERIFY2(std::holds_alternative<antenna::OnePort>(again), why(again).constData());
        expectLoad(std::get<antenna::OnePort>(again), 11);
    }
}

void TestAnalyser::parseScan_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("kind"); // -1: the values
    const QByteArray a = "144000000 0.100000000 -0.200000000 \r\n", b = "146000000 0.300000000 0.400000000 \r\n";
    const auto values = [](const char *name, QByteArray reply) { QTest::newRow(name) << reply << 2 << -1; };
    const auto fault = [](const char *name, QByteArray reply, Kind kind, int points = 2) {
        QTest::newRow(name) << reply << points << int(kind);
    };
    values("CR LF", a + b);
    values("LF alone", QByteArray(a + b).replace("\r", ""));
    values("echo and prompt", "scan 144000000 146000000 2 3\r\n" + a + b + "ch> ");
    values("comma decimals", "144000000 0,100000000 -0,200000000 \r\n146000000 0,300000000 0,400000000 \r\n");
    values("AT noise between the lines", "AT?\r\n" + a + "ch> AT+CGMI\r\nAT+CGMI?\r\n" + b);
    values("blank lines", "\r\n" + a + "\r\n" + b + "\r\n");
    fault("a value that is no number", a + "146000000 0.0.1359530 0.4 \r\n", Kind::Garbled);
    fault("a value of magnitude 11", a + "146000000 11.000000000 0.000000000 \r\n", Kind::Garbled);
    fault("a value of absurd size", a + "146000000 0.3 2147483647.147483647 \r\n", Kind::Garbled);
    fault("not a number", a + "146000000 nan 0.4 \r\n", Kind::Garbled);
    fault("a field missing", a + "146000000 0.3 \r\n", Kind::Garbled);
    fault("a line too few", a + "ch> ", Kind::WrongCount);
    fault("a line too many", a + b + b, Kind::WrongCount);
    fault("the last line cut short", a + "146000000 0.3", Kind::WrongCount);
    fault("nothing", "ch> ", Kind::WrongCount);
}

void TestAnalyser::parseScan()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, points);
    QFETCH(int, kind);
    const auto parsed = analyser::shell::parseScan(reply, points);
    if (kind >= 0) {
        QVERIFY(std::holds_alternative<Kind>(parsed));
        QCOMPARE(int(std::get<Kind>(parsed)), kind);
        return;
    }
    QVERIFY(!std::holds_alternative<Kind>(parsed));
    const auto &v = std::get<0>(parsed);
    QCOMPARE(int(v.size()), 2);
    QCOMPARE(v[0].first, 144000000);
    QCOMPARE(v[0].second, std::complex(0.1, -0.2));
    QCOMPARE(v[1].first, 146000000);
    QCOMPARE(v[1].second, std::complex(0.3, 0.4));
}

namespace {

// A V2 record: the forward and reflected waves and the point's index.
QByteArray record(std::complex<int> fwd, std::complex<int> rev, quint16 index)
{
    QByteArray r(32, '\0');
    const qint32 fields[] = {fwd.real(), fwd.imag(), rev.real(), rev.imag(), 7, 7};
    for (int i = 0; i < 6; ++i)
        qToLittleEndian(fields[i], r.data() + 4 * i);
    qToLittleEndian(index, r.data() + 24);
    return r;
}

} // namespace

void TestAnalyser::parseRecords_data()
{
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<int>("kind"); // -1: the values
    // A forward wave off the real axis: S11 = rev / fwd, not rev alone or fwd / rev.
    const std::complex<int> fwd(600000, 800000);
    const auto at = [&](int i) { return record(fwd, {-200000 * i, 100000 * (i + 1)}, quint16(i)); };
    QTest::newRow("in order") << at(0) + at(1) + at(2) << -1;
    QTest::newRow("out of order") << at(2) + at(0) + at(1) << -1;
    QTest::newRow("a point twice, the later kept") << at(1) + record(fwd, {1, 1}, 1) + at(0) + at(2) + at(1) << -1;
    QTest::newRow("an index beyond the points") << at(0) + at(1) + at(2) + at(3) << int(Kind::Garbled);
    QTest::newRow("a zero forward wave") << at(0) + record({0, 0}, {5, 5}, 1) + at(2) << int(Kind::Garbled);
    QTest::newRow("a point missing") << at(0) + at(2) + at(2) << int(Kind::WrongCount);
    QTest::newRow("a record cut short") << at(0) + at(1) + at(2).left(31) << int(Kind::WrongCount);
}

void TestAnalyser::parseRecords()
{
    QFETCH(QByteArray, records);
    QFETCH(int, kind);
    const auto parsed = analyser::binary::parseRecords(records, 3);
    if (kind >= 0) {
        QVERIFY(std::holds_alternative<Kind>(parsed));
        QCOMPARE(int(std::get<Kind>(parsed)), kind);
        return;
    }
    QVERIFY(!std::holds_alternative<Kind>(parsed));
    const auto &v = std::get<0>(parsed);
    QCOMPARE(int(v.size()), 3);
    const std::complex<double> fwd(600000, 800000);
    for (int i = 0; i < 3; ++i)
        QVERIFY(std::abs(v[std::size_t(i)] - std::complex<double>(-200000 * i, 100000 * (i + 1)) / fwd) < 1e-12);
}

QTEST_GUILESS_MAIN(TestAnalyser)
#include "test_analyser.moc"
