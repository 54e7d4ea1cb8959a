// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/predictionwindow.h"

#include "antenna/nec2c.h"
#include "antenna/touchstone.h"
#include "runtime/format.h"
#include "ui/accessible.h"
#include "ui/analyserpanel.h"
#include "ui/currentplot.h"
#include "ui/document.h"
#include "ui/installationgroup.h"
#include "ui/layout.h"
#include "ui/swrplot.h"
#include "words/words.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QPushButton>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr auto noResults = "尚无结果：请先在主窗口按“输出结果”";

QLabel *textLabel(QWidget *parent, const QString &name = {})
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus); // Tab reaches every figure
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

PredictionWindow::PredictionWindow(Document *document, QWidget *parent)
    : QWidget(parent, Qt::Window), document(document),
      makeSolver([] { return std::make_shared<antenna::Nec2c>(); })
{
    installAccessibility();
    setObjectName(QStringLiteral("prediction"));
    setWindowTitle(QStringLiteral("性能预测 - Tolvera"));
    setAccessibleDescription(QStringLiteral("用 NEC-2 模拟按计算结果制作的天线，并给出按管径修正的尺寸"));
    // Its own colours and face, as the main window has, whatever the desktop's.
    setPalette(windowPalette());
    setFont(qtFont(Font::Default));
    // Beside the installation, and still on a screen of 1366 × 768.
    setMinimumSize(1040, 640);
    resize(1280, 700);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *tubeLabel = new QLabel(QStringLiteral("管材外径(&T)："), this);
    tube = new QDoubleSpinBox(this);
    tube->setObjectName(QStringLiteral("tube"));
    tube->setRange(0.1, 1000);
    tube->setDecimals(1);
    tube->setSingleStep(0.5);
    tube->setValue(antenna::defaultTube);
    tube->setSuffix(QStringLiteral(" 毫米"));
    tube->setAccessibleName(QStringLiteral("管材外径 毫米"));
    tubeLabel->setBuddy(tube);
    tubeLabel->setAccessibleName(QStringLiteral("管材外径"));
    status = textLabel(this);
    status->setObjectName(QStringLiteral("status"));
    progress = new QProgressBar(this);
    progress->setRange(0, 100);
    progress->setAccessibleName(QStringLiteral("计算进度"));
    progress->hide();
    top->addWidget(tubeLabel);
    top->addWidget(tube);
    top->addSpacing(12);
    top->addWidget(status, 1);
    top->addWidget(progress);
    auto *import = new QPushButton(QStringLiteral("导入实测(&M)…"), this);
    import->setObjectName(QStringLiteral("importMeasured"));
    import->setAccessibleName(QStringLiteral("导入实测"));
    connect(import, &QPushButton::clicked, this, &PredictionWindow::chooseMeasurement);
    top->addWidget(import);
    layout->addLayout(top);

    // The controls down the left, the plots and figures beside them.
    auto *body = new QHBoxLayout;
    auto *controls = new QVBoxLayout;
    auto *results = new QVBoxLayout;
    body->addLayout(controls);
    body->addLayout(results, 1);
    layout->addLayout(body, 1);
    auto *charts = new QHBoxLayout;
    installation = new InstallationGroup(this);
    installation->setFixedWidth(330);
    controls->addWidget(installation);
    plot = new SwrPlot(this);
    plot->setObjectName(QStringLiteral("swrPlot"));
    elevation = new ElevationPlot(this);
    elevation->setObjectName(QStringLiteral("elevation"));
    currents = new CurrentPlot(this);
    currents->setObjectName(QStringLiteral("currents"));
    currents->hide(); // until there is a coax or a mast
    auto *side = new QVBoxLayout;
    side->addWidget(elevation, 1);
    side->addWidget(currents, 1);
    charts->addWidget(plot, 3);
    charts->addLayout(side, 2);
    results->addLayout(charts, 1);

    // A label a line, so that Tab and a screen reader take one figure at a time.
    auto *texts = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    for (auto *column : {left, right}) {
        column->setSpacing(4);
        texts->addLayout(column, column == left ? 3 : 2);
    }
    auto line = [this](QVBoxLayout *column, const char *name) {
        auto *label = textLabel(this, QString::fromLatin1(name));
        column->addWidget(label);
        return label;
    };
    figure.atF = line(left, "figure0");
    figure.lowest = line(left, "figure1");
    figure.band = line(left, "figure2");
    figure.gain = line(left, "figure3");
    figure.elevation = line(left, "figureElevation");
    figure.groundPlane = line(left, "figureGroundPlane");
    figure.freeSpace = line(left, "figureFreeSpace");
    figure.coax = line(right, "figureCoax");
    figure.mast = line(right, "figureMast");
    lengths.heading = line(right, "length0");
    for (std::size_t i = 0; i < lengths.rows.size(); ++i)
        lengths.rows[i] = line(right, qPrintable(QStringLiteral("length%1").arg(i + 1)));
    figure.trim = line(right, "figure4");
    measured = {line(left, "measured0"), line(left, "measured1"), line(left, "measured3"), line(left, "measured2")};
    measured.cut->setFont([this] {
        QFont bold = font();
        bold.setBold(true);
        return bold;
    }());
    left->addStretch();
    right->addStretch();
    results->addLayout(texts);
    model = textLabel(this);
    model->setObjectName(QStringLiteral("model"));
    model->setForegroundRole(QPalette::PlaceholderText);
    results->addWidget(model);
    announcer = new Announcer(this);
    analyserPanel = new AnalyserPanel(document, messages, announcer, this);
    analyserPanel->setFixedWidth(330);
    controls->addWidget(analyserPanel, 1);

    tubeEdited.setSingleShot(true);
    tubeEdited.setInterval(400);
    connect(&tubeEdited, &QTimer::timeout, this, &PredictionWindow::simulate);
    connect(tube, &QDoubleSpinBox::valueChanged, &tubeEdited, qOverload<>(&QTimer::start));
    connect(installation, &InstallationGroup::changed, &tubeEdited, qOverload<>(&QTimer::start));
    connect(document, &Document::changed, this, [this](Document::Changes what) {
        if (what & Document::Results) {
            if (this->document->results())
                installation->setFormula(this->document->results()->lengths);
            if (isVisible())
                simulate();
        }
        if (what & (Document::Measurements | Document::Live | Document::Log))
            showMeasurements();
    });
    if (document->results())
        installation->setFormula(document->results()->lengths);
    setAcceptDrops(true);
    clear(QString::fromUtf8(noResults));
}

