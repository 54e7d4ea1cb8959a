// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/application.h"
#include "ui/cutsheet.h"
#include "ui/dimensions.h"
#include "ui/form1.h"
#include "ui/label.h"
#include "antenna/installation.h"
#include "antenna/solver.h"
#include "antenna/trimlog.h"
#include "ui/analyserpanel.h"
#include "words/words.h"
#include "ui/document.h"
#include "ui/predictionwindow.h"
#include "ui/swrplot.h"
#include "runtime/format.h"
#include "ui/layout.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRawFont>
#include <QScopeGuard>
#include <QPointer>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The result boxes' names, A to E.
QStringList resultNames()
{
    QStringList names;
    for (const auto &result : calc::results)
        names << QString::fromLatin1(result.boxName);
    return names;
}
const QStringList resultsFor101{"2127.56", "706.17", "69.41", "66.39", "2853.73"};

// The characters of text that the Song face the program carries lacks, as
// the window finds that face: by the family it registers.
QString missingGlyphs(const QString &text)
{
    static const QRawFont song = [] {
        const QRawFont font = QRawFont::fromFont(ui::qtFont(ui::Font::Default));
        if (font.familyName() != QStringLiteral("Tolvera UMing"))
            qFatal("the window draws with %s, not the face it carries", qPrintable(font.familyName()));
        return font;
    }();
    QString missing;
    for (QChar c : text) {
        if (c != u'\n' && !song.supportsCharacter(c))
            missing += c;
    }
    return missing;
}

// WCAG 2 contrast ratio of two colours, from 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What appears for a screen reader to say: the results after a calculation,
// each time the notification is shown.
QStringList announced;

class AnnouncementListener : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *shown = QAccessible::queryAccessibleInterface(watched);
            if (shown && shown->role() == QAccessible::Notification)
                announced << shown->text(QAccessible::Name);
        }
        return false;
    }
};

QString spokenResults(const QStringList &results)
{
    return QStringLiteral("A %1 毫米，B %2 毫米，C %3 毫米，D %4 毫米，总长度 %5 毫米")
        .arg(results[0], results[1], results[2], results[3], results[4]);
}

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons;
    QString frequency; // MHZ's text while the box was open
    QWidget *owner = nullptr;
    QPoint centre;
    QColor background;
};

// Closes every modal box with its own button, as soon as it opens or once
// it has been open for `linger` ms, and remembers what it showed. Tests
// compare what was seen, so a box nobody expected fails the test instead
// of hanging it.
class BoxCloser : public QObject
{
public:
    explicit BoxCloser(QLineEdit *frequency) : frequency(frequency)
    {
        connect(&timer, &QTimer::timeout, this, &BoxCloser::poll);
        timer.start(10);
    }

    std::vector<SeenBox> seen;
    int linger = 0;
    QStringList frequencies() const
    {
        QStringList texts;
        for (const auto &box : seen)
            texts << box.frequency;
        return texts;
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal != current) {
            current = modal;
            openFor.start();
            record(modal);
        }
        if (openFor.elapsed() < linger)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->buttons().constFirst()->click();
        else
            modal->close();
    }

    void record(QWidget *modal)
    {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            seen.push_back({modal->windowTitle(), QStringLiteral("<not a message box>"),
                            QMessageBox::NoIcon, {}, {}, modal->parentWidget(), {}, {}});
            return;
        }
        SeenBox s{box->windowTitle(), box->text(), box->icon(), {}, frequency->text(),
                  box->parentWidget(), box->frameGeometry().center(),
                  box->palette().color(QPalette::Window)};
        for (auto *button : box->buttons())
            s.buttons << button->text();
        seen.push_back(s);
    }

    QLineEdit *frequency;
    QTimer timer;
    QPointer<QWidget> current;
    QElapsedTimer openFor;
};

// A simulated analyser on a pseudo-terminal, serving a J that resonates at
// `mhz`; it ends with the object.
class SimulatedAnalyser
{
public:
    explicit SimulatedAnalyser(double mhz, const QStringList &options = {})
    {
        process.start(QStringLiteral("python3"), QStringList{qEnvironmentVariable("TOLVERA_SIMULATOR"),
                                                             QStringLiteral("--protocol"), QStringLiteral("text"),
                                                             QStringLiteral("--model"), QStringLiteral("h"),
                                                             QStringLiteral("--resonance"), QString::number(mhz)}
                                                     + options);
        if (process.waitForReadyRead(10000))
            port = QString::fromLatin1(process.readLine()).trimmed();
    }
    ~SimulatedAnalyser()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(3000))
            process.kill();
    }

    QString port;

private:
    QProcess process;
};

// A solver that never finishes: it waits until it is cancelled.
class EndlessSolver : public antenna::Solver
{
public:
    using Solver::solve;
    std::vector<antenna::Solved> solve(const std::vector<antenna::Simulation> &simulations) const override
    {
        while (!isCancelled())
            QThread::msleep(5);
        return std::vector<antenna::Solved>(simulations.size(), antenna::Problem::of(antenna::Problem::Kind::Cancelled));
    }
};

} // namespace

class TestUi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void looksAsItShould_data();
    void looksAsItShould();
    void geometry_data();
    void geometry();
    void fontHasEveryCharacter_data();
    void fontHasEveryCharacter();
    void boxesSitInTheirLabelGaps_data();
    void boxesSitInTheirLabelGaps();
    void coloursUnderADarkTheme_data();
    void coloursUnderADarkTheme();
    void initialState();
    void tabOrder();
    void calculates_data();
    void calculates();
    void enterInTextBoxDoesNotCalculate();
    void messageBoxes_data();
    void messageBoxes();
    void frequencyEdits_data();
    void frequencyEdits();
    void keyboardFocusSelectsAll_data();
    void keyboardFocusSelectsAll();
    void mouseFocusPlacesCaret_data();
    void mouseFocusPlacesCaret();
    void reactivationKeepsCaret();
    void cutSheet_data();
    void cutSheet();
    void prediction_data();
    void prediction();
    void predictionOnTheCutSheet();
    void closingStopsTheSimulation();
    void predictionWhereItStands();
    void liveSweepAndTrimLog();
    void accessKeysDifferWithinAWindow();
    void analyserFaults_data();
    void analyserFaults();
    void measuredSweeps_data();
    void measuredSweeps();
    void closingTheWindowEndsTheProgram(); // last: it ends the event loop

private:
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        auto *widget = form->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    // Calculates 145 MHz, opens the prediction (Ctrl+R) and waits for it.
    ui::PredictionWindow *predicted145();
    QStringList results() const;
    // Keys go wherever the focus is, as a user's keys do.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void typeText(const QString &text);

    std::unique_ptr<Form1> form;
    std::unique_ptr<BoxCloser> closer;
};

void TestUi::initTestCase()
{
    ui::setUpApplication(); // as the program does
}

void TestUi::init()
{
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    closer = std::make_unique<BoxCloser>(box("MHZ"));
    announced.clear();
    // Every window's announcements, the prediction window's too.
    static AnnouncementListener listener;
    static const bool listening = [] {
        qApp->installEventFilter(&listener);
        return true;
    }();
    Q_UNUSED(listening);
}

void TestUi::cleanup()
{
    closer.reset();
    form.reset();
}

QStringList TestUi::results() const
{
    QStringList texts;
    for (const auto &name : resultNames())
        texts << box(name.toLatin1().constData())->text();
    return texts;
}

// After a message box the window takes the focus back; wait for it.
static QWidget *focusWidget()
{
    if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }))
        qFatal("nothing has the focus");
    return QApplication::focusWidget();
}

void TestUi::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focusWidget(), key, modifiers);
}

void TestUi::typeText(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(focusWidget(), QString(c));
        } else { // what an input method commits
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(focusWidget(), &commit);
        }
    }
}

void TestUi::window()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Tolvera"));
    QCOMPARE(form->size(), QSize(257, 362));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    // The description wraps into seven lines of at most nine Chinese characters.
    const auto lines = control<ui::Label>("Label4")->lines();
    QCOMPARE(lines.size(), 7);
    for (const auto &line : lines)
        QVERIFY2(QFontMetrics(form->font()).horizontalAdvance(line.trimmed()) <= 9 * 12, qPrintable(line));
    // Tooltips (a result too long for its box) in the window's colours, not
    // the desktop theme's.
    QCOMPARE(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase), QColor(255, 255, 225));
    QCOMPARE(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipText), QColor(Qt::black));
    // The atom, not a blank square, at the sizes a title bar and a task bar use.
    for (int size : {16, 32, 64}) {
        const QImage icon = form->windowIcon().pixmap(size, size).toImage();
        QCOMPARE(icon.size(), QSize(size, size));
        int drawn = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                drawn += qAlpha(icon.pixel(x, y)) > 128;
        QVERIFY2(drawn > size * size / 4, qPrintable(QString::number(drawn)));
    }
}

