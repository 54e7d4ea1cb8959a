// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/form1.h"

#include "calc/calculation.h"
#include "calc/fieldchecks.h"
#include "ui/accessible.h"
#include "ui/artwork.h"
#include "ui/dimensions.h"
#include "ui/document.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/layout.h"
#include "ui/picture.h"
#include "ui/predictionwindow.h"
#include "ui/resultbox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using calc::Box;

QRect toPixels(const ui::Control &c)
{
    auto px = [](int twips) { return int(std::lround(double(twips) / ui::twipsPerPixel)); };
    return {px(c.left), px(c.top), px(c.width), px(c.height)};
}

// What a screen reader says of the frequency box; the result boxes are
// named and described from the table of results.
constexpr auto frequencyName = "频率 MHz";
constexpr auto frequencyDescription = "发射频率，单位 MHz";

// What the green paragraph says, heard when the window appears.
constexpr auto windowDescription =
    "J型天线，辐射仰角低且有一定的增益，效率是四分之一波长GP天线的二倍，"
    "上部是辐射段，下部是匹配段，调整好的天线阻抗为纯阻50欧。";

constexpr auto diagramName = "J型天线尺寸示意图";
constexpr auto diagramDescription =
    "一根管材弯成的J型天线：右边是长振子，左边是短振子（匹配段），底部由U形弯相连；"
    "50欧同轴电缆从下方接入，两芯线分别接在两振子上、弯头上方不远处。"
    "箭头标出尺寸A、B、C、D。";