PredictionWindow::~PredictionWindow()
{
    stop();
    for (const auto &thread : std::as_const(threads)) {
        if (thread)
            thread->wait();
    }
}

const std::optional<antenna::Prediction> &PredictionWindow::prediction() const { return document->prediction(); }

const std::vector<antenna::Measurement> &PredictionWindow::measurements() const { return document->measurements(); }

void PredictionWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!running && !document->prediction())
        simulate();
}

void PredictionWindow::closeEvent(QCloseEvent *event)
{
    stop();
    analyserPanel->stop(); // the analyser gets its screen back
    QWidget::closeEvent(event);
}

void PredictionWindow::stop()
{
    tubeEdited.stop();
    if (running)
        running->cancel();
    running.reset();
    ++generation; // whatever is still on its way is no longer wanted
    progress->hide();
}

void PredictionWindow::clear(const QString &why)
{
    document->setPrediction(std::nullopt);
    status->setText(why);
    elevation->setPattern({}, why);
    for (auto *label : {figure.atF, figure.lowest, figure.band, figure.gain, figure.elevation, figure.groundPlane,
                        figure.freeSpace, figure.coax, figure.mast, figure.trim, lengths.heading, model})
        label->clear();
    currents->setPrediction(std::nullopt, {});
    for (auto *label : lengths.rows)
        label->clear();
    showMeasurements();
}