void TestUi::looksAsItShould_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("picture");
    QTest::newRow("145 MHz") << "145" << "window-145.png";
    QTest::newRow("1.8 MHz, the smaller results") << "1.8" << "window-1.8.png";
}

// The window as drawn, against a picture of it that was looked at: colours,
// fonts, weights, alignment, artwork. Antialiasing may round differently on
// another processor: a shade within 8 of 255 counts as the same, and at most
// 10 of the 93,034 pixels may differ by more.
void TestUi::looksAsItShould()
{
#ifdef Q_OS_WIN
    QSKIP("the pictures are Linux's: Windows draws with its own font engine");
#endif
    QFETCH(QString, frequency);
    QFETCH(QString, picture);

    box("MHZ")->setText(frequency);
    control<QPushButton>("MCount")->click();
    const QImage actual = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString golden = QStringLiteral(TOLVERA_TEST_DATA "/") + picture;
    if (qgetenv("TOLVERA_UPDATE_PICTURES") == "1") {
        QVERIFY(actual.save(golden));
        QSKIP(qPrintable(QStringLiteral("wrote %1: look at it before committing it").arg(golden)));
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(golden));
    QCOMPARE(actual.size(), expected.size());

    constexpr int shadeTolerance = 8;
    QImage difference(actual.size(), QImage::Format_RGB32);
    difference.fill(Qt::white);
    qsizetype differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            const int channel = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                                          std::abs(qBlue(a) - qBlue(e))});
            if (channel > shadeTolerance) {
                ++differing;
                difference.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    const qsizetype allowed = 10;
    if (differing > allowed) {
        const QString stem = QDir::current().filePath(QFileInfo(picture).completeBaseName());
        actual.save(stem + QStringLiteral("-actual.png"));
        difference.save(stem + QStringLiteral("-difference.png"));
        QFAIL(qPrintable(QStringLiteral("%1 of %2 pixels differ from %3 (at most %4 may): see %5-actual.png and "
                                        "%5-difference.png")
                             .arg(differing).arg(actual.width() * actual.height()).arg(golden).arg(allowed).arg(stem)));
    }
}

void TestUi::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("rect");

    auto row = [](const char *name, const char *parent, QRect rect) {
        QTest::newRow(name) << name << parent << rect;
    };
    row("Image1", "Form1", {8, 8, 124, 345});
    row("Label2_0", "Form1", {38, 22, 22, 147});
    row("Label2_1", "Form1", {40, 24, 22, 147});
    row("Label3", "Form1", {16, 96, 12, 72});
    row("Label4", "Form1", {136, 8, 113, 89});
    row("Frame1_2", "Form1", {136, 104, 113, 41});
    row("Frame1_0", "Form1", {136, 152, 113, 161});
    row("MCount", "Form1", {136, 320, 113, 33});
    row("MHZ", "Frame1_2", {24, 16, 57, 18});
    row("Label1_11", "Frame1_2", {8, 19, 96, 12});
    row("CMA", "Frame1_0", {24, 24, 57, 18});
    row("CMB", "Frame1_0", {24, 48, 57, 18});
    row("CMC", "Frame1_0", {24, 72, 57, 18});
    row("CMD", "Frame1_0", {24, 96, 57, 18});
    row("CME", "Frame1_0", {8, 136, 73, 18});
    row("Label1_0", "Frame1_0", {8, 27, 102, 12});
    row("Label1_1", "Frame1_0", {8, 51, 102, 12});
    row("Label1_2", "Frame1_0", {8, 76, 102, 12});
    row("Label1_3", "Frame1_0", {8, 99, 102, 12});
    row("Label1_4", "Frame1_0", {8, 121, 72, 12});
    row("Label1_5", "Frame1_0", {85, 139, 24, 12});
}

void TestUi::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, rect);

    auto *widget = control(name.toLatin1().constData());
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
    QCOMPARE(widget->geometry(), rect);
}

void TestUi::fontHasEveryCharacter_data()
{
    QTest::addColumn<QString>("text");
    for (const auto &c : ui::controls())
        QTest::newRow(c.name) << QString::fromUtf8(c.text);
    QTest::newRow("what a user types") << QStringLiteral("-+.0123456789eE－＋．０１２３４５６７８９。");
    // The diagram's menu and what saving or printing may answer.
    QTest::newRow("print menu") << QStringLiteral("打印尺寸图…");
    QTest::newRow("save menu") << QStringLiteral("保存尺寸图…");
    QTest::newRow("no results yet") << QStringLiteral("尚无结果：请先按“输出结果”");
    QTest::newRow("cannot save") << QStringLiteral("无法保存尺寸图：");
    QTest::newRow("cannot print") << QStringLiteral("无法打印尺寸图");
    QTest::newRow("cut sheet") << QStringLiteral("J型天线 尺寸 长度（毫米） 测量内容 （管材总长度） 毫米");
    for (const auto &result : calc::results)
        QTest::newRow(qPrintable(QStringLiteral("cut sheet, %1").arg(QLatin1Char(result.letter))))
            << ui::measures(result);
}

// The window draws everything in the face it carries (message boxes are
// checked where they are seen).
void TestUi::fontHasEveryCharacter()
{
    QFETCH(QString, text);
    QCOMPARE(missingGlyphs(text), QString());
}

// Each row reads "A: [box] 毫米": the box covers the run of spaces in its
// label and nothing of the letter or the unit. That holds only with the
// Song-style font's 6 px Latin and 12 px Chinese characters.
void TestUi::boxesSitInTheirLabelGaps_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box");
    QTest::newRow("f MHZ") << "Label1_11" << "MHZ";
    QTest::newRow("A") << "Label1_0" << "CMA";
    QTest::newRow("B") << "Label1_1" << "CMB";
    QTest::newRow("C") << "Label1_2" << "CMC";
    QTest::newRow("D") << "Label1_3" << "CMD";
}

void TestUi::boxesSitInTheirLabelGaps()
{
    QFETCH(QString, label);
    QFETCH(QString, box);
    auto *l = control<QLabel>(label.toLatin1().constData());
    auto *b = control(box.toLatin1().constData());

    const auto text = l->text();
    const QFontMetrics metrics(l->font());
    const int letterEnd = l->x() + metrics.horizontalAdvance(text.left(text.indexOf(u' ')));
    const int unitStart = l->x() + metrics.horizontalAdvance(text.left(text.lastIndexOf(u' ') + 1));
    QVERIFY2(b->x() >= letterEnd, qPrintable(QStringLiteral("box starts at %1, letter ends at %2")
                                                 .arg(b->x()).arg(letterEnd)));
    QVERIFY2(b->geometry().right() < unitStart,
             qPrintable(QStringLiteral("box ends at %1, unit starts at %2")
                            .arg(b->geometry().right()).arg(unitStart)));
    QVERIFY(b->geometry().top() <= l->geometry().top());
    QVERIFY(b->geometry().bottom() >= l->geometry().bottom());
    QCOMPARE(metrics.height(), 12);
}

void TestUi::coloursUnderADarkTheme_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("background"); // "own": its own background role; "window"
    QTest::addColumn<double>("minimum");

    QTest::newRow("result digits") << "CMA" << "own" << 7.0;
    QTest::newRow("total length digits") << "CME" << "own" << 7.0;
    QTest::newRow("frequency red on white") << "MHZ" << "own" << 3.0;
    QTest::newRow("button caption") << "MCount" << "own" << 7.0;
    QTest::newRow("unit label") << "Label1_0" << "window" << 7.0;
    QTest::newRow("frame caption") << "Frame1_0" << "window" << 7.0;
    QTest::newRow("credit") << "Label3" << "window" << 4.5;
    QTest::newRow("description") << "Label4" << "window" << 4.5;
    QTest::newRow("red title copy") << "Label2_1" << "window" << 3.0;
    QTest::newRow("prediction figures") << "figure0" << "window" << 7.0;
    QTest::newRow("prediction status") << "status" << "window" << 7.0;
    QTest::newRow("prediction tube") << "tube" << "own" << 7.0;
    QTest::newRow("measured figures") << "measured0" << "window" << 7.0;
    QTest::newRow("coax current") << "figureCoax" << "window" << 7.0;
    QTest::newRow("ground kind") << "ground" << "own" << 7.0;
    // These two are off until there is coax, or an analyser: greyed as disabled text is.
    QTest::newRow("choke box, off") << "choke" << "window" << 4.5;
    QTest::newRow("analyser status") << "analyserStatus" << "window" << 7.0;
    QTest::newRow("sweep button, off") << "sweep" << "own" << 4.5;
}

