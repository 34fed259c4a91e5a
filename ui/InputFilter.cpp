#include "ui/InputFilter.h"

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

#include "ui/ModelMirror.h"
#include "ui/QtKeys.h"

namespace platomer {

InputFilter::InputFilter(TKalkulajda& form, UserActions& user, ModelMirror& mirror)
    : form_(form), user_(user), mirror_(mirror)
{
    qApp->installEventFilter(this);
}

InputFilter::~InputFilter() { qApp->removeEventFilter(this); }

bool InputFilter::ours(const QObject* watched) const
{
    if (!watched->isWidgetType()) return false;
    return static_cast<const QWidget*>(watched)->window() == mirror_.window().window;
}

void InputFilter::act(const std::function<void()>& action)
{
    // Input that arrives while an action is still running (a modal box is open) is dropped.
    if (busy_) return;
    busy_ = true;
    struct Idle {
        bool& busy;
        ~Idle() { busy = false; }
    } idle{busy_};
    action();
    busy_ = false;
    mirror_.mirrorAll();
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
    if (event->type() != QEvent::MouseButtonRelease) {
        // A press, or the second press of a double click: acted upon at its release.
        pressed_ = widget;
        return;
    }
    const bool same = pressed_ == widget;
    pressed_ = nullptr;
    if (!same || !widget->rect().contains(event->position().toPoint())) return;

    QTabBar* strip = mirror_.window().tabs->tabBar();
    if (widget == strip) {
        const int page = strip->tabAt(event->position().toPoint());
        if (page >= 0) act([&] { user_.clickPage(page); });
        return;
    }
    Control* control = mirror_.controlOf(widget);
    if (!control) return;
    switch (control->kind()) {
    case Kind::TickBox:
    case Kind::Entry:
    case Kind::NumericEntry:
    case Kind::Label: act([&] { user_.click(*control); }); break;
    default: break;  // a frame, a panel or an empty part of a page takes no click
    }
}

void InputFilter::key(QKeyEvent* event)
{
    if (std::optional<Key> action = keyOf(*event)) {
        act([&] { user_.press(*action); });
        return;
    }
    for (char32_t c : event->text().toUcs4())
        act([&] { user_.type(c); });
}

void InputFilter::contextMenu(QWidget* widget, QContextMenuEvent* event)
{
    // The menu works on the entry that has the focus, as the paste of the model does.
    Control* control = mirror_.controlOf(widget);
    if (!control || !control->isEntry() || !control->focused()) return;
    auto* edit = qobject_cast<QLineEdit*>(mirror_.widgetOf(*control));
    if (!edit) return;

    auto* menu = new QMenu(edit);
    menu->setObjectName("entryMenu");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool selected = control->selLength > 0;
    const QString selection = edit->selectedText();
    QAction* cut = menu->addAction(QString::fromUtf8("Vyjmou&t"));
    cut->setObjectName("cut");
    cut->setEnabled(selected);
    connect(cut, &QAction::triggered, this, [this, selection] {
        QApplication::clipboard()->setText(selection);
        act([this] { user_.paste(""); });
    });
    QAction* copy = menu->addAction(QString::fromUtf8("&Kopírovat"));
    copy->setObjectName("copy");
    copy->setEnabled(selected);
    connect(copy, &QAction::triggered, this, [selection] { QApplication::clipboard()->setText(selection); });
    QAction* paste = menu->addAction(QString::fromUtf8("&Vložit"));
    paste->setObjectName("paste");
    connect(paste, &QAction::triggered, this, [this] {
        const std::string text = QApplication::clipboard()->text().toStdString();
        act([&] { user_.paste(text); });
    });
    QAction* erase = menu->addAction(QString::fromUtf8("&Odstranit"));
    erase->setObjectName("delete");
    erase->setEnabled(selected);
    connect(erase, &QAction::triggered, this, [this] { act([this] { user_.paste(""); }); });
    menu->popup(event->globalPos());
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