void PredictionWindow::simulate()
{
    stop();
    const auto &results = document->results();
    if (!results)
        return clear(QString::fromUtf8(noResults));
    const double mhz = results->mhz;
    const auto j = antenna::JPole::of(results->lengths, tube->value());
    const auto standing = installation->installation();
    const auto built = standing.asBuilt ? antenna::JPole::of(*standing.asBuilt, j.tube) : j;
    for (const auto &problem : {antenna::refusal(built, mhz), antenna::refusal(standing, built, mhz)}) {
        if (problem)
            return clear(words::problem(*problem));
    }
    clear(QStringLiteral("正在用 nec2c 计算 %1 MHz……").arg(results->frequency));
    progress->setValue(0);
    progress->show();

    const auto solver = makeSolver();
    running = solver;
    const int asked = generation;
    auto *thread = QThread::create([this, solver, j, mhz, asked, standing] {
        const auto outcome = antenna::predict(
            j, mhz, *solver,
            [this, asked](int percent) {
                // In tenths: each step is an event a screen reader must take,
                // and a flood of them makes it drop the result's announcement.
                QMetaObject::invokeMethod(this, [this, asked, percent] {
                    if (asked == generation)
                        progress->setValue(percent / 10 * 10);
                }, Qt::QueuedConnection);
            },
            standing);
        QMetaObject::invokeMethod(this, [this, asked, outcome] { arrived(asked, outcome); }, Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    threads.removeAll(nullptr);
    threads << thread;
    thread->start();
}

void PredictionWindow::arrived(int asked, const std::variant<antenna::Prediction, antenna::Problem> &outcome)
{
    if (asked != generation)
        return;
    running.reset();
    progress->hide();
    if (const auto *problem = std::get_if<antenna::Problem>(&outcome)) {
        clear(words::problem(*problem));
        announcer->announce(words::problem(*problem));
        return;
    }
    document->setPrediction(std::get<antenna::Prediction>(outcome));
    showPrediction();
}

void PredictionWindow::showPrediction()
{
    const auto &p = *document->prediction();
    const auto &frequency = document->results()->frequency;
    const auto f = words::figures(p, frequency);
    status->setText(QStringLiteral("预测完成：%1 MHz，管径 %2 毫米").arg(frequency, rt::format00(p.asCut.tube)));
    figure.atF->setText(f.atF);
    figure.lowest->setText(f.lowest);
    figure.band->setText(f.band);
    figure.gain->setText(f.gain);
    figure.elevation->setText(f.elevation);
    figure.groundPlane->setText(f.groundPlane);
    figure.freeSpace->setText(f.freeSpace);
    figure.coax->setText(f.coax);
    figure.mast->setText(f.mast);
    figure.trim->setText(f.trim);
    elevation->setPattern(p.pattern, QStringLiteral("J 所在平面内的仰角方向图，") + f.gain + QStringLiteral("，") + f.elevation);
    currents->setVisible(p.coaxCurrent || p.mastCurrent);
    currents->setPrediction(p, QStringList{f.coax, f.mast}.join(QStringLiteral("，")));

    const auto rows = words::lengthRows(p);
    lengths.heading->setText(rows.front());
    for (std::size_t i = 0; i < lengths.rows.size(); ++i)
        lengths.rows[i]->setText(rows[qsizetype(i) + 1]);
    model->setText(f.model);
    showMeasurements();
    announcer->announce(words::spokenPrediction(p, frequency));
}

// The curves, and what the last sweep measured says.
void PredictionWindow::showMeasurements()
{
    const auto &results = document->results();
    const auto &p = document->prediction();
    const double mhz = results ? results->mhz : 0;
    QStringList described;
    if (p) {
        const auto f = words::figures(*p, results->frequency);
        described << f.atF << f.lowest << f.band;
    }
    // Each text set once, and a text that stays is not set again: a
    // continuous sweep would otherwise tell a screen reader of every label
    // at every update.
    words::MeasuredFigures f;
    const auto sweeps = document->sweeps();
    if (!sweeps.empty()) {
        f = words::measuredFigures(sweeps.back(), document->trimFigure(), mhz);
        described << f.lowest << f.band << f.impedance << f.cut;
    }
    measured.lowest->setText(f.lowest);
    measured.band->setText(f.band);
    measured.impedance->setText(f.impedance);
    measured.cut->setText(f.cut);
    plot->setChart(chartOf(p, sweeps, mhz), described.join(QStringLiteral("，")));
}

void PredictionWindow::chooseMeasurement()
{
    if (messages.isOpen())
        return;
    const auto name = QFileDialog::getOpenFileName(this, QStringLiteral("导入实测扫频"), QString(),
                                                   QStringLiteral("Touchstone (*.s1p *.s2p);;所有文件 (*)"));
    if (!name.isEmpty())
        importMeasurement(name);
}

bool PredictionWindow::importMeasurement(const QString &fileName)
{
    const auto read = antenna::readTouchstone(fileName);
    if (const auto *error = std::get_if<antenna::TouchstoneError>(&read)) {
        messages.show({words::touchstoneError(*error, fileName), rt::MessageIcon::Critical, QStringLiteral("无法读取实测文件")});
        return false;
    }
    document->addMeasurement(antenna::measuredFile(fileName, std::get<antenna::TouchstoneFile>(read).reflection));
    announcer->announce(QStringLiteral("已导入，") + measured.lowest->text() + QStringLiteral("，") + measured.cut->text());
    return true;
}

void PredictionWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const auto urls = event->mimeData()->urls();
    if (!urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl &u) { return u.isLocalFile(); }))
        event->acceptProposedAction();
}

void PredictionWindow::dropEvent(QDropEvent *event)
{
    for (const auto &url : event->mimeData()->urls()) {
        if (!importMeasurement(url.toLocalFile()))
            break;
    }
    event->acceptProposedAction();
}

} // namespace ui