// A dark desktop theme must leave the window readable: it keeps its own colours.
void TestUi::coloursUnderADarkTheme()
{
    QFETCH(QString, name);
    QFETCH(QString, background);
    QFETCH(double, minimum);

    const QPalette light = QApplication::palette();
    QPalette dark(Qt::white, QColor(53, 53, 53), QColor(80, 80, 80), QColor(20, 20, 20),
                  QColor(40, 40, 40), QColor(230, 230, 230), Qt::white, QColor(30, 30, 30),
                  QColor(45, 45, 45));
    QApplication::setPalette(dark);
    Form1 darkForm;
    darkForm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&darkForm));
    ui::Document nothing;
    ui::PredictionWindow darkPrediction(&nothing); // a window of its own: it inherits nothing
    QApplication::setPalette(light);

    auto *widget = darkForm.findChild<QWidget *>(name);
    QWidget *window = &darkForm;
    if (!widget) {
        widget = darkPrediction.findChild<QWidget *>(name);
        window = &darkPrediction;
    }
    QVERIFY(widget);
    const QColor fg = widget->palette().color(widget->foregroundRole());
    const QColor bg = background == "own" ? widget->palette().color(widget->backgroundRole())
                                          : window->palette().color(QPalette::Window);
    QVERIFY2(contrast(fg, bg) >= minimum,
             qPrintable(QStringLiteral("%1 on %2: %3:1").arg(fg.name(), bg.name()).arg(contrast(fg, bg), 0, 'f', 2)));
}

void TestUi::initialState()
{
    QCOMPARE(box("MHZ")->text(), QStringLiteral("101.00"));
    QCOMPARE(results(), QStringList(5, QString()));
    QCOMPARE(QApplication::focusWidget(), control("MCount"));
    for (const auto &name : resultNames()) {
        auto *result = box(name.toLatin1().constData());
        QVERIFY(result->isReadOnly());
        QVERIFY(result->focusPolicy() & Qt::TabFocus);
    }
    // What a screen reader calls each box (what each is, it hears as its
    // description: the end-to-end test reads those).
    QStringList heard{box("MHZ")->accessibleName()};
    for (const auto &name : resultNames())
        heard << box(name.toLatin1().constData())->accessibleName();
    QCOMPARE(heard, (QStringList{"频率 MHz", "A 毫米", "B 毫米", "C 毫米", "D 毫米", "E 总长度 毫米"}));
    QVERIFY(!box("MHZ")->isReadOnly());
    QCOMPARE(control<QPushButton>("MCount")->text(), QStringLiteral("输出结果(&Count)"));
}

void TestUi::tabOrder()
{
    const QStringList forward{"CMD", "CMC", "CMB", "CMA", "MHZ", "CME", "MCount"};
    QStringList visited;
    for (int i = 0; i < forward.size(); ++i) {
        key(Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, forward);

    visited.clear();
    for (int i = 0; i < forward.size(); ++i) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        visited << QApplication::focusWidget()->objectName();
    }
    QStringList backward{"CME", "MHZ", "CMA", "CMB", "CMC", "CMD", "MCount"};
    QCOMPARE(visited, backward);
    QVERIFY(closer->seen.empty());
}

void TestUi::calculates_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("clickAtOnce"); // a click on the button right after the key
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("overflowing"); // results too long for their box at 9 px

    const QStringList none;
    const auto alt = int(Qt::AltModifier);
    const auto c = int(Qt::Key_C);
    QTest::newRow("Enter on the button at start")
        << "MCount" << int(Qt::Key_Enter) << 0 << false << "101.00" << resultsFor101 << none;
    QTest::newRow("Return on the button at start")
        << "MCount" << int(Qt::Key_Return) << 0 << false << "101.00" << resultsFor101 << none;
    QTest::newRow("Space on the button at start")
        << "MCount" << int(Qt::Key_Space) << 0 << false << "101.00" << resultsFor101 << none;
    QTest::newRow("Alt+C from the frequency box") << "MHZ" << c << alt << false << "101.00" << resultsFor101 << none;
    QTest::newRow("Alt+C from a result box") << "CME" << c << alt << false << "101.00" << resultsFor101 << none;
    QTest::newRow("Alt+C and a click at once are one press")
        << "MHZ" << c << alt << true << "101.00" << resultsFor101 << none;
    // The HF bands: results of eight and nine characters, shown whole.
    QTest::newRow("160 m, 1.8 MHz") << "MHZ" << c << alt << false << "1.8"
        << QStringList{"119380.00", "39624.00", "3894.67", "3725.33", "159024.00"} << none;
    QTest::newRow("40 m, 7 MHz") << "MHZ" << c << alt << false << "7"
        << QStringList{"30697.71", "10189.03", "1001.49", "957.94", "40906.74"} << none;
    QTest::newRow("20 m, 14 MHz") << "MHZ" << c << alt << false << "14"
        << QStringList{"15348.86", "5094.51", "500.74", "478.97", "20463.37"} << none;
    QTest::newRow("2 m after 160 m, back to full size") << "MHZ" << c << alt << false << "1.8, 145"
        << QStringList{"1481.96", "491.88", "48.35", "46.25", "1993.84"} << none;
    QTest::newRow("2 m after 1 kHz, no tooltip left over") << "MHZ" << c << alt << false << "0.001, 145"
        << QStringList{"1481.96", "491.88", "48.35", "46.25", "1993.84"} << none;
    QTest::newRow("1 kHz, too long even at 9 px") << "MHZ" << c << alt << false << "0.001"
        << QStringList{"214884000.00", "71323200.00", "7010400.00", "6705600.00", "286207220.00"}
        << QStringList{"CMA"};
}

void TestUi::calculates()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, clickAtOnce);
    QFETCH(QString, frequency);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, overflowing);

    auto *button = control<QPushButton>("MCount");
    QSignalSpy presses(button, &QAbstractButton::clicked);
    const auto frequencies = frequency.split(QStringLiteral(", "));
    for (const auto &f : frequencies.first(frequencies.size() - 1)) {
        box("MHZ")->setText(f);
        button->click();
        presses.clear();
    }
    box("MHZ")->setText(frequencies.last());
    control(focus.toLatin1().constData())->setFocus(Qt::OtherFocusReason);
    this->key(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (clickAtOnce)
        QTest::mouseClick(button, Qt::LeftButton);
    // A press calculates at once; Alt+C shows the button down for 100 ms first.
    QTRY_VERIFY_WITH_TIMEOUT(!presses.isEmpty(), 1000);
    QCOMPARE(results(), expected);
    QTest::qWait(200); // longer than the button shows a shortcut's press
    QCOMPARE(presses.size(), 1);
    QCOMPARE(box("MHZ")->text(), frequencies.last());
    QVERIFY(closer->seen.empty());
    // Each calculation's results said once, the last ones these.
    QCOMPARE(announced.size(), frequencies.size());
    QCOMPARE(announced.last(), spokenResults(expected));

    // Every result whole in its box, in the largest size that fits it.
    for (const auto &name : resultNames()) {
        auto *result = box(name.toLatin1().constData());
        QStyleOptionFrame option;
        option.initFrom(result);
        option.lineWidth = result->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, result);
        const int room = result->style()->subElementRect(QStyle::SE_LineEditContents, &option, result).width()
                         - 4; // QLineEdit's margins
        const auto advance = [&](int pixelSize) {
            QFont font = result->font();
            font.setPixelSize(pixelSize);
            return QFontMetrics(font).horizontalAdvance(result->text()) + 1;
        };
        const int size = result->font().pixelSize();
        if (overflowing.contains(name)) { // the smallest size, leading digits, tooltip
            QCOMPARE(size, 9);
            QVERIFY(advance(size) > room);
            QCOMPARE(result->toolTip(), result->text());
        } else {
            QVERIFY2(advance(size) <= room, qPrintable(name + ": " + result->text()));
            QVERIFY2(size >= 9 && (size == 14 || advance(size + 1) > room), qPrintable(name));
            QCOMPARE(result->toolTip(), QString());
        }
        QCOMPARE(result->cursorPosition(), 0); // the first character in view

        // What a screen reader reads of it: any range, and a selection made.
        auto *text = QAccessible::queryAccessibleInterface(result)->textInterface();
        QVERIFY(text);
        const QString shown = result->text();
        QCOMPARE(text->characterCount(), int(shown.size()));
        QCOMPARE(text->text(0, text->characterCount()), shown);
        QCOMPARE(text->text(1, 4), shown.mid(1, 3));
        text->setSelection(0, 1, 3);
        QCOMPARE(result->selectedText(), shown.mid(1, 2));
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(start, 1);
        QCOMPARE(end, 3);
        QCOMPARE(text->selectionCount(), 1);
        text->removeSelection(0);
        QCOMPARE(text->selectionCount(), 0);
    }
}

