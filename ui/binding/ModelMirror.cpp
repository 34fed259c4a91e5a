#include "ui/binding/ModelMirror.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

#include "ui/accessibility/Accessibility.h"
#include "ui/binding/CharacterOffsets.h"
#include "ui/look/LookTable.h"
#include "ui/widgets/WidgetKinds.h"

namespace platomer {

ModelMirror::ModelMirror(FormModel& form, const BuiltWindow& window) : form_(form), window_(window)
{
    widgets_.resize(form_.controls().size(), nullptr);
    for (const auto& [name, widget] : window_.widgets) {
        const int index = form_.control(name).index();
        controls_.emplace(widget, index);
        widgets_[static_cast<std::size_t>(index)] = widget;
    }
    controls_.emplace(window_.tabs->tabBar(), form_.control("PcHlav").index());
}

QWidget* ModelMirror::widgetOf(const Control& control) const
{
    if (control.kind() == Kind::PageControl) return window_.tabs->tabBar();
    if (control.kind() == Kind::Window) return window_.window;
    return widgets_[static_cast<std::size_t>(control.index())];
}

Control* ModelMirror::controlOf(const QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget()) {
        auto it = controls_.find(widget);
        if (it != controls_.end()) return &form_.at(it->second);
        if (widget == window_.window) return nullptr;
    }
    return nullptr;
}

void ModelMirror::showSelection(const Control& control)
{
    auto* edit = qobject_cast<QLineEdit*>(widgetOf(control));
    if (!edit) return;
    QSignalBlocker block(edit);
    const QString text = edit->text();
    const int start = utf16Offset(text, control.selStart);
    const int end = utf16Offset(text, control.selStart + control.selLength);
    // As the desktop's edit field, an entry shows its selection only while it holds the focus.
    if (control.selLength == 0 || !control.focused())
        edit->setCursorPosition(control.caretAtStart ? start : end);
    else if (control.caretAtStart)
        edit->setSelection(end, start - end);  // a negative length leaves the cursor at the start
    else
        edit->setSelection(start, end - start);
}

void ModelMirror::controlChanged(const Control& control)
{
    QWidget* widget = widgetOf(control);
    if (!widget || control.kind() == Kind::PageControl) return;
    QSignalBlocker block(widget);
    showControl(*widget, control);
    if (control.kind() == Kind::Page) {
        // The page control shows and hides its pages itself: a page is hidden as a tab.
        const int index = window_.tabs->indexOf(widget);
        if (index >= 0 && window_.tabs->isTabVisible(index) != control.visible())
            window_.tabs->setTabVisible(index, control.visible());
        if (widget->isEnabled() != control.enabled()) widget->setEnabled(control.enabled());
        return;
    }
    showSelection(control);
    // A box the year's rules lock says why; otherwise its own hint, if it has one.
    if (control.isTickBox()) {
        const char* own = lookOf(control.row()).hint;
        const QString hint =
            control.hint().empty() ? QString::fromUtf8(own ? own : "") : QString::fromStdString(control.hint());
        if (widget->toolTip() != hint) {
            widget->setToolTip(hint);
            widget->setAccessibleDescription(hint);
        }
    }
    announceTextChange(*widget);
    if (widget->isEnabled() != control.enabled()) widget->setEnabled(control.enabled());
    if (widget->isHidden() == control.visible()) {
        widget->setVisible(control.visible());
        fitPagesToShown(form_, window_);
    }
}

void ModelMirror::focusChanged(const Control& control)
{
    controlChanged(control);
    assertFocus();
}

void ModelMirror::pageChanged(int page)
{
    if (window_.tabs->currentIndex() == page) return;
    QSignalBlocker block(window_.tabs);
    window_.tabs->setCurrentIndex(page);
}

void ModelMirror::assertFocus()
{
    Control& focused = form_.focused();
    QWidget* widget = widgetOf(focused);
    if (!widget) return;
    QWidget* top = window_.window;
    if (top->focusWidget() != widget || (top->isActiveWindow() && QApplication::focusWidget() != widget)) {
        // A widget that Qt cannot focus (hidden or disabled) keeps the window's focus where it is.
        if (widget->isEnabled() && !widget->isHidden()) widget->setFocus(Qt::OtherFocusReason);
    }
    showSelection(focused);
}

void ModelMirror::mirrorAll()
{
    for (const Control& control : form_.controls())
        controlChanged(control);
    pageChanged(form_.activePage());
    assertFocus();
}

}  // namespace platomer
