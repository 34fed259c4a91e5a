#include "model/FormModel.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "model/EntryText.h"

namespace platomer {

FormModel::FormModel(Platform& platform) : platform_(platform)
{
    for (const ControlRow& row : controlTable()) {
        int parent = -1;
        if (*row.parent) parent = byName_.at(row.parent);
        int index = static_cast<int>(controls_.size());
        controls_.emplace_back(*this, row, index, parent);
        byName_.emplace(controls_.back().name(), index);
    }
    // A frame lists its labels before its other children.
    for (int pass = 0; pass < 2; ++pass)
        for (Control& c : controls_)
            if (c.parent() >= 0 && (c.kind() == Kind::Label) == (pass == 0))
                at(c.parent()).children_.push_back(c.index());
    focus_ = control("PcHlav").index();
}

Control* FormModel::find(std::string_view name)
{
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &at(it->second);
}

const Control* FormModel::find(std::string_view name) const
{
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &controls_[static_cast<std::size_t>(it->second)];
}

Control& FormModel::control(std::string_view name)
{
    if (Control* c = find(name)) return *c;
    throw std::out_of_range("unknown control " + std::string(name));
}

int FormModel::pageOf(const Control& control) const
{
    for (int i = control.index(); i >= 0; i = controls_[static_cast<std::size_t>(i)].parent()) {
        const Control& c = controls_[static_cast<std::size_t>(i)];
        if (c.kind() == Kind::Page) return c.row().position;
    }
    return -1;
}

bool FormModel::showing(const Control& control) const
{
    for (int i = control.index(); i >= 0; i = controls_[static_cast<std::size_t>(i)].parent())
        if (!controls_[static_cast<std::size_t>(i)].visible()) return false;
    int page = pageOf(control);
    return page < 0 || page == activePage_;
}

bool FormModel::canFocus(const Control& control) const
{
    return control.isKeyboardStop() && control.enabled() && showing(control);
}

const std::vector<int>& FormModel::keyboardOrder(int page)
{
    std::vector<int>& order = keyboardOrder_[page];
    if (!order.empty()) return order;
    Control& strip = control("PcHlav");
    order.push_back(strip.index());
    // Depth first through the frames, each frame's children in their tab order.
    auto visit = [&](auto& self, const Control& frame) -> void {
        std::vector<int> kids = frame.children_;
        std::stable_sort(kids.begin(), kids.end(),
                         [&](int a, int b) { return at(a).row().position < at(b).row().position; });
        for (int k : kids) {
            const Control& c = at(k);
            if (c.isKeyboardStop()) order.push_back(k);
            if (c.kind() == Kind::GroupBox || c.kind() == Kind::Panel) self(self, c);
        }
    };
    for (int k : strip.children_)
        if (at(k).row().position == page) visit(visit, at(k));
    return order;
}

bool FormModel::moveFocus(Control& target, FocusCause cause)
{
    ++focusRequests_;
    if (focus_ == target.index()) return true;
    Control& old = focused();
    if (exiting_ == old.index()) {
        // A handler of the leaving control moves the focus on: the control is left only once.
        placeFocus(target, cause);
        return true;
    }
    unsigned ticket = focusRequests_;
    struct Restore {
        int& slot;
        int saved;
        ~Restore() { slot = saved; }
    } restore{exiting_, exiting_};
    exiting_ = old.index();
    raise(old, Event::Exit);
    if (focusRequests_ != ticket) return focus_ == target.index();
    placeFocus(target, cause);
    return true;
}

void FormModel::placeFocus(Control& target, FocusCause cause)
{
    focus_ = target.index();
    changed();
    if (target.isEntry()) {
        int length = textLength(target.text());
        target.selStart = cause == FocusCause::Keyboard ? 0 : length;
        target.selLength = cause == FocusCause::Keyboard ? length : 0;
        target.caretAtStart = false;
    }
    if (observer_) observer_->focusChanged(target);
}

void FormModel::focusNext(bool forward)
{
    const std::vector<int>& order = keyboardOrder(activePage_);
    auto it = std::find(order.begin(), order.end(), focus_);
    std::size_t pos = it == order.end() ? 0 : static_cast<std::size_t>(it - order.begin());
    for (std::size_t step = 1; step <= order.size(); ++step) {
        std::size_t next =
            forward ? (pos + step) % order.size() : (pos + order.size() - step % order.size()) % order.size();
        Control& candidate = at(order[next]);
        if (canFocus(candidate)) {
            moveFocus(candidate, FocusCause::Keyboard);
            return;
        }
    }
}

bool FormModel::switchPage(int page)
{
    if (page == activePage_) return false;
    Control& strip = control("PcHlav");
    if (pageOf(focused()) == activePage_ && !moveFocus(strip, FocusCause::Keyboard)) return false;
    activePage_ = page;
    changed();
    if (observer_) observer_->pageChanged(page);
    raise(strip, Event::Change);
    return true;
}

void FormModel::writeText(Control& control, const std::string& text)
{
    if (control.text_ == text) return;
    control.text_ = text;
    // As a line edit does: the caret after the new text, nothing selected, so that what the
    // user types next follows a "0" written back instead of landing in front of it.
    control.selStart = textLength(text);
    control.selLength = 0;
    control.caretAtStart = false;
    control.undo.reset();
    notify(control);
    if (control.isEntry()) raise(control, Event::Change);
}

void FormModel::userEdit(Control& control, const std::string& text, int caret, bool undoable)
{
    bool changed = control.text_ != text;
    if (changed) {
        if (undoable)
            control.undo = Control::Undo{control.text_, control.selStart, control.selLength};
        else
            control.undo.reset();
    }
    control.text_ = text;
    control.selStart = caret;
    control.selLength = 0;
    control.caretAtStart = false;
    notify(control);
    if (changed) raise(control, Event::Change);
}

void FormModel::userSelect(Control& control, int anchor, int caret)
{
    const int length = textLength(control.text_);
    anchor = std::clamp(anchor, 0, length);
    caret = std::clamp(caret, 0, length);
    control.selStart = std::min(anchor, caret);
    control.selLength = std::abs(caret - anchor);
    control.caretAtStart = caret < anchor;
    notify(control);
}

void FormModel::writeTick(Control& control, bool ticked)
{
    if (control.ticked_ == ticked) return;
    control.ticked_ = ticked;
    notify(control);
    if (pressedTickBox_ != &control) raise(control, Event::Click);
}

void FormModel::notify(const Control& control)
{
    changed();
    if (observer_) observer_->controlChanged(control);
}

bool FormModel::focusByPress(Control& box)
{
    pressedTickBox_ = &box;
    bool arrived = false;
    try {
        arrived = moveFocus(box, FocusCause::Mouse);
    } catch (...) {
        pressedTickBox_ = nullptr;
        throw;
    }
    pressedTickBox_ = nullptr;
    return arrived;
}

}  // namespace platomer