// The green copy of the title behind the red one is decoration: heard once.
constexpr auto titleShadow = "Label2_0";

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    ui::installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tolvera"));
    setAccessibleDescription(QString::fromUtf8(windowDescription));
    setWindowIcon(ui::atomIcon());
    setFont(ui::qtFont(ui::Font::Default));
    setPalette(ui::windowPalette());
    setFixedSize(ui::clientWidth / ui::twipsPerPixel, ui::clientHeight / ui::twipsPerPixel);
    shown = new ui::Document(this);
    createControls();

    connect(MCount, &QPushButton::clicked, this, &Form1::calculate);
    connect(box(Box::MHZ), &QLineEdit::textEdited, this, &Form1::frequencyEdited);
    box(Box::MHZ)->installEventFilter(this);
    MCount->installEventFilter(this);
    shortcutRelease.setSingleShot(true);
    shortcutRelease.setInterval(100);
    connect(&shortcutRelease, &QTimer::timeout, this, [this] {
        MCount->setDown(false);
        MCount->click();
    });
    MCount->setFocus();

    printAction = new QAction(QStringLiteral("打印尺寸图…"), this);
    printAction->setObjectName(QStringLiteral("printCutSheet"));
    printAction->setShortcut(QKeySequence::Print);
    connect(printAction, &QAction::triggered, this, &Form1::printCutSheet);
    saveAction = new QAction(QStringLiteral("保存尺寸图…"), this);
    saveAction->setObjectName(QStringLiteral("saveCutSheet"));
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, &Form1::saveCutSheet);
    predictAction = new QAction(QStringLiteral("性能预测…"), this);
    predictAction->setObjectName(QStringLiteral("predict"));
    predictAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(predictAction, &QAction::triggered, this, &Form1::openPrediction);
    for (auto *action : {printAction, saveAction, predictAction}) {
        action->setEnabled(false); // until there are results
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void Form1::createControls()
{
    QMap<QString, QWidget *> frames;
    std::vector<std::pair<int, QWidget *>> tabOrder;

    for (const auto &c : ui::controls()) {
        QWidget *parent = c.frame ? frames.value(QString::fromLatin1(c.frame)) : this;
        const auto text = QString::fromUtf8(c.text);
        QWidget *widget = nullptr;
        switch (c.kind) {
        case ui::Kind::Picture:
            widget = new ui::Picture(parent);
            widget->setAccessibleName(QString::fromUtf8(diagramName));
            widget->setAccessibleDescription(QString::fromUtf8(diagramDescription));
            diagram = widget;
            break;
        case ui::Kind::Label:
            widget = new ui::Label(text, c.wraps, parent);
            if (qstrcmp(c.name, titleShadow) == 0)
                ui::hideFromAccessibility(widget);
            break;
        case ui::Kind::Frame:
            widget = new ui::Frame(text, parent);
            frames.insert(QString::fromLatin1(c.name), widget);
            break;
        case ui::Kind::Button:
            MCount = new QPushButton(text, parent);
            MCount->setAccessibleName(QStringLiteral("输出结果")); // Alt+C is heard as its shortcut
            // Enter on the focused button calculates, as Space does. It is not
            // the window's default button: Enter in a text box does nothing.
            MCount->setAutoDefault(true);
            widget = MCount;
            break;
        case ui::Kind::TextBox: {
            const auto *result = std::find_if(calc::results.begin(), calc::results.end(),
                                              [&](const calc::Result &r) { return qstrcmp(r.boxName, c.name) == 0; });
            QLineEdit *edit = nullptr;
            if (result == calc::results.end()) { // the frequency
                edit = new QLineEdit(text, parent);
                edit->setAccessibleName(QString::fromUtf8(frequencyName));
                edit->setAccessibleDescription(QString::fromUtf8(frequencyDescription));
                boxes[static_cast<std::size_t>(Box::MHZ)] = edit;
            } else { // results can be selected and copied, not typed over
                edit = new ui::ResultBox(ui::qtFont(c.font), parent);
                edit->setAccessibleName(ui::accessibleName(*result));
                edit->setAccessibleDescription(ui::describe(*result));
                boxes[static_cast<std::size_t>(result->box)] = edit;
            }
            widget = edit;
            break;
        }
        }
        widget->setObjectName(QString::fromLatin1(c.name));
        widget->setGeometry(toPixels(c));
        if (c.font != ui::Font::Default)
            widget->setFont(ui::qtFont(c.font));
        if (c.colour) {
            QPalette palette = widget->palette();
            palette.setColor(widget->foregroundRole(), QColor::fromRgb(*c.colour));
            widget->setPalette(palette);
        }
        if (c.tabIndex && widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(*c.tabIndex, widget);
    }

    announcer = new ui::Announcer(this);

    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

QString Form1::text(Box which) const { return box(which)->text(); }

void Form1::setText(Box which, const QString &text)
{
    box(which)->setText(text);
    box(which)->home(false); // a result too long for its box shows its leading digits
}

void Form1::select(Box which, qsizetype start, qsizetype length)
{
    box(which)->setSelection(int(start), int(length));
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == MCount && event->type() == QEvent::Shortcut) {
        pressByShortcut();
        return true;
    }
    if (watched == box(Box::MHZ) && event->type() == QEvent::FocusIn) {
        // Only focus the user moved in with the keyboard: a click places the
        // caret, and focus coming back from a message box or another window
        // leaves the user where they were typing.
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            calc::selectFrequency(*this);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Alt+C shows the button pressed for a moment, as Qt does, and then
// calculates. A click or a key on the button in that moment is the same
// press, not a second one.
void Form1::pressByShortcut()
{
    MCount->setFocus(Qt::ShortcutFocusReason);
    MCount->setDown(true);
    shortcutRelease.start();
}

// While a message box waits for the user, the window takes no input: a
// click or key that was already on its way does nothing.
void Form1::calculate()
{
    shortcutRelease.stop();
    if (messages.isOpen())
        return;
    const auto outcome = calc::calculate(*this);
    // The cut sheet and the prediction take what this calculation wrote, or
    // nothing: results left over from an earlier frequency are not this one's.
    const auto *written = std::get_if<calc::Calculated>(&outcome);
    if (written) {
        calculatedOn = QDate::currentDate();
        announcer->announce(ui::spokenResults(written->texts)); // the focus stays where it is
    }
    for (auto *action : {printAction, saveAction, predictAction})
        action->setEnabled(written != nullptr);
    shown->setResults(written ? std::optional(*written) : std::nullopt);
    if (const auto message = calc::messageOf(outcome))
        messages.show(*message);
}

void Form1::frequencyEdited()
{
    if (messages.isOpen())
        return;
    if (const auto message = calc::checkFrequency(*this))
        messages.show(*message);
}

// The title and the credit lie over the diagram: a right click on them is
// on the diagram too.
void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    if (!diagram->geometry().contains(event->pos()))
        return QWidget::contextMenuEvent(event);
    QMenu menu(this);
    if (!shown->results()) {
        menu.addAction(QStringLiteral("尚无结果：请先按“输出结果”"))->setEnabled(false);
        menu.addSeparator();
    }
    menu.addAction(printAction);
    menu.addAction(saveAction);
    menu.addSeparator();
    menu.addAction(predictAction);
    menu.exec(event->globalPos());
}

std::optional<ui::CutSheet> Form1::cutSheet() const { return ui::cutSheetOf(*shown, calculatedOn); }

void Form1::printCutSheet()
{
    const auto sheet = cutSheet();
    if (!sheet || messages.isOpen())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QFileInfo(ui::cutSheetFileName(*sheet)).completeBaseName());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印尺寸图"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages.show({QStringLiteral("无法打印尺寸图"), rt::MessageIcon::Critical, QStringLiteral("Tolvera")});
        return;
    }
    ui::paintCutSheet(painter, QRectF(0, 0, printer.width(), printer.height()), *sheet);
}

void Form1::saveCutSheet()
{
    const auto sheet = cutSheet();
    if (!sheet || messages.isOpen())
        return;
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QString name = QFileDialog::getSaveFileName(this, QStringLiteral("保存尺寸图"),
                                                documents.filePath(ui::cutSheetFileName(*sheet)),
                                                QStringLiteral("PDF (*.pdf);;PNG (*.png)"));
    if (name.isEmpty())
        return;
    // A PNG for a .png name, a PDF for anything else, which says so.
    const auto suffix = QFileInfo(name).suffix().toLower();
    if (suffix != u"pdf" && suffix != u"png")
        name += QStringLiteral(".pdf");
    if (!ui::saveCutSheet(*sheet, name))
        messages.show({QStringLiteral("无法保存尺寸图：\n") + QDir::toNativeSeparators(name),
                       rt::MessageIcon::Critical, QStringLiteral("Tolvera")});
}

void Form1::openPrediction()
{
    if (!shown->results() || messages.isOpen())
        return;
    if (!prediction)
        prediction = new ui::PredictionWindow(shown, this);
    prediction->show();
    prediction->raise();
    prediction->activateWindow();
}
