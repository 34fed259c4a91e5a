#pragma once
// The window as data: its controls, the focus, the active page, and the rules by which
// changes raise events. Which handler an event reaches is decided by the subclass.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/Control.h"
#include "model/Platform.h"

namespace platomer {

enum class Event : unsigned char { Click, Change, Exit };

// How the focus arrives: from the keyboard (or code) the whole text of an entry is selected,
// from a mouse press the caret goes after the text.
enum class FocusCause : unsigned char { Keyboard, Mouse };

// Told of every change, so that a window can mirror the model.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(const Control& control) = 0;
    virtual void focusChanged(const Control& control) = 0;
    virtual void pageChanged(int page) = 0;
};

class FormModel {
public:
    explicit FormModel(Platform& platform);
    virtual ~FormModel() = default;
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    Control& control(std::string_view name);
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    const std::deque<Control>& controls() const { return controls_; }
    Control& at(int index) { return controls_[static_cast<std::size_t>(index)]; }

    Platform& platform() const { return platform_; }
    void setObserver(FormObserver* observer) { observer_ = observer; }

    Control& focused() { return at(focus_); }
    int activePage() const { return activePage_; }
    int pageOf(const Control& control) const;
    bool showing(const Control& control) const;
    bool canFocus(const Control& control) const;

    // The controls that Tab visits on a page, the tab strip first.
    const std::vector<int>& keyboardOrder(int page);

    // Moves the focus as a focus change requested by code or by the user. The exit event of
    // the control that loses it comes first; if that handler puts the focus somewhere itself,
    // this move is abandoned. Returns whether the focus ended on `target`.
    bool moveFocus(Control& target, FocusCause cause);
    // Tab (forward) or Shift+Tab, skipping what cannot take the focus, wrapping round.
    void focusNext(bool forward);
    // Shows another tab page; the tab strip takes the focus from a control of the old page.
    // Returns whether the page changed.
    bool switchPage(int page);

    // A mouse press on a tick box moves the focus to it; the box's own click is held back
    // meanwhile, so that a box ticked by the handler of the control losing the focus does not
    // run it. Returns whether the focus arrived.
    bool focusByPress(Control& box);

    void writeText(Control& control, const std::string& text);
    // A change typed, deleted or pasted by the user: the new text and caret. It can be undone
    // once, unless it is the undoing itself.
    void userEdit(Control& control, const std::string& text, int caret, bool undoable = true);
    // A selection made by the user, from its anchor to the caret; raises nothing.
    void userSelect(Control& control, int anchor, int caret);
    void writeTick(Control& control, bool ticked);
    void notify(const Control& control);

    // Counts every change of the window and of what its handlers compute: whatever is made of the
    // window's state (the explanations of its figures) is made again only when this has moved.
    std::uint64_t revision() const { return revision_; }
    void changed() { ++revision_; }

protected:
    virtual void raise(Control& sender, Event event) = 0;

private:
    void placeFocus(Control& target, FocusCause cause);

    // The dropped click of a mouse press on a tick box: set while the press moves the focus.
    Control* pressedTickBox_ = nullptr;

    Platform& platform_;
    FormObserver* observer_ = nullptr;
    std::deque<Control> controls_;
    std::unordered_map<std::string_view, int> byName_;
    std::vector<int> keyboardOrder_[2];
    int focus_ = 0;
    int activePage_ = 0;
    int exiting_ = -1;
    unsigned focusRequests_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace platomer
