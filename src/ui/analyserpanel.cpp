// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/analyserpanel.h"

#include "antenna/prediction.h"
#include "ui/accessible.h"
#include "ui/analyserlink.h"
#include "ui/document.h"
#include "ui/messagebox.h"
#include "words/words.h"

#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace ui {

namespace {

QLabel *line(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus); // a screen reader reaches every line
    return label;
}

} // namespace

AnalyserPanel::AnalyserPanel(Document *document, MessageBoxes &messages, Announcer *announcer, QWidget *parent)
    : QGroupBox(QStringLiteral("分析仪"), parent), document(document), messages(messages), announcer(announcer),
      link(new AnalyserLink(this))
{
    setObjectName(QStringLiteral("analyser"));
    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(3);
    auto *connectButton = new QPushButton(QStringLiteral("连接分析仪(&N)…"), this);
    connectButton->setObjectName(QStringLiteral("connectAnalyser"));
    connectButton->setAccessibleName(QStringLiteral("连接分析仪"));
    connect(connectButton, &QPushButton::clicked, this, &AnalyserPanel::chooseDevice);
    status = line(this, QStringLiteral("analyserStatus"));
    status->setText(QStringLiteral("未连接"));
    grid->addWidget(connectButton, 0, 0, 1, 2);
    grid->addWidget(status, 1, 0, 1, 4);

    span = new QDoubleSpinBox(this);
    span->setObjectName(QStringLiteral("sweepSpan"));
    span->setRange(0.5, 50);
    span->setDecimals(1);
    span->setValue(antenna::sweepSpan * 100); // the prediction's band
    span->setPrefix(QStringLiteral("± "));
    span->setSuffix(QStringLiteral(" %"));
    span->setAccessibleName(QStringLiteral("扫频范围 正负 百分之"));
    points = new QSpinBox(this);
    points->setObjectName(QStringLiteral("sweepPoints"));
    points->setRange(2, 10001);
    points->setValue(101);
    points->setSuffix(QStringLiteral(" 点"));
    points->setAccessibleName(QStringLiteral("扫频点数"));
    auto *spanLabel = new QLabel(QStringLiteral("范围："), this);
    spanLabel->setBuddy(span);
    auto *pointsLabel = new QLabel(QStringLiteral("点数："), this);
    pointsLabel->setBuddy(points);
    grid->addWidget(spanLabel, 2, 0);
    grid->addWidget(span, 2, 1);
    grid->addWidget(pointsLabel, 2, 2);
    grid->addWidget(points, 2, 3);

    sweepButton = new QPushButton(QStringLiteral("扫频(&W)"), this);
    sweepButton->setObjectName(QStringLiteral("sweep"));
    sweepButton->setAccessibleName(QStringLiteral("扫频"));
    // F5 as well as Alt+W, wherever the focus is in the window.
    auto *f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    f5->setContext(Qt::WindowShortcut);
    connect(f5, &QShortcut::activated, sweepButton, &QPushButton::click);
    connect(sweepButton, &QPushButton::clicked, this, &AnalyserPanel::sweepOnce);
    continuousButton = new QPushButton(QStringLiteral("连续(&U)"), this);
    continuousButton->setObjectName(QStringLiteral("continuous"));
    continuousButton->setCheckable(true);
    continuousButton->setAccessibleName(QStringLiteral("连续扫频"));
    connect(continuousButton, &QPushButton::toggled, this, &AnalyserPanel::setContinuous);
    keepButton = new QPushButton(QStringLiteral("记录此次(&E)…"), this);
    keepButton->setObjectName(QStringLiteral("keep"));
    keepButton->setAccessibleName(QStringLiteral("记录此次扫频"));
    connect(keepButton, &QPushButton::clicked, this, [this] { keep(); });
    grid->addWidget(sweepButton, 3, 0);
    grid->addWidget(continuousButton, 3, 1);
    grid->addWidget(keepButton, 3, 2, 1, 2);

    // The cuts, a line each, where Tab and a screen reader take one at a time.
    auto *logArea = new QScrollArea(this);
    logArea->setWidgetResizable(true);
    logArea->setFrameShape(QFrame::NoFrame);
    logArea->setMinimumHeight(70);
    auto *logWidget = new QWidget(logArea);
    logLines = new QVBoxLayout(logWidget);
    logLines->setContentsMargins(0, 0, 0, 0);
    logLines->setSpacing(2);
    logLines->addStretch();
    logArea->setWidget(logWidget);
    grid->addWidget(logArea, 4, 0, 1, 4);
    measuredTrim = line(this, QStringLiteral("measuredTrim"));
    grid->addWidget(measuredTrim, 5, 0, 1, 4);

    saveButton = new QPushButton(QStringLiteral("保存修剪记录(&V)…"), this);
    saveButton->setObjectName(QStringLiteral("saveLog"));
    saveButton->setAccessibleName(QStringLiteral("保存修剪记录"));
    auto *openButton = new QPushButton(QStringLiteral("打开修剪记录(&O)…"), this);
    openButton->setObjectName(QStringLiteral("openLog"));
    openButton->setAccessibleName(QStringLiteral("打开修剪记录"));
    grid->addWidget(saveButton, 6, 0, 1, 2);
    grid->addWidget(openButton, 6, 2, 1, 2);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (this->messages.isOpen())
            return;
        const auto folder = QFileDialog::getSaveFileName(this, QStringLiteral("保存修剪记录"),
                                                         QStringLiteral("修剪记录-%1").arg(QDate::currentDate().toString(Qt::ISODate)));
        if (!folder.isEmpty())
            saveLog(folder);
    });
    connect(openButton, &QPushButton::clicked, this, [this] {
        if (this->messages.isOpen())
            return;
        const auto folder = QFileDialog::getExistingDirectory(this, QStringLiteral("打开修剪记录"));
        if (!folder.isEmpty())
            openLog(folder);
    });

    connect(link, &AnalyserLink::connected, this, [this](const analyser::Device &d) {
        connected = d;
        // As many points as a scan gives; a V2 measures some 35 ms a point,
        // so it starts from the prediction's 101.
        points->setValue(d.family == analyser::Family::TextShell ? d.pointsPerScan : antenna::sweepPoints);
        status->setText(QStringLiteral("%1 %2，%3").arg(d.model, d.version, d.port)
                        + (d.calibrated ? QString() : QStringLiteral("；") + words::uncalibrated()));
        announceNext = true;
        enableWhatApplies();
        this->announcer->announce(QStringLiteral("已连接 ") + d.model);
    });
    connect(link, &AnalyserLink::swept, this, &AnalyserPanel::arrived);
    connect(link, &AnalyserLink::failed, this, &AnalyserPanel::failed);
    connect(document, &Document::changed, this, [this](Document::Changes what) {
        if (what & (Document::Log | Document::Prediction | Document::Results))
            showLog();
        enableWhatApplies();
    });
    showLog();
    enableWhatApplies();
}

