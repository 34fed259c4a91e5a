#pragma once
// What a user does with the mouse and the keyboard, turned into the model's events. The window
// sends these and only mirrors the result, so the window and the bare model cannot disagree.
// Each action is one event dispatch: an error that escapes its handlers ends them all and is
// shown in the error box.

#include <string>

#include "model/Kalkulajda.h"
#include "model/Keys.h"

namespace platomer {


class UserActions {
public:
    explicit UserActions(TKalkulajda& form) : form_(form) {}

    // The window first receives the focus: the activation handler runs, once per run.
    void activate();
    // Mouse press and release at the centre of a control.
    void click(Control& control);
    // Mouse click on the header of a tab page.
    void clickPage(int page);
    // One typed character, through the window's key preview to the focused control.
    void type(char32_t character);
    void press(Key key);
    // Context-menu paste into the focused entry: replaces the selection, no key filter.
    void paste(const std::string& text);

    // The text of the error box for an error's message.
    static std::string errorText(const std::string& message);

private:
    template <class Action>
    void dispatch(Action action);
    void typeInto(Control& target, char32_t character);
    void flipTick(Control& box);

    TKalkulajda& form_;
    bool activated_ = false;
};

}  // namespace platomer