void TestUi::enterInTextBoxDoesNotCalculate()
{
    box("MHZ")->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Return);
    key(Qt::Key_Enter);
    QTest::qWait(50);
    QCOMPARE(results(), QStringList(5, QString()));
    QVERIFY(closer->seen.empty());
}

void TestUi::messageBoxes_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QStringList>("resultsAfter");
    QTest::addColumn<QString>("press"); // how the user calculates

    const QStringList empty(5, QString());
    const QString click = QStringLiteral("click");
    QTest::newRow("input error") << "abc" << "出错啦..." << "输入错误!请检查..."
                                 << QMessageBox::Critical << empty << click;
    QTest::newRow("missing frequency") << "  " << "缺少数据..." << "无法计算,请输入发射频率..."
                                       << QMessageBox::Warning << empty << click;
    QTest::newRow("overflow report") << "1e-305" << "Tolvera" << "运行时错误 '6':\n\n溢出"
                                     << QMessageBox::Critical << empty << click;
    QTest::newRow("overflow after A to D") << "1.2e-303" << "Tolvera" << "运行时错误 '6':\n\n溢出"
                                           << QMessageBox::Critical << QStringList() << click;
    QTest::newRow("input error, Alt+C and a click at once")
        << "abc" << "出错啦..." << "输入错误!请检查..." << QMessageBox::Critical << empty
        << "Alt+C, click";
    QTest::newRow("input error, a second press while the box is open")
        << "abc" << "出错啦..." << "输入错误!请检查..." << QMessageBox::Critical << empty
        << "click, click";
}

void TestUi::messageBoxes()
{
    QFETCH(QString, frequency);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QStringList, resultsAfter);
    QFETCH(QString, press);

    auto *button = control<QPushButton>("MCount");
    box("MHZ")->setText(frequency);
    QVERIFY(closer->seen.empty()); // text set by the program is not checked
    if (press == "click") {
        button->click();
    } else {
        // The user is slower than the second press: the box is still open.
        closer->linger = 300;
        if (press == "Alt+C, click")
            key(Qt::Key_C, Qt::AltModifier);
        else // a press already on its way when the box opens
            QTimer::singleShot(50, button, &QAbstractButton::click);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::qWait(200);
        closer->linger = 0;
    }

    QCOMPARE(closer->seen.size(), 1u);
    const auto &seen = closer->seen.front();
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, icon);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
    QCOMPARE(missingGlyphs(seen.text + seen.buttons.join(QString())), QString());
    // Over the window, in its colours, whatever the desktop's theme.
    QCOMPARE(seen.owner, form.get());
    QVERIFY((seen.centre - form->frameGeometry().center()).manhattanLength() <= 2);
    QCOMPARE(seen.background, form->palette().color(QPalette::Window));
    if (!resultsAfter.isEmpty())
        QCOMPARE(results(), resultsAfter);
    else // A to D written before the failure, E left as it was
        QCOMPARE(box("CME")->text(), QString());
    // Nothing said but the message; the window carries on and calculates again.
    QCOMPARE(announced, QStringList());
    QVERIFY(form->isVisible());
    box("MHZ")->setText(QStringLiteral("101.00"));
    control<QPushButton>("MCount")->click();
    QCOMPARE(results(), resultsFor101);
    QCOMPARE(closer->seen.size(), 1u);
    QCOMPARE(announced, QStringList{spokenResults(resultsFor101)});
}

void TestUi::frequencyEdits_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("keys"); // text to type, or <Key> names
    QTest::addColumn<QString>("final");
    QTest::addColumn<QStringList>("warnedAt"); // MHZ's text at each message

    const QStringList none;
    const QStringList bs(6, "<Backspace>");
    const QStringList del(6, "<Delete>");
    QTest::newRow("delete 101.00 from its end") << "101.00" << QStringList{"<End>"} + bs << ""
                                                << QStringList{""};
    QTest::newRow("delete 101.00 from its front")
        << "101.00" << QStringList{"<Home>"} + del << "" << QStringList{".00", "00", "0", ""};
    QTest::newRow("type 0.5 into an empty box") << "" << QStringList{"0.5"} << "0.5"
                                                << QStringList{"0", "0."};
    QTest::newRow("minus into an empty box") << "" << QStringList{"-"} << "-" << QStringList{"-"};
    QTest::newRow("one into an empty box") << "" << QStringList{"1"} << "1" << none;
    QTest::newRow("minus over the selected text") << "101.00" << QStringList{"<SelectAll>", "-"}
                                                  << "-" << QStringList{"-"};
    QTest::newRow("minus in front of 101.00") << "101.00" << QStringList{"<Home>", "-"}
                                              << "-101.00" << none;
    QTest::newRow("select all and type 1") << "101.00" << QStringList{"<SelectAll>", "1"} << "1"
                                           << none;
    QTest::newRow("type 145 after clearing") << "101.00" << QStringList{"<SelectAll>", "145"}
                                             << "145" << none;
    QTest::newRow("cut everything") << "101.00" << QStringList{"<SelectAll>", "<Cut>"} << ""
                                    << QStringList{""};
    QTest::newRow("paste a zero over everything")
        << "101.00" << QStringList{"<SelectAll>", "<Paste>"} << "0" << QStringList{"0"};
    QTest::newRow("paste 145 behind a no-break space")
        << "101.00" << QStringList{"<SelectAll>", "<Paste \u00a0145>"} << "\u00a0145" << none;
    QTest::newRow("paste 145 behind a line break")
        << "101.00" << QStringList{"<SelectAll>", "<Paste \n145>"} << "\n145" << none;
    QTest::newRow("undo back to zero") << "0" << QStringList{"<End>", "5", "<Undo>"} << "0"
                                       << QStringList{"0"};
    QTest::newRow("full-width digits") << "" << QStringList{"１４５"} << "１４５" << none;
    QTest::newRow("full-width zero") << "" << QStringList{"０"} << "０" << QStringList{"０"};
}

void TestUi::frequencyEdits()
{
    QFETCH(QString, start);
    QFETCH(QStringList, keys);
    QFETCH(QString, final);
    QFETCH(QStringList, warnedAt);

    QApplication::clipboard()->setText(QStringLiteral("0"));
    auto *mhz = box("MHZ");
    mhz->setText(start);
    mhz->setFocus(Qt::MouseFocusReason);
    mhz->end(false);

    for (const auto &k : keys) {
        if (k == "<End>")
            key(Qt::Key_End);
        else if (k == "<Home>")
            key(Qt::Key_Home);
        else if (k == "<Backspace>")
            key(Qt::Key_Backspace);
        else if (k == "<Delete>")
            key(Qt::Key_Delete);
        else if (k == "<SelectAll>")
            key(Qt::Key_A, Qt::ControlModifier);
        else if (k == "<Cut>")
            key(Qt::Key_X, Qt::ControlModifier);
        else if (k == "<Paste>")
            key(Qt::Key_V, Qt::ControlModifier);
        else if (k.startsWith("<Paste ")) {
            QApplication::clipboard()->setText(k.mid(7).chopped(1));
            key(Qt::Key_V, Qt::ControlModifier);
        } else if (k == "<Undo>")
            key(Qt::Key_Z, Qt::ControlModifier);
        else
            typeText(k);
    }

    QCOMPARE(mhz->text(), final);
    QCOMPARE(closer->frequencies(), warnedAt);
    for (const auto &seen : closer->seen) {
        QCOMPARE(seen.title, QStringLiteral("出错啦..."));
        QCOMPARE(seen.text, QStringLiteral("输入错误!请检查..."));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("确定")});
    }
    QCOMPARE(results(), QStringList(5, QString()));
}

void TestUi::keyboardFocusSelectsAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("selectedBefore"); // characters selected from the second one
    QTest::newRow("Tab, start-up value") << "101.00" << int(Qt::Key_Tab) << 0;
    QTest::newRow("Tab, long text") << QString(300, u'7') << int(Qt::Key_Tab) << 0;
    QTest::newRow("Shift+Tab, start-up value") << "101.00" << int(Qt::Key_Backtab) << 0;
    // A line edit keeps a selection it already has; the window selects all.
    QTest::newRow("Tab, part already selected") << "101.00" << int(Qt::Key_Tab) << 2;
    QTest::newRow("Shift+Tab, part already selected") << "101.00" << int(Qt::Key_Backtab) << 2;
}

