#include "ui/binding/InputFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <string_view>
#include <utility>

#include "ui/accessibility/Announcements.h"
#include "ui/binding/CharacterOffsets.h"
#include "ui/binding/ModelMirror.h"
#include "ui/binding/QtKeys.h"
#include "ui/figures/FigureActions.h"

namespace platomer {

InputFilter::InputFilter(TKalkulajda& form, UserActions& user, ModelMirror& mirror)
    : form_(form), user_(user), mirror_(mirror)
{
    qApp->installEventFilter(this);
}

InputFilter::~InputFilter() { qApp->removeEventFilter(this); }

void InputFilter::setFigures(FigureActions* figures) { figures_ = figures; }

bool InputFilter::ours(const QObject* watched) const
{
    if (!watched->isWidgetType()) return false;
    return static_cast<const QWidget*>(watched)->window() == mirror_.window().window;
}

void InputFilter::act(const std::function<void()>& action)
{
    // Input that arrives while an action is still running (a modal box is open) is dropped.
    if (busy_) return;
    {
        // A screen reader hears what the action changed once, at its end: not each write of the
        // model, nor a focus that only passed through a control. The menu it opens comes after.
        HeldAnnouncements held(mirror_.window().window);
        busy_ = true;
        struct Idle {
            bool& busy;
            ~Idle() { busy = false; }
        } idle{busy_};
        action();
        busy_ = false;
        mirror_.mirrorAll();
    }
    showMenu();
    if (figures_) figures_->refresh();
}

void InputFilter::activateOnce()
{
    if (activated_) return;
    activated_ = true;
    act([this] { user_.activate(); });
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        // Only the first activation counts; coming back from another window changes nothing.
        if (watched == mirror_.window().window) activateOnce();
        return false;
    case QEvent::FocusIn:
        if (ours(watched)) focusArrived(static_cast<QWidget*>(watched));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (!ours(watched)) return false;
        // Moves without a button only hover; with a button they would select or drag.
        if (event->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
            return false;
        mouse(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (!ours(watched)) return false;
        key(static_cast<QKeyEvent*>(event));
        event->accept();
        return true;
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut acts; the key press that follows is converted.
        if (!ours(watched)) return false;
        event->accept();
        return true;
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (!ours(watched)) return false;
        event->ignore();
        return true;
    case QEvent::InputMethod:
        if (!ours(watched)) return false;
        for (char32_t c : static_cast<QInputMethodEvent*>(event)->commitString().toUcs4())
            act([&] { user_.type(c); });
        event->accept();
        return true;
    case QEvent::ContextMenu:
        if (!ours(watched)) return false;
        contextMenu(static_cast<QWidget*>(watched), static_cast<QContextMenuEvent*>(event));
        event->accept();
        return true;
    default: return false;
    }
}

void InputFilter::mouse(QWidget* widget, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (event->type() != QEvent::MouseButtonRelease) {
        // A press, or the second press of a double click: acted upon at its release.
        pressed_ = widget;
        pressedAt_ = characterAt(widget, at);
        if (event->type() == QEvent::MouseButtonDblClick) doubleClick_ = true;
        return;
    }
    const bool same = pressed_ == widget;
    const bool second = std::exchange(doubleClick_, false);
    pressed_ = nullptr;
    if (!same || !widget->rect().contains(at)) return;

    QTabBar* strip = mirror_.window().tabs->tabBar();
    if (widget == strip) {
        const int page = strip->tabAt(at);
        if (page >= 0) act([&] { user_.clickPage(page); });
        return;
    }
    Control* control = mirror_.controlOf(widget);
    if (!control) return;
    switch (control->kind()) {
    case Kind::Entry:
    case Kind::NumericEntry: {
        // The first click of a double click has clicked already; the second selects the word.
        // A drag from one character to another selects what lies between.
        const int released = characterAt(widget, at);
        if (second)
            act([&] { user_.selectWordAt(*control, pressedAt_); });
        else if (released != pressedAt_ && pressedAt_ >= 0 && released >= 0)
            act([&] { user_.select(*control, pressedAt_, released - pressedAt_); });
        else
            act([&] { user_.click(*control); });
        break;
    }
    case Kind::TickBox:
    case Kind::Label: act([&] { user_.click(*control); }); break;
    default: break;  // a frame, a panel or an empty part of a page takes no click
    }
}

int InputFilter::characterAt(QWidget* widget, QPoint at) const
{
    Control* control = mirror_.controlOf(widget);
    auto* edit = control ? qobject_cast<QLineEdit*>(mirror_.widgetOf(*control)) : nullptr;
    if (!edit) return -1;
    return characterIndex(edit->text(), edit->cursorPositionAt(edit->mapFrom(widget, at)));
}

void InputFilter::key(QKeyEvent* event)
{
    // The window's own keys are taken before any control sees a character.
    if (figures_ && figures_->takeKey(*event)) return;
    if (std::optional<Key> action = keyOf(*event)) {
        act([&] { user_.press(*action); });
        return;
    }
    for (char32_t c : event->text().toUcs4())
        act([&] { user_.type(c); });
}

void InputFilter::contextMenu(QWidget* widget, QContextMenuEvent* event)
{
    // The right button gives an entry the focus first; the Menu key opens the focused entry's.
    Control* control = mirror_.controlOf(widget);
    // A display panel has a menu of its own, which moves no focus and tells the model nothing.
    if (event->reason() == QContextMenuEvent::Mouse && control && figures_ &&
        figures_->openPanelMenu(*control, event->globalPos()))
        return;
    menuAt_ = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (control) act([&] { user_.rightClick(*control); });
    } else {
        act([&] { user_.openMenu(); });
    }
}

void InputFilter::showMenu()
{
    // The model holds the menu open; this shows it until an item is chosen or it is dismissed.
    // An entry's menu opens at the caret (or where the right button was pressed), the year menu
    // under the heading of the page.
    Control* anchor = user_.menuAnchor();
    if (!anchor || menu_) return;
    QWidget* widget = mirror_.widgetOf(*anchor);
    if (!widget) return;
    const auto* edit = qobject_cast<QLineEdit*>(widget);
    const QPoint caret =
        edit ? edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft() : QPoint(0, widget->height());
    const QPoint at = menuAt_.value_or(widget->mapToGlobal(caret));
    menuAt_.reset();
    menu_ = new QMenu(widget);
    menu_->setObjectName(edit ? "entryMenu" : "yearMenu");
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    if (const QString title = QString::fromStdString(user_.menuTitle()); !title.isEmpty()) {
        menu_->setTitle(title);
        menu_->setAccessibleName(title);
        menu_->addSection(title);
    }
    for (const MenuItem& item : user_.menuItems()) {
        if (std::string_view(item.text) == "-") {
            menu_->addSeparator();
            continue;
        }
        QAction* action = menu_->addAction(QString::fromUtf8(item.text));
        action->setEnabled(item.enabled);
        if (item.checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        const std::string text = item.text;
        connect(action, &QAction::triggered, this, [this, text] { act([&] { user_.chooseMenuItem(text); }); });
    }
    // An item's action comes after the menu hides; only a menu left without a choice is closed.
    connect(menu_, &QMenu::aboutToHide, this, [this] { QTimer::singleShot(0, this, [this] { user_.closeMenu(); }); });
    menu_->popup(at);
}

void InputFilter::focusArrived(QWidget* widget)
{
    // Qt gave the focus to a widget itself (the focused one was hidden, disabled or its page
    // went away): once the event is done, the model's focus is put back.
    if (busy_ || reassertQueued_ || !widget->isActiveWindow()) return;
    if (mirror_.widgetOf(form_.focused()) == widget) return;
    reassertQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        reassertQueued_ = false;
        if (!busy_) mirror_.assertFocus();
    });
}

}  // namespace platomer