AnalyserPanel::~AnalyserPanel() { link->stop(); }

bool AnalyserPanel::isSweeping() const { return link->isBusy(); }

void AnalyserPanel::enableWhatApplies()
{
    const bool ready = connected && document->results();
    sweepButton->setEnabled(ready && !continuous && !link->isBusy()); // steady while sweeping again and again
    continuousButton->setEnabled(ready);
    keepButton->setEnabled(document->live().has_value());
    saveButton->setEnabled(!document->trimLog().kept.empty());
}

void AnalyserPanel::connectTo(const QString &port)
{
    continuousButton->setChecked(false);
    connected.reset();
    status->setText(QStringLiteral("正在连接 %1……").arg(port));
    link->connectTo(port);
    enableWhatApplies();
}

void AnalyserPanel::chooseDevice()
{
    if (messages.isOpen())
        return;
    // The ports that answer as an analyser, as they answer; any port by hand.
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("连接分析仪"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *found = new QListWidget(&dialog);
    found->setAccessibleName(QStringLiteral("找到的分析仪"));
    auto *searching = new QLabel(QStringLiteral("正在查找分析仪……"), &dialog);
    auto *byHand = new QLineEdit(&dialog);
    byHand->setPlaceholderText(QStringLiteral("/dev/ttyACM0、COM3"));
    byHand->setAccessibleName(QStringLiteral("端口"));
    auto *byHandLabel = new QLabel(QStringLiteral("或输入端口(&P)："), &dialog);
    byHandLabel->setBuddy(byHand);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("连接"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    layout->addWidget(searching);
    layout->addWidget(found);
    layout->addWidget(byHandLabel);
    layout->addWidget(byHand);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(found, &QListWidget::currentTextChanged, byHand, [found, byHand] {
        if (auto *item = found->currentItem())
            byHand->setText(item->data(Qt::UserRole).toString());
    });
    PortProbe probe;
    connect(&probe, &PortProbe::answered, found, [found](const analyser::Device &d) {
        auto *item = new QListWidgetItem(QStringLiteral("%1 %2  %3").arg(d.model, d.version, d.port), found);
        item->setData(Qt::UserRole, d.port);
        if (found->count() == 1)
            found->setCurrentItem(item);
    });
    connect(&probe, &PortProbe::finished, searching, [searching, found] {
        searching->setText(found->count() ? QStringLiteral("找到 %1 台分析仪：").arg(found->count())
                                          : QStringLiteral("没有找到分析仪：请输入端口"));
    });
    probe.start();
    if (dialog.exec() == QDialog::Accepted && !byHand->text().trimmed().isEmpty())
        connectTo(byHand->text().trimmed());
}

void AnalyserPanel::sweepOnce()
{
    const auto &results = document->results();
    if (!connected || !results || link->isBusy())
        return;
    const double f = results->mhz, half = span->value() / 100;
    link->sweep(f * (1 - half), f * (1 + half), points->value());
    enableWhatApplies();
}

void AnalyserPanel::setContinuous(bool on)
{
    if (continuousButton->isChecked() != on)
        continuousButton->setChecked(on); // which calls here again
    continuous = on;
    announceNext = on || announceNext;
    if (on)
        sweepOnce();
    enableWhatApplies();
}

void AnalyserPanel::arrived(const antenna::OnePort &sweep)
{
    const auto label = QStringLiteral("实时 ") + (connected ? connected->model : QString());
    antenna::Origin origin{antenna::Origin::Kind::Device, connected ? connected->port : QString(),
                           connected ? connected->model : QString(), connected ? connected->version : QString()};
    document->setLive(antenna::measurement(label, origin, sweep));
    if (announceNext) {
        const auto f = words::measuredFigures(*document->live(), document->trimFigure(),
                                              document->results() ? document->results()->mhz : 0);
        announcer->announce(QStringLiteral("扫频完成，") + f.lowest + QStringLiteral("，") + f.cut);
        announceNext = false;
    }
    enableWhatApplies();
    if (continuous) // as fast as the device allows, the curve updated in place
        sweepOnce();
}

void AnalyserPanel::failed(const analyser::Fault &fault)
{
    continuousButton->setChecked(false);
    continuous = false;
    if (fault.kind == analyser::Fault::Kind::Cancelled) {
        enableWhatApplies();
        return;
    }
    if (fault.kind != analyser::Fault::Kind::Garbled && fault.kind != analyser::Fault::Kind::WrongCount) {
        connected.reset(); // it is gone, or never came
        status->setText(QStringLiteral("未连接"));
    }
    enableWhatApplies();
    messages.show({words::analyserFault(fault), rt::MessageIcon::Critical, QStringLiteral("分析仪出错")});
}

void AnalyserPanel::keep(std::optional<double> cutA, std::optional<double> cutB, const QString &given)
{
    const auto &live = document->live();
    if (!live)
        return;
    const auto &log = document->trimLog();
    QString note = given;
    if (!cutA || !cutB) {
        // The cut advised at the sweep before is what was likely made.
        double advisedA = 0, advisedB = 0;
        const auto trim = document->trimFigure();
        if (!log.kept.empty() && trim && document->results()) {
            const auto cut = antenna::cutFor(log.kept.back().measurement.summary.best.mhz, document->results()->mhz, *trim);
            advisedA = std::round(cut.a * 2) / 2;
            advisedB = std::round(cut.b * 2) / 2;
        }
        QDialog dialog(this);
        dialog.setWindowTitle(QStringLiteral("记录此次扫频"));
        auto *form = new QFormLayout(&dialog);
        auto number = [&](double value, const QString &spoken) {
            auto *box = new QDoubleSpinBox(&dialog);
            box->setRange(-10000, 10000);
            box->setDecimals(1);
            box->setValue(value);
            box->setSuffix(QStringLiteral(" 毫米"));
            box->setAccessibleName(spoken);
            return box;
        };
        auto *a = number(advisedA, QStringLiteral("上次以来 A 剪短 毫米"));
        auto *b = number(advisedB, QStringLiteral("上次以来 B 剪短 毫米"));
        auto *text = new QLineEdit(&dialog);
        text->setAccessibleName(QStringLiteral("备注"));
        form->addRow(log.kept.empty() ? QStringLiteral("开始前 A 已剪短(&A)：") : QStringLiteral("上次以来 A 剪短(&A)："), a);
        form->addRow(QStringLiteral("B 剪短(&B)："), b);
        form->addRow(QStringLiteral("备注(&T)："), text);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("记录"));
        buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        if (dialog.exec() != QDialog::Accepted || !document->live())
            return;
        cutA = a->value();
        cutB = b->value();
        note = text->text();
    }
    auto kept = *document->live();
    kept.label = QStringLiteral("第 %1 次").arg(log.kept.size() + 1);
    document->keep({QDateTime::currentDateTime(), *cutA, *cutB, note, kept});
    announcer->announce(QStringLiteral("已记录，") + words::keptSweepLine(document->trimLog(), document->trimLog().kept.size() - 1));
}

bool AnalyserPanel::saveLog(const QString &folder)
{
    if (const auto error = antenna::saveTrimLog(document->trimLog(), folder)) {
        messages.show({QStringLiteral("无法保存修剪记录：\n%1\n%2").arg(QDir::toNativeSeparators(error->file), error->detail),
                       rt::MessageIcon::Critical, QStringLiteral("Tolvera")});
        return false;
    }
    return true;
}

bool AnalyserPanel::openLog(const QString &folder)
{
    const auto opened = antenna::openTrimLog(folder);
    if (const auto *error = std::get_if<antenna::TrimLogError>(&opened)) {
        messages.show({QStringLiteral("无法打开修剪记录：\n%1").arg(QDir::toNativeSeparators(error->file)),
                       rt::MessageIcon::Critical, QStringLiteral("Tolvera")});
        return false;
    }
    document->setTrimLog(std::get<antenna::TrimLog>(opened));
    return true;
}

void AnalyserPanel::stop()
{
    continuousButton->setChecked(false);
    continuous = false;
    link->disconnectDevice();
    connected.reset();
    status->setText(QStringLiteral("未连接"));
    document->setLive(std::nullopt);
    enableWhatApplies();
}

void AnalyserPanel::showLog()
{
    while (logLines->count() > 1) { // the stretch stays
        auto *item = logLines->takeAt(0);
        delete item->widget();
        delete item;
    }
    const auto &log = document->trimLog();
    for (std::size_t i = 0; i < log.kept.size(); ++i) {
        auto *label = line(logLines->parentWidget(), QStringLiteral("kept%1").arg(i));
        label->setText(words::keptSweepLine(log, i));
        logLines->insertWidget(int(i), label);
    }
    const auto own = log.measuredTrim();
    measuredTrim->setText(own ? words::measuredTrimLine(*own, document->prediction() ? &*document->prediction() : nullptr)
                              : QString());
}

} // namespace ui