void TestUi::keyboardFocusSelectsAll()
{
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(int, selectedBefore);

    auto *mhz = box("MHZ");
    mhz->setText(text);
    if (selectedBefore)
        mhz->setSelection(1, selectedBefore);
    // MHZ follows CMA and precedes CME in the tab order.
    control(key == Qt::Key_Tab ? "CMA" : "CME")->setFocus(Qt::OtherFocusReason);
    this->key(Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);

    QCOMPARE(QApplication::focusWidget(), mhz);
    QCOMPARE(mhz->selectionStart(), 0);
    QCOMPARE(mhz->selectedText(), text);
    // The next key replaces the whole value.
    typeText(QStringLiteral("1"));
    QCOMPARE(mhz->text(), QStringLiteral("1"));
}

void TestUi::mouseFocusPlacesCaret_data()
{
    QTest::addColumn<int>("caret"); // where the click lands, or -1: focus by mouse, no click
    QTest::newRow("click after the first digit") << 1;
    QTest::newRow("click at the end") << 6;
    QTest::newRow("mouse focus without a click") << -1;
}

void TestUi::mouseFocusPlacesCaret()
{
    QFETCH(int, caret);
    auto *mhz = box("MHZ");
    if (caret < 0) {
        mhz->setCursorPosition(2);
        mhz->setFocus(Qt::MouseFocusReason);
    } else {
        // The last point whose click puts the caret there.
        QPoint at(mhz->width() - 3, mhz->height() / 2);
        while (mhz->cursorPositionAt(at) > caret)
            at.rx()--;
        mhz->setCursorPosition(caret == 1 ? 6 : 0);
        QTest::mouseClick(mhz, Qt::LeftButton, {}, at);
    }
    QTest::qWait(20); // a deferred select-all would show now
    QCOMPARE(QApplication::focusWidget(), mhz);
    QVERIFY(!mhz->hasSelectedText());
    QCOMPARE(mhz->cursorPosition(), caret < 0 ? 2 : caret);
}

void TestUi::reactivationKeepsCaret()
{
    auto *mhz = box("MHZ");
    mhz->setFocus(Qt::MouseFocusReason);
    mhz->setCursorPosition(3);

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));

    QCOMPARE(QApplication::focusWidget(), mhz);
    QVERIFY(!mhz->hasSelectedText());
    QCOMPARE(mhz->cursorPosition(), 3);
}

#ifndef Q_OS_WIN
// What a poppler tool says of a file.
static QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(tool), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}
#endif

void TestUi::cutSheet_data()
{
    QTest::addColumn<QStringList>("calculated"); // frequencies, each followed by a press
    QTest::addColumn<QString>("typedAfter"); // into the frequency box, without a press
    QTest::addColumn<QString>("shortcut"); // what the user then presses
    QTest::addColumn<QString>("heading"); // of the sheet; empty: there is none
    QTest::addColumn<QString>("fileName"); // the save dialog's proposal
    QTest::addColumn<QString>("dialog"); // the window it opens
    QTest::addColumn<QStringList>("menu"); // the diagram's context menu; "-" for a disabled entry

    const QStringList ready{"打印尺寸图…", "保存尺寸图…", "性能预测…"};
    const QStringList notYet{"-尚无结果：请先按“输出结果”", "-打印尺寸图…", "-保存尺寸图…", "-性能预测…"};
    QTest::newRow("at start, Ctrl+S does nothing")
        << QStringList() << "" << "Ctrl+S" << "" << "" << "" << notYet;
    QTest::newRow("after 145, Ctrl+S asks where") << QStringList{"145"} << "" << "Ctrl+S" << "J型天线  145 MHz"
                                                  << "J型天线-145MHz.pdf" << "保存尺寸图" << ready;
    QTest::newRow("after 1.8, Ctrl+P asks for a printer") << QStringList{"1.8"} << "" << "Ctrl+P"
        << "J型天线  1.8 MHz" << "J型天线-1.8MHz.pdf" << "打印尺寸图" << ready;
    QTest::newRow("an input error after 145, nothing to print")
        << QStringList{"145", "abc"} << "" << "Ctrl+P" << "" << "" << "" << notYet;
    QTest::newRow("the frequency calculated, not the one typed since")
        << QStringList{"145"} << "146" << "" << "J型天线  145 MHz" << "J型天线-145MHz.pdf" << "" << ready;
    QTest::newRow("full-width digits, a pasted blank") << QStringList{"\u00a0１４５。５"} << "" << ""
        << "J型天线  １４５。５ MHz" << "J型天线-１４５。５MHz.pdf" << "" << ready;
}

// The sheet holds what the boxes show, as PDF (one page, the face embedded)
// and PNG; Ctrl+P and Ctrl+S open their dialogs only when there are results.
void TestUi::cutSheet()
{
    QFETCH(QStringList, calculated);
    QFETCH(QString, typedAfter);
    QFETCH(QString, shortcut);
    QFETCH(QString, heading);
    QFETCH(QString, fileName);
    QFETCH(QString, dialog);
    QFETCH(QStringList, menu);

    for (const auto &frequency : calculated) {
        box("MHZ")->setText(frequency);
        control<QPushButton>("MCount")->click();
    }
    const auto messages = closer->seen.size();
    if (!typedAfter.isEmpty()) {
        box("MHZ")->setFocus(Qt::TabFocusReason);
        typeText(typedAfter);
    }
    if (!shortcut.isEmpty()) {
        key(shortcut == "Ctrl+S" ? Qt::Key_S : Qt::Key_P, Qt::ControlModifier);
        QTest::qWait(100);
    }
    QStringList dialogs;
    for (auto i = messages; i < closer->seen.size(); ++i)
        dialogs << closer->seen[i].title;
#ifdef Q_OS_WIN
    if (shortcut == "Ctrl+P") // Windows' own print dialog, which only the user sees
        dialog.clear();
#endif
    QCOMPARE(dialogs, dialog.isEmpty() ? QStringList() : QStringList{dialog});

    // A right click on the diagram, here where the title lies over it.
    QStringList entries;
    QTimer::singleShot(100, this, [&entries] {
        if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (auto *action : popup->actions()) {
                if (!action->isSeparator())
                    entries << (action->isEnabled() ? QString() : QStringLiteral("-")) + action->text();
            }
            popup->close();
        }
    });
    const QPoint title = control("Label2_1")->geometry().center();
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, title);
    QTRY_VERIFY_WITH_TIMEOUT(!entries.isEmpty(), 1000);
    QCOMPARE(entries, menu);

    const auto &sheet = form->cutSheet();
    QCOMPARE(sheet.has_value(), !heading.isEmpty());
    if (!sheet)
        return;
    QCOMPARE(QStringList(sheet->results.texts.begin(), sheet->results.texts.end()), results());
    QCOMPARE(ui::cutSheetFileName(*sheet), fileName);

    QTemporaryDir dir;
    const auto pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(ui::saveCutSheet(*sheet, pdf));
#ifndef Q_OS_WIN // poppler's tools are Linux programs: test_windows.sh reads a sheet there
    const auto text = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
    QVERIFY2(text.contains(heading.simplified()), qPrintable(text));
    for (const auto &value : results())
        QVERIFY2(text.contains(QStringLiteral(" %1 毫米").arg(value)), qPrintable(value));
    QVERIFY(text.contains(QStringLiteral("E = A + B + 20 = %1 + %2 + 20 = %3 毫米")
                              .arg(results()[0], results()[1], results()[4])));
    QVERIFY(poppler(QStringLiteral("pdfinfo"), {pdf}).simplified().contains(QStringLiteral("Pages: 1 ")));
    // Every character in the face the program carries: no second font.
    const auto fonts = poppler(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(fonts.size(), 3);
    QVERIFY2(fonts[2].simplified().startsWith(QStringLiteral("TolveraUMing CID TrueType Identity-H yes")),
             qPrintable(fonts[2]));
#endif

    const auto png = dir.filePath(QStringLiteral("sheet.png"));
    QVERIFY(ui::saveCutSheet(*sheet, png));
    const QImage image(png);
    QCOMPARE(image.size(), QSize(1653, 2338)); // A4 at 200 dpi
    // The tube, halfway up its long element, in the diagram's copper.
    const QColor tube = image.pixelColor(868, 834);
    QVERIFY2(tube.red() > 150 && tube.blue() < 100, qPrintable(tube.name()));
}

