// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/predictionwindow.h"

#include "antenna/report.h"
#include "runtime/conversion.h"
#include "runtime/format.h"
#include "ui/accessible.h"
#include "ui/layout.h"
#include "ui/swrplot.h"

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

QLabel *textLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus); // Tab reaches every figure
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

PredictionWindow::PredictionWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    installAccessibility();
    setObjectName(QStringLiteral("prediction"));
    setWindowTitle(QStringLiteral("性能预测 - Tolvera"));
    setAccessibleDescription(QStringLiteral("用 NEC-2 模拟按计算结果制作的天线，并给出按管径修正的尺寸"));
    // Its own colours and face, as the main window has, whatever the desktop's.
    setPalette(windowPalette());
    setFont(qtFont(Font::Default));
    setMinimumSize(640, 540);
    resize(720, 600);

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

    auto *charts = new QHBoxLayout;
    plot = new SwrPlot(this);
    plot->setObjectName(QStringLiteral("swrPlot"));
    elevation = new ElevationPlot(this);
    elevation->setObjectName(QStringLiteral("elevation"));
    charts->addWidget(plot, 3);
    charts->addWidget(elevation, 1);
    layout->addLayout(charts, 1);

    // A label a line, so that Tab and a screen reader take one figure at a time.
    auto *texts = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    for (auto *column : {left, right}) {
        column->setSpacing(4);
        texts->addLayout(column, column == left ? 3 : 2);
    }
    auto lines = [this](QList<QLabel *> &into, int count, const char *name, QVBoxLayout *column) {
        for (int i = 0; i < count; ++i) {
            into << textLabel(this);
            into.back()->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
            column->addWidget(into.back());
        }
    };
    lines(figures, 5, "figure", left);
    lines(lengths, 6, "length", right);
    lines(measuredLines, 3, "measured", left);
    measuredLines.back()->setFont([this] {
        QFont bold = font();
        bold.setBold(true);
        return bold;
    }());
    left->addStretch();
    right->addStretch();
    layout->addLayout(texts);
    model = textLabel(this);
    model->setObjectName(QStringLiteral("model"));
    model->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(model);
    announcer = new Announcer(this);

    tubeEdited.setSingleShot(true);
    tubeEdited.setInterval(400);
    connect(&tubeEdited, &QTimer::timeout, this, &PredictionWindow::simulate);
    connect(tube, &QDoubleSpinBox::valueChanged, &tubeEdited, qOverload<>(&QTimer::start));
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

void PredictionWindow::setResults(const std::optional<CutSheet> &results)
{
    sheet = results;
    if (sheet)
        sheet->prediction.reset();
    if (isVisible())
        simulate();
}

void PredictionWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!running && !result)
        simulate();
}

void PredictionWindow::closeEvent(QCloseEvent *event)
{
    stop();
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
    const bool had = result.has_value();
    result.reset();
    status->setText(why);
    elevation->setPattern({}, why);
    for (auto *label : figures + lengths + QList<QLabel *>{model})
        label->clear();
    showMeasurements();
    if (had)
        emit predictionChanged();
}

void PredictionWindow::simulate()
{
    stop();
    if (!sheet)
        return clear(QString::fromUtf8(noResults));
    const double mhz = rt::val(sheet->frequency).value;
    const auto j = antenna::asShown(sheet->values, tube->value());
    if (const auto problem = antenna::refusal(j, mhz))
        return clear(problem->text(true));
    clear(QStringLiteral("正在用 nec2c 计算 %1 MHz……").arg(sheet->frequency));
    progress->setValue(0);
    progress->show();

    const auto nec2c = std::make_shared<antenna::Nec2c>();
    running = nec2c;
    const int asked = generation;
    auto *thread = QThread::create([this, nec2c, j, mhz, asked] {
        const auto outcome = antenna::predict(j, mhz, *nec2c, [this, asked](int percent) {
            QMetaObject::invokeMethod(this, [this, asked, percent] {
                if (asked == generation)
                    progress->setValue(percent);
            }, Qt::QueuedConnection);
        });
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
        clear(problem->text(true));
        announcer->announce(problem->text(true));
        return;
    }
    result = std::get<antenna::Prediction>(outcome);
    showPrediction();
    emit predictionChanged();
}

void PredictionWindow::showPrediction()
{
    const auto &p = *result;
    const auto f = antenna::figures(p, sheet->frequency, true);
    status->setText(QStringLiteral("预测完成：%1 MHz，管径 %2 毫米").arg(sheet->frequency, rt::format00(p.asCut.tube)));
    const QStringList said{f.atF, f.lowest, f.band, f.gain, f.trim};
    for (int i = 0; i < figures.size(); ++i)
        figures[i]->setText(said[i]);
    elevation->setPattern(p.pattern, QStringLiteral("J 所在平面内的仰角方向图，") + f.gain);

    const auto rows = antenna::lengthRows(p, true);
    for (int i = 0; i < lengths.size(); ++i)
        lengths[i]->setText(rows[i]);
    model->setText(f.model);
    showMeasurements();
    announcer->announce(antenna::spokenPrediction(p, sheet->frequency));
}

// The curves, and what the last sweep measured says.
void PredictionWindow::showMeasurements()
{
    const double mhz = sheet ? rt::val(sheet->frequency).value : 0;
    QStringList described;
    if (result) {
        const auto f = antenna::figures(*result, sheet->frequency, true);
        described << f.atF << f.lowest << f.band;
    }
    for (auto *label : std::as_const(measuredLines))
        label->clear();
    if (!measured.empty()) {
        const auto &last = measured.back();
        const QStringList lines = antenna::measuredFigures(last, result ? &*result : nullptr, mhz, true);
        for (int i = 0; i < measuredLines.size(); ++i)
            measuredLines[i]->setText(lines.value(i));
        described << lines;
    }
    plot->setChart(chartOf(result, measured, mhz), described.join(QStringLiteral("，")));
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
        messages.show({error->text(fileName, true), rt::MessageIcon::Critical, QStringLiteral("无法读取实测文件")});
        return false;
    }
    measured.push_back(antenna::measurement(fileName, std::get<antenna::Sweep1Port>(read)));
    showMeasurements();
    announcer->announce(QStringLiteral("已导入，") + measuredLines[0]->text() + QStringLiteral("，")
                        + measuredLines[2]->text());
    emit predictionChanged();
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
