#pragma once
// What a user does with the mouse and the keyboard, turned into the model's events. The window
// sends these and only mirrors the result, so the window and the bare model cannot disagree.
// Each action is one event dispatch: an error that escapes its handlers ends them all and is
// shown in the error box.

#include <string>
#include <vector>

#include "model/EntryEditing.h"
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

    // A mouse drag inside an entry: the press and release of a click, then the characters from
    // `start` to `start + length` (leftwards when negative) are selected.
    void select(Control& entry, int start, int length);
    // A double click on the character at `index`: a click, then the word there is selected.
    void doubleClick(Control& entry, int index);
    // The second click of a double click: the word at `index` is selected.
    void selectWordAt(Control& entry, int index);
    // The right button on an entry: the focus comes as with a press, but no click runs and an
    // amount field does not empty itself; then the entry's context menu opens.
    void rightClick(Control& control);

    // The context menu of the focused entry (the Menu key, Shift+F10, the right button).
    void openMenu();
    // The menu "Pravidla roku" of the years, under the heading of the page shown (a click on the
    // heading, Ctrl+R). It moves no focus.
    void openYearMenu();
    // The entry whose menu is open, or nullptr.
    Control* menuOwner() const { return menuOwner_; }
    // The control an open menu belongs to: the entry, or the heading of the year menu.
    Control* menuAnchor() const;
    // The title of the open menu; empty for an entry's.
    std::string menuTitle() const;
    std::vector<MenuItem> menuItems() const;
    // Chooses an item of the open menu by its text (a disabled one does nothing); the menu
    // closes. False when no menu is open or it has no such item.
    bool chooseMenuItem(const std::string& text);
    void closeMenu()
    {
        menuOwner_ = nullptr;
        yearMenu_ = false;
    }
    // Chooses the rules of a year, as its item in the year menu does; the year in force is then
    // the user's choice, and the desktop is told so, even when it was in force already.
    void chooseYear(int rok);
    // The heading of a page, which opens the year menu.
    static bool isYearHeading(const Control& control);

    // The text of the error box for an error's message.
    static std::string errorText(const std::string& message);

private:
    template <class Action>
    void dispatch(Action action);
    void typeInto(Control& target, char32_t character);
    void flipTick(Control& box);
    void editKey(Control& entry, Key key);
    void editCharacter(Control& entry, char32_t character);

    TKalkulajda& form_;
    bool activated_ = false;
    Control* menuOwner_ = nullptr;
    bool yearMenu_ = false;
};

}  // namespace platomer