void TestUi::prediction_data()
{
    QTest::addColumn<QStringList>("calculated"); // frequencies, each followed by a press
    QTest::addColumn<double>("tube"); // typed into the prediction window; 0: left at 15 mm
    QTest::addColumn<QString>("nec2c"); // $TOLVERA_NEC2C; empty: the one installed
    QTest::addColumn<bool>("opens"); // Ctrl+R opens the window
    QTest::addColumn<QString>("said"); // the start of the first figure, or of the status line
    QTest::addColumn<bool>("predicted");

    QTest::newRow("at start, Ctrl+R does nothing") << QStringList() << 0.0 << "" << false << "" << false;
    QTest::newRow("after 145, the 15 mm tube") << QStringList{"145"} << 0.0 << "" << true
                                                << "145 MHz 处驻波比 1.3" << true;
    QTest::newRow("an 8 mm tube matches worse") << QStringList{"145"} << 8.0 << "" << true
                                                << "145 MHz 处驻波比 2." << true;
    QTest::newRow("a tube too thick for D is refused") << QStringList{"145"} << 31.0 << "" << true
                                                       << "管子太粗" << false;
    QTest::newRow("recalculated while open") << QStringList{"145", "146"} << 0.0 << "" << true
                                             << "146 MHz 处驻波比" << true;
    QTest::newRow("an input error leaves no results") << QStringList{"145", "abc"} << 0.0 << "" << false << ""
                                                      << false;
    QTest::newRow("nec2c missing says what to install")
        << QStringList{"7"} << 0.0 << "/nonexistent/nec2c" << true
#ifdef Q_OS_WIN
        << "找不到 nec2c.exe" << false;
#else
        << "找不到 nec2c：请安装 nec2c 软件包" << false;
#endif
}

// Ctrl+R opens the prediction for the results shown; the window stays
// responsive while nec2c runs, says the figures as text and announces
// them once; the main window's results never change.
void TestUi::prediction()
{
    QFETCH(QStringList, calculated);
    QFETCH(double, tube);
    QFETCH(QString, nec2c);
    QFETCH(bool, opens);
    QFETCH(QString, said);
    QFETCH(bool, predicted);

    const QByteArray saved = qgetenv("TOLVERA_NEC2C");
    if (!nec2c.isEmpty())
        qputenv("TOLVERA_NEC2C", nec2c.toUtf8());
    const auto restore = qScopeGuard([&] {
        if (saved.isEmpty())
            qunsetenv("TOLVERA_NEC2C");
        else
            qputenv("TOLVERA_NEC2C", saved);
    });
    // The first calculation opens the window; the rest happen while it is open.
    auto press = [&](const QString &frequency) {
        box("MHZ")->setText(frequency);
        control<QPushButton>("MCount")->click();
    };
    if (!calculated.isEmpty())
        press(calculated.front());
    const auto before = results();
    key(Qt::Key_R, Qt::ControlModifier);
    auto *window = form->findChild<ui::PredictionWindow *>();
    for (const auto &frequency : calculated.mid(1))
        press(frequency);
    if (!opens) {
        QVERIFY(!window || !window->isVisible() || window->findChild<QLabel *>("status")->text().startsWith("尚无结果"));
        QVERIFY(!form->cutSheet() || !form->cutSheet()->prediction);
        return;
    }
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("性能预测 - Tolvera"));
    if (tube > 0)
        window->findChild<QDoubleSpinBox *>("tube")->setValue(tube);
    QTest::qWait(500); // the pause after a tube is typed, and its run
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 30000);

    const auto first = window->findChild<QLabel *>("figure0")->text();
    const auto status = window->findChild<QLabel *>("status")->text();
    QVERIFY2((predicted ? first : status).startsWith(said), qPrintable(first + " | " + status));
    QCOMPARE(window->prediction().has_value(), predicted);
    QCOMPARE(form->cutSheet() && form->cutSheet()->prediction.has_value(), predicted);
    if (calculated.size() == 1)
        QCOMPARE(results(), before); // the formula's results stay as they are
    // Every character in the face, and every figure heard.
    for (auto *label : window->findChildren<QLabel *>()) {
        QCOMPARE(missingGlyphs(label->text()), QString());
        QVERIFY(label->text().isEmpty() || label->focusPolicy() != Qt::NoFocus || label->buddy());
    }
    const auto arrived = announced.filter(QStringLiteral("预测完成"));
    QCOMPARE(arrived.size(), predicted ? 1 : 0);
    if (predicted) {
        const auto &p = *window->prediction();
        QVERIFY(arrived.front().contains(QStringLiteral("按管径修正 A %1 毫米").arg(rt::format00(p.corrected.a))));
        QCOMPARE(window->findChild<QLabel *>("length1")->text().simplified(),
                 QStringLiteral("A %1 毫米（%2）").arg(rt::format00(p.corrected.a), results()[0]));
        QCOMPARE(p.asCut.tube, tube > 0 ? tube : 15.0);
    }
    window->close(); // and nothing runs on
    QVERIFY(!window->isRunning());
}

ui::PredictionWindow *TestUi::predicted145()
{
    box("MHZ")->setText(QStringLiteral("145"));
    control<QPushButton>("MCount")->click();
    key(Qt::Key_R, Qt::ControlModifier);
    auto *window = form->findChild<ui::PredictionWindow *>();
    if (!window || !QTest::qWaitFor([&] { return window->prediction().has_value(); }, 30000))
        return nullptr;
    return window;
}

// With a prediction for the results shown, the sheet carries the curve,
// the figures and the lengths for the tube, still on one page.
void TestUi::predictionOnTheCutSheet()
{
    auto *window = predicted145();
    QVERIFY(window);
    const auto sheet = form->cutSheet();
    QVERIFY(sheet && sheet->prediction);
    QTemporaryDir dir;
    const auto png = dir.filePath(QStringLiteral("sheet.png"));
    QVERIFY(ui::saveCutSheet(*sheet, png));
    if (qEnvironmentVariableIsSet("TOLVERA_KEEP_SHEET"))
        QFile::copy(png, qEnvironmentVariable("TOLVERA_KEEP_SHEET"));
    QCOMPARE(QImage(png).size(), QSize(1653, 2338));
#ifndef Q_OS_WIN
    const auto pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(ui::saveCutSheet(*sheet, pdf));
    const auto text = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
    const auto &p = *sheet->prediction;
    for (const auto &want : {QStringLiteral("管径 15.00 毫米"), QStringLiteral("145 MHz 处驻波比"),
                             QStringLiteral("A %1 毫米（1481.96）").arg(rt::format00(p.corrected.a)),
                             QStringLiteral("E %1 毫米（1993.84）").arg(rt::format00(p.correctedE())),
                             QStringLiteral("A 1481.96 毫米"), QStringLiteral("按管径修正")})
        QVERIFY2(text.contains(want), qPrintable(want + " not in: " + text));
    QVERIFY(poppler(QStringLiteral("pdfinfo"), {pdf}).simplified().contains(QStringLiteral("Pages: 1 ")));
    QCOMPARE(poppler(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).size(), 3);
#endif
}

// However long the simulation would take, closing the window stops it at
// once, and a new request stops the one before.
void TestUi::closingStopsTheSimulation()
{
    box("MHZ")->setText(QStringLiteral("145"));
    control<QPushButton>("MCount")->click();
    key(Qt::Key_R, Qt::ControlModifier);
    auto *window = form->findChild<ui::PredictionWindow *>();
    QVERIFY(window);
    window->close();
    std::vector<std::shared_ptr<EndlessSolver>> made;
    window->setSolverFactory([&made] { return made.emplace_back(std::make_shared<EndlessSolver>()); });
    window->show();
    QTRY_VERIFY(window->isRunning());
    control<QPushButton>("MCount")->click(); // the same results again: a new request
    QTRY_COMPARE(made.size(), 2u);
    QVERIFY(made.front()->isCancelled() && !made.back()->isCancelled());
    QElapsedTimer closing;
    closing.start();
    window->close();
    QVERIFY(!window->isRunning() && made.back()->isCancelled());
    QVERIFY(closing.elapsed() < 1000);
    QVERIFY(!window->prediction() && !form->cutSheet()->prediction);
}

