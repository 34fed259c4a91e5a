#pragma once
// Fuzzer bytes read as a user session: clicks on any control of either page, page changes,
// typed characters (digits, junk, multi-byte), every key, pastes of any bytes and length, and
// the mouse's selections and context menu in the entries. Each action can be written as a line
// of a replay script, so a failing input replays with the replay tool.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/UserActions.h"

namespace platomer {

struct SessionAction {
    enum class What : std::uint8_t { Click, Page, Type, Press, Paste, Select, DoubleClick, RightClick, Menu };
    explicit SessionAction(What w) : what(w) {}
    What what;
    int control = 0;  // index in the form of the control clicked or selected in
    int page = 0;
    int start = 0, length = 0;  // the characters selected; a double click's character in `start`
    char32_t character = 0;
    Key key = Key::Enter;
    std::string text;  // what is pasted, or the text of the menu item chosen
};

struct SessionInput {
    char separator = ',';
    std::vector<SessionAction> actions;
};

SessionInput decodeSession(const std::uint8_t* data, std::size_t size);

// The control an action is done on, or nullptr for actions on the window as a whole.
const Control* actionTarget(const TKalkulajda& form, const SessionAction& action);

// A choice from the menu is made by position; this turns it into the item's text. False when
// no menu is open, and the choice is no action at all.
bool chooseFromOpenMenu(const UserActions& user, SessionAction& action);

// As the window does it: any action but a choice from it closes an open context menu first,
// and a paste goes through the clipboard.
void perform(UserActions& user, TKalkulajda& form, const SessionAction& action);

// The replay script line of an action; a comment when the script syntax cannot express it.
std::string scriptLine(const TKalkulajda& form, const SessionAction& action);

}  // namespace platomer
