// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#include "ui/accessible.h"

#include "ui/form1.h"
#include "ui/picture.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVariant>

namespace ui {

namespace {

constexpr char hiddenProperty[] = "tolveraAccessibleHidden";

// The window as a frame named by its title; decorations are not its children.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return heard().size(); }
    QAccessibleInterface *child(int index) const override { return heard().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return heard().indexOf(const_cast<QAccessibleInterface *>(child));
    }

private:
    QList<QAccessibleInterface *> heard() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            auto *child = QAccessibleWidget::child(i);
            if (child && !child->object()->property(hiddenProperty).toBool())
                children << child;
        }
        return children;
    }
};

// A text box: a result to read, select and copy, never to edit, or the
// frequency to type. Qt's own interface for a line edit reports its text
// attributes as an empty run, which Orca turns into all the text but its
// last character: "1481.9" for 1481.96. Here the run is the whole text.
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override
    {
        auto state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // The span of x where a click puts the caret before the character.
        const int y = box()->height() / 2;
        int left = -1;
        int right = -1;
        for (int x = 0; x < box()->width(); ++x) {
            const int at = box()->cursorPositionAt(QPoint(x, y));
            if (at == offset && left < 0)
                left = x;
            if (at == offset + 1)
                right = x;
        }
        if (left < 0)
            return {};
        const QRect local(left, 0, std::max(right - left, 1), box()->height());
        return local.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // QAccessibleEditableTextInterface, as a user's edit: the field checks
    // hear of it.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        box()->setSelection(start, end - start);
        box()->insert(text);
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *box = qobject_cast<QLineEdit *>(object))
        return new LineEditAccessible(box);
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    if (auto *window = qobject_cast<Form1 *>(object))
        return new WindowAccessible(window);
    if (auto *picture = qobject_cast<Picture *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

void hideFromAccessibility(QWidget *widget)
{
    widget->setProperty(hiddenProperty, true);
}

QString spoken(const QString &text)
{
    // A label set one character a line reads as one word: "Tolvera".
    static const QRegularExpression read(QStringLiteral("[:：()（）&]"));
    return QString(text).remove(u'\n').replace(read, QStringLiteral(" ")).simplified();
}

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

// A screen reader speaks a notification when it starts showing.
void Announcer::announce(const QString &sentence)
{
    hide();
    setAccessibleName(sentence);
    show();
}

} // namespace ui