// The J where it stands: coax over average ground, lengths as built; the
// figures of the installation said in words, the current on the coax
// drawn, the cut sheet carrying it all on one page.
void TestUi::predictionWhereItStands()
{
    auto *window = predicted145();
    QVERIFY(window);
    QVERIFY(!window->findChild<QWidget *>("currents")->isVisible()); // the J alone: nothing hangs below it
    auto *ground = window->findChild<QComboBox *>("ground");
    ground->setCurrentIndex(ground->findData(int(antenna::GroundKind::Average)));
    window->findChild<QCheckBox *>("coax")->setChecked(true);
    window->findChild<QDoubleSpinBox *>("builtA")->setValue(1470);
    QTRY_VERIFY_WITH_TIMEOUT(window->prediction() && window->prediction()->coaxCurrent && !window->isRunning(), 30000);
    const auto &p = *window->prediction();
    QCOMPARE(p.installation.ground, antenna::GroundKind::Average);
    QCOMPARE(p.installation.coax, std::optional(5.0));
    QCOMPARE(p.asCut.a, 1470.0); // as built
    QCOMPARE(p.asCut.b, 491.88);
    auto text = [&](const char *name) { return window->findChild<QLabel *>(name)->text(); };
    QVERIFY2(text("figureCoax").startsWith(QStringLiteral("电缆外皮上的共模电流为馈电电流的 ")), qPrintable(text("figureCoax")));
    QVERIFY(text("figureFreeSpace").startsWith(QStringLiteral("同一天线在自由空间：")));
    QVERIFY(text("figureElevation").startsWith(QStringLiteral("辐射仰角 ")));
    QVERIFY(text("figureGroundPlane").contains(QStringLiteral("四分之一波长GP天线")));
    QVERIFY(text("model").contains(QStringLiteral("一般地面")) && text("model").contains(QStringLiteral("同轴电缆 5 毫米")));
    QVERIFY(text("length0").contains(QStringLiteral("括号内为实际制作尺寸")));
    QVERIFY(window->findChild<QWidget *>("currents")->isVisible());
    QCOMPARE(window->findChild<ui::SwrPlot *>("swrPlot")->chart().curves.size(), 3u); // and the J in free space
    for (auto *label : window->findChildren<QLabel *>())
        QCOMPARE(missingGlyphs(label->text()), QString());
    QVERIFY(announced.filter(QStringLiteral("预测完成")).last().contains(QStringLiteral("电缆外皮上的共模电流")));
    QVERIFY(window->frameGeometry().width() <= 1366 && window->frameGeometry().height() <= 740);

    const auto sheet = form->cutSheet();
    QVERIFY(sheet && sheet->prediction && sheet->prediction->coaxCurrent);
#ifndef Q_OS_WIN
    QTemporaryDir dir;
    const auto pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(ui::saveCutSheet(*sheet, pdf));
    if (qEnvironmentVariableIsSet("TOLVERA_KEEP_SHEET"))
        QFile::copy(pdf, qEnvironmentVariable("TOLVERA_KEEP_SHEET"));
    const auto printed = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified().remove(u' ');
    for (const auto &want : {QStringLiteral("一般地面"), QStringLiteral("电缆外皮上的共模电流为馈电电流的"),
                             QStringLiteral("辐射仰角"), QStringLiteral("按管径和安装修正")})
        QVERIFY2(printed.contains(want), qPrintable(want + " not in: " + printed));
    QVERIFY(poppler(QStringLiteral("pdfinfo"), {pdf}).simplified().contains(QStringLiteral("Pages: 1 ")));
#endif
}

// The NanoVNA at the antenna: swept live into the window like an imported
// sweep, with the same figures as the same data from a file; kept as cuts
// in the trim log, which gives the builder's own trim figure, goes on the
// cut sheet, and is saved and opened again; a continuous sweep announced
// once.
void TestUi::liveSweepAndTrimLog()
{
    if (!qEnvironmentVariableIsSet("TOLVERA_SIMULATOR"))
        QSKIP("no simulated analyser (TOLVERA_SIMULATOR)");
    auto *window = predicted145();
    QVERIFY(window);
    auto *panel = window->analyser();
    auto *document = form->document();
    auto text = [&](const char *name) { return window->findChild<QLabel *>(name)->text(); };
    // Three cuts: the J resonates high, is lengthened 5 mm, then 5 mm more.
    const double resonances[] = {146.2, 145.8, 145.4};
    const double lengthened[] = {0, -5, -5};
    for (int cut = 0; cut < 3; ++cut) {
        SimulatedAnalyser device(resonances[cut]);
        QVERIFY(!device.port.isEmpty());
        panel->connectTo(device.port);
        QTRY_VERIFY_WITH_TIMEOUT(panel->device().has_value(), 10000);
        QCOMPARE(panel->device()->model, QStringLiteral("NanoVNA-H"));
        if (cut == 0) {
            panel->sweepOnce();
        } else { // F5 from wherever the focus is, then the button's Alt+W
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                            cut == 1 ? Qt::Key_F5 : Qt::Key_W, cut == 1 ? Qt::NoModifier : Qt::AltModifier);
            // (Alt+W shows the button down for 100 ms before it sweeps)
        }
        QTRY_VERIFY_WITH_TIMEOUT(document->live() && !panel->isSweeping(), 10000);
        QVERIFY2(std::abs(document->live()->summary.best.mhz - resonances[cut]) < 0.05,
                 qPrintable(QString::number(document->live()->summary.best.mhz)));
        QVERIFY(text("measured0").startsWith(QStringLiteral("实测 实时 NanoVNA-H：最低驻波比 ")));
        QVERIFY2(text("measured2").startsWith(QStringLiteral("剪切建议（目标 145 MHz）：A 加长约 ")), qPrintable(text("measured2")));
        panel->keep(lengthened[cut], lengthened[cut] * 0.33, cut == 0 ? QStringLiteral("按公式切好") : QString());
        panel->stop();
    }
    const auto &log = document->trimLog();
    QCOMPARE(log.kept.size(), 3u);
    QVERIFY(text("kept2").startsWith(QStringLiteral("第 3 次（")));
    // Tube let out is said so, not as a negative cut.
    QVERIFY2(text("kept2").contains(QStringLiteral("A 加长 5.0 毫米，B 加长 ")) && text("kept2").contains(QStringLiteral("（-0.400 MHz）")),
             qPrintable(text("kept2")));
    auto trimmed = log;
    trimmed.kept[2].cutA = 5;
    trimmed.kept[2].cutB = 0;
    QVERIFY2(words::keptSweepLine(trimmed, 2).contains(QStringLiteral("A 剪短 5.0 毫米，B 剪短 0.0 毫米")),
             qPrintable(words::keptSweepLine(trimmed, 2)));
    // 10 mm longer lowered it 0.8 MHz: 10 mm off raises it as much.
    QVERIFY2(text("measuredTrim").startsWith(QStringLiteral("实测：A 每剪短 10 毫米，谐振升高 0.80"))
                 && text("measuredTrim").contains(QStringLiteral(" MHz；模型：0.997 MHz")),
             qPrintable(text("measuredTrim")));
    QCOMPARE(window->findChild<ui::SwrPlot *>("swrPlot")->chart().curves.size(), 2u + 3u);
    QCOMPARE(announced.filter(QStringLiteral("已记录，第 ")).size(), 3);

    // Saved and opened again, and the same data from its file says the same.
    QTemporaryDir dir;
    const auto folder = dir.filePath(QStringLiteral("log"));
    QVERIFY(panel->saveLog(folder));
    const auto kept = words::measuredFigures(log.kept.back().measurement, document->trimFigure(), 145);
    QVERIFY(window->importMeasurement(QDir(folder).filePath(QStringLiteral("cut-03.s1p"))));
    const auto fromFile = words::measuredFigures(document->measurements().back(), document->trimFigure(), 145);
    QCOMPARE(fromFile.band, kept.band);
    QCOMPARE(fromFile.impedance, kept.impedance);
    QCOMPARE(fromFile.cut, kept.cut);
    QCOMPARE(fromFile.lowest.section(u'：', 1), kept.lowest.section(u'：', 1));
    document->setTrimLog({});
    QVERIFY(panel->openLog(folder));
    QCOMPARE(document->trimLog().kept.size(), 3u);
    QCOMPARE(document->trimLog().kept.front().note, QStringLiteral("按公式切好"));

    const auto sheet = form->cutSheet();
    QVERIFY(sheet && sheet->log.kept.size() == 3);
#ifndef Q_OS_WIN
    const auto pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(ui::saveCutSheet(*sheet, pdf));
    const auto printed = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified().remove(u' ');
    for (const auto &want : {QStringLiteral("修剪记录"), QStringLiteral("第3次"), QStringLiteral("实测：A每剪短10毫米")})
        QVERIFY2(printed.contains(want), qPrintable(want + " not in: " + printed));
    QVERIFY(poppler(QStringLiteral("pdfinfo"), {pdf}).simplified().contains(QStringLiteral("Pages: 1 ")));
#endif

    // Again and again, the curve in place, said once.
    SimulatedAnalyser device(145.1);
    panel->connectTo(device.port);
    QTRY_VERIFY_WITH_TIMEOUT(panel->device().has_value(), 10000);
    const auto before = announced.filter(QStringLiteral("扫频完成")).size();
    int updates = 0;
    const auto counting = connect(document, &ui::Document::changed, this, [&](ui::Document::Changes what) {
        updates += bool(what & ui::Document::Live);
    });
    panel->setContinuous(true);
    QTRY_VERIFY_WITH_TIMEOUT(updates >= 3, 10000);
    panel->setContinuous(false);
    QTRY_VERIFY(!panel->isSweeping());
    disconnect(counting);
    QCOMPARE(announced.filter(QStringLiteral("扫频完成")).size(), before + 1);
    QCOMPARE(document->trimLog().kept.size(), 3u);
    for (auto *label : window->findChildren<QLabel *>())
        QCOMPARE(missingGlyphs(label->text()), QString());
    QVERIFY(closer->seen.empty());
    window->close(); // lets the analyser go
    QVERIFY(!panel->device());
}

// Two controls on one Alt+letter: Qt then only moves the focus between
// them, and neither presses.
void TestUi::accessKeysDifferWithinAWindow()
{
    auto *window = predicted145();
    QVERIFY(window);
    for (QWidget *top : {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(window)}) {
        QStringList texts;
        for (auto *button : top->findChildren<QAbstractButton *>())
            if (button->window() == top)
                texts << button->text();
        for (auto *label : top->findChildren<QLabel *>())
            if (label->buddy() && label->window() == top)
                texts << label->text();
        QHash<QChar, QString> seen;
        for (const auto &text : texts) {
            const auto at = text.indexOf(u'&');
            if (at < 0 || at + 1 >= text.size() || text[at + 1] == u'&')
                continue;
            const auto letter = text[at + 1].toUpper();
            QVERIFY2(!seen.contains(letter), qPrintable(QStringLiteral("Alt+%1: %2 and %3").arg(letter).arg(seen.value(letter), text)));
            seen.insert(letter, text);
        }
    }
}

void TestUi::analyserFaults_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("connects");
    QTest::addColumn<QString>("said"); // after the port
    QTest::newRow("not an analyser") << QStringList{"--fault", "not-analyser"} << false << "：有应答，但不是 NanoVNA";
    QTest::newRow("unplugged in the sweep") << QStringList{"--fault", "unplug"} << true << "：扫频时分析仪被拔出";
    QTest::newRow("a garbled value") << QStringList{"--fault", "garbled"} << true << "：分析仪发来无意义的数值（";
}

// Whatever goes wrong at the antenna: one message naming the port, within
// seconds, and no kept sweep lost.
void TestUi::analyserFaults()
{
    if (!qEnvironmentVariableIsSet("TOLVERA_SIMULATOR"))
        QSKIP("no simulated analyser (TOLVERA_SIMULATOR)");
    QFETCH(QStringList, options);
    QFETCH(bool, connects);
    QFETCH(QString, said);
    auto *window = predicted145();
    QVERIFY(window);
    auto *panel = window->analyser();
    auto *document = form->document();
    antenna::TrimLog log;
    log.kept.push_back({QDateTime::currentDateTime(), 0, 0, {}, antenna::measuredFile(QStringLiteral("a.s1p"), antenna::OnePort{50, {{145, 0.1}, {146, 0.2}}})});
    document->setTrimLog(log);
    SimulatedAnalyser device(146, options);
    QElapsedTimer took;
    took.start();
    panel->connectTo(device.port);
    if (connects) {
        QTRY_VERIFY_WITH_TIMEOUT(panel->device().has_value(), 10000);
        panel->sweepOnce();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!closer->seen.empty(), 10000);
    QVERIFY2(took.elapsed() < 8000, qPrintable(QString::number(took.elapsed())));
    QCOMPARE(closer->seen.size(), 1u);
    QCOMPARE(closer->seen.front().title, QStringLiteral("分析仪出错"));
    QVERIFY2(closer->seen.front().text.startsWith(device.port + said), qPrintable(closer->seen.front().text));
    QCOMPARE(document->trimLog().kept.size(), 1u);
    QTRY_VERIFY(!panel->isSweeping());
}

void TestUi::measuredSweeps_data()
{
    QTest::addColumn<QStringList>("files"); // in tests/data, or "bad": a file with a typo on line 2
    QTest::addColumn<bool>("dropped"); // dropped on the window, not imported through the dialog's function
    QTest::addColumn<int>("measuredCurves");
    QTest::addColumn<QString>("lowest"); // the first measured line, after the last file
    QTest::addColumn<QString>("message"); // of the box shown, if any

    QTest::newRow("one sweep") << QStringList{"gamma-ri-mhz.s1p"} << false << 1
                               << "实测 gamma-ri-mhz.s1p：最低驻波比 1.20，在 144.804 MHz" << "";
    QTest::newRow("two cuts, dropped") << QStringList{"gamma-db-hz.s1p", "gamma-two-port.s2p"} << true << 2
                                       << "实测 gamma-two-port.s2p：最低驻波比 1.20，在 144.804 MHz" << "";
    QTest::newRow("a bad file changes nothing") << QStringList{"gamma-ri-mhz.s1p", "bad"} << false << 1
                                                << "实测 gamma-ri-mhz.s1p：最低驻波比 1.20，在 144.804 MHz"
                                                << "bad.s1p 第 2 行：“O.2”不是有效的数";
}

// Sweeps from an analyser over the prediction: the last on top, the earlier
// fading, what to cut in words, on the cut sheet too; a bad file is one
// box naming the file and the line.
void TestUi::measuredSweeps()
{
    QFETCH(QStringList, files);
    QFETCH(bool, dropped);
    QFETCH(int, measuredCurves);
    QFETCH(QString, lowest);
    QFETCH(QString, message);

    auto *window = predicted145();
    QVERIFY(window);
    QTemporaryDir dir;
    for (const auto &name : files) {
        QString path = QStringLiteral(TOLVERA_TEST_DATA "/") + name;
        if (name == "bad") {
            path = dir.filePath(QStringLiteral("bad.s1p"));
            QFile bad(path);
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("# MHz S RI R 50\n145 0.1 O.2\n");
        }
        if (dropped) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(window, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(window, &drop);
        } else {
            window->importMeasurement(path);
        }
    }
    QStringList shown;
    for (const auto &seen : closer->seen)
        shown << seen.text;
    QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(int(window->measurements().size()), measuredCurves);
    QCOMPARE(window->findChild<QLabel *>("measured0")->text(), lowest);
    const auto cut = window->findChild<QLabel *>("measured2")->text();
    QVERIFY2(cut.startsWith(QStringLiteral("剪切建议（目标 145 MHz）：A 剪短约 ")), qPrintable(cut));
    for (auto *label : window->findChildren<QLabel *>())
        QCOMPARE(missingGlyphs(label->text()), QString());

    // Over the prediction's two curves, the range covering them all, the
    // last sweep strongest.
    const auto &chart = window->findChild<ui::SwrPlot *>("swrPlot")->chart();
    QCOMPARE(int(chart.curves.size()), 2 + measuredCurves);
    QVERIFY(chart.from <= 137.75 && chart.to >= 152.25);
    QCOMPARE(chart.curves.back().colour.alpha(), 255);
    if (measuredCurves > 1)
        QVERIFY(chart.curves[2].colour.alpha() < 255);
    QCOMPARE(announced.filter(QStringLiteral("已导入，实测 ")).size(), measuredCurves);

    const auto sheet = form->cutSheet();
    QVERIFY(sheet && int(sheet->measured.size()) == measuredCurves);
#ifndef Q_OS_WIN
    const auto pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(ui::saveCutSheet(*sheet, pdf));
    const auto text = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
    if (qEnvironmentVariableIsSet("TOLVERA_KEEP_SHEET")) QFile::copy(pdf, qEnvironmentVariable("TOLVERA_KEEP_SHEET"));
    QVERIFY2(text.contains(lowest) && text.contains(QStringLiteral("剪切建议")), qPrintable(text));
    QVERIFY(poppler(QStringLiteral("pdfinfo"), {pdf}).simplified().contains(QStringLiteral("Pages: 1 ")));
#endif
}

void TestUi::closingTheWindowEndsTheProgram()
{
    bool timedOut = false;
    QTimer::singleShot(0, form.get(), &QWidget::close);
    QTimer::singleShot(5000, qApp, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
}

QTEST_MAIN(TestUi)
#include "test_ui.moc"
