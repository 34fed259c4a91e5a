#include "model/UserActions.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "model/EntryText.h"
#include "model/NumericEntry.h"
#include "model/Years.h"

namespace platomer {

std::string UserActions::errorText(const std::string& message)
{
    // A message ending in a letter or a digit gets its full stop.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

template <class Action>
void UserActions::dispatch(Action action)
{
    try {
        form_.changed();
        action();
    } catch (const std::exception& e) {
        form_.platform().message(form_.applicationTitle(), errorText(e.what()), true);
    }
}

void UserActions::activate()
{
    if (activated_) return;
    activated_ = true;
    dispatch([&] { form_.FormActivate(form_.Kalkulajda); });
}

void UserActions::flipTick(Control& box) { box.setTicked(!box.ticked()); }

void UserActions::click(Control& c)
{
    if (!form_.showing(c) || !c.enabled()) return;
    dispatch([&] {
        switch (c.kind()) {
        case Kind::TickBox:
            // While the press moves the focus to the box, the box's own click is held back; if
            // the control losing the focus sends it elsewhere, the click is dropped.
            if (!c.focused() && !form_.focusByPress(c)) return;
            flipTick(c);
            break;
        case Kind::NumericEntry:
            form_.moveFocus(c, FocusCause::Mouse);
            form_.raise(c, Event::Click);
            // The amount field empties itself after its click handler.
            c.setText("");
            break;
        case Kind::Entry:
            if (form_.moveFocus(c, FocusCause::Mouse)) form_.userEdit(c, c.text(), textLength(c.text()));
            break;
        case Kind::Label:
            form_.raise(c, Event::Click);
            if (isYearHeading(c)) openYearMenu();
            break;
        default: break;
        }
    });
}

void UserActions::clickPage(int page)
{
    dispatch([&] {
        // The header takes the focus first; the page changes only if the focus arrived.
        if (form_.moveFocus(form_.PcHlav, FocusCause::Mouse)) form_.switchPage(page);
    });
}

void UserActions::typeInto(Control& target, char32_t ch)
{
    if (target.kind() == Kind::TickBox) {
        if (ch == ' ') flipTick(target);
        return;
    }
    if (!target.isEntry() || !carriedIntoEntry(ch)) return;
    if (target.kind() == Kind::NumericEntry && !NumericKeyAllowed(ch)) {
        form_.platform().beep();
        return;
    }
    // A short amount field takes no character past its ninth: the one typed over a selection
    // replaces it.
    if ((target.row().flags & ShortAmount) != 0 && ch >= U'0' && ch <= U'9' &&
        textLength(target.text()) - target.selLength >= ShortAmountDigits) {
        form_.platform().beep();
        return;
    }
    editCharacter(target, ch);
}

void UserActions::editCharacter(Control& entry, char32_t ch)
{
    // Backspace and the characters of Ctrl with a letter edit; other control characters do not
    // reach the text.
    switch (ch) {
    case 1: return selectAll(form_, entry);
    case 3: return copySelection(form_, entry);
    case 8: {
        EditedText e = eraseBackward(entry.text(), entry.selStart, entry.selLength);
        return form_.userEdit(entry, e.text, e.caret);
    }
    case 22: return pasteClipboard(form_, entry);
    case 24: return cutSelection(form_, entry);
    case 26: return undoEdit(form_, entry);
    default:
        if (ch >= 32) pasteText(form_, entry, fromChars({&ch, 1}));
        return;
    }
}

void UserActions::type(char32_t ch)
{
    if (ch == '\t') return press(Key::Tab);
    dispatch([&] {
        form_.FormKeyPress(form_.Kalkulajda, ch);
        if (ch != 0) typeInto(form_.focused(), ch);
    });
}

void UserActions::press(Key key)
{
    switch (key) {
    case Key::Enter: return type(13);
    case Key::Space: return type(' ');
    case Key::Backspace: return type(8);
    case Key::CtrlA: return type(1);
    case Key::CtrlC: return type(3);
    case Key::CtrlV: return type(22);
    case Key::CtrlX: return type(24);
    case Key::CtrlZ: return type(26);
    case Key::Tab: return dispatch([&] { form_.focusNext(true); });
    case Key::Backtab: return dispatch([&] { form_.focusNext(false); });
    case Key::CtrlTab:
    case Key::CtrlShiftTab: return dispatch([&] { form_.switchPage(1 - form_.activePage()); });
    case Key::Menu:
    case Key::ShiftF10: return openMenu();
    // The window takes Ctrl+R before any control: no key filter sees it.
    case Key::CtrlR: return openYearMenu();
    default:
        if (Control& f = form_.focused(); f.isEntry()) dispatch([&] { editKey(f, key); });
        return;
    }
}

void UserActions::editKey(Control& f, Key key)
{
    const int end = textLength(f.text());
    switch (key) {
    case Key::Delete: {
        EditedText e = eraseForward(f.text(), f.selStart, f.selLength);
        return form_.userEdit(f, e.text, e.caret);
    }
    case Key::Home: return moveCaret(form_, f, 0, false);
    case Key::End: return moveCaret(form_, f, end, false);
    // Without Shift an arrow first collapses a selection to its side.
    case Key::Left: return moveCaret(form_, f, f.selLength > 0 ? f.selStart : std::max(0, f.caret() - 1), false);
    case Key::Right:
        return moveCaret(form_, f, f.selLength > 0 ? f.selStart + f.selLength : std::min(end, f.caret() + 1), false);
    case Key::ShiftLeft: return moveCaret(form_, f, std::max(0, f.caret() - 1), true);
    case Key::ShiftRight: return moveCaret(form_, f, std::min(end, f.caret() + 1), true);
    case Key::ShiftHome: return moveCaret(form_, f, 0, true);
    case Key::ShiftEnd: return moveCaret(form_, f, end, true);
    case Key::CtrlInsert: return copySelection(form_, f);
    case Key::ShiftInsert: return pasteClipboard(form_, f);
    case Key::ShiftDelete: return cutSelection(form_, f);
    default: return;
    }
}

void UserActions::paste(const std::string& text)
{
    Control& f = form_.focused();
    // The text goes through the clipboard, whose text conversion drops a byte order mark at its
    // start, so a mark alone leaves the clipboard empty; the menu's "Vložit" is then disabled.
    if (!f.isEntry() || text.empty() || text == "\xEF\xBB\xBF") return;
    dispatch([&] { pasteText(form_, f, text); });
}

void UserActions::select(Control& entry, int start, int length)
{
    click(entry);
    if (!entry.isEntry() || !entry.focused()) return;
    // The ends fall on positions of the text; a drag that starts and ends on the same one is a
    // click alone, which has put the caret after the text.
    const int size = textLength(entry.text());
    const int from = std::clamp(start, 0, size), to = std::clamp(dragEnd(start, length), 0, size);
    if (from != to) form_.userSelect(entry, from, to);
}

void UserActions::doubleClick(Control& entry, int index)
{
    click(entry);
    selectWordAt(entry, index);
}

void UserActions::selectWordAt(Control& entry, int index)
{
    if (entry.isEntry() && entry.focused()) selectWord(form_, entry, index);
}

void UserActions::rightClick(Control& c)
{
    if (!form_.showing(c) || !c.enabled() || !c.isEntry()) return;
    dispatch([&] {
        if (form_.moveFocus(c, FocusCause::Mouse)) menuOwner_ = &c;
    });
}

void UserActions::openMenu()
{
    if (Control& f = form_.focused(); f.isEntry()) {
        menuOwner_ = &f;
        yearMenu_ = false;
    }
}

namespace {

// The texts of the years, kept for the menu items that point to them.
const std::vector<std::string>& yearTexts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        for (const YearRow& row : years())
            t.push_back(std::to_string(row.rok));
        return t;
    }();
    return texts;
}

constexpr std::string_view YearHeadings[] = {"LabelRok", "Label17"};

}  // namespace

bool UserActions::isYearHeading(const Control& control)
{
    return std::find(std::begin(YearHeadings), std::end(YearHeadings), control.name()) != std::end(YearHeadings);
}

void UserActions::openYearMenu()
{
    menuOwner_ = nullptr;
    yearMenu_ = true;
}

Control* UserActions::menuAnchor() const
{
    if (menuOwner_) return menuOwner_;
    if (!yearMenu_) return nullptr;
    for (std::string_view name : YearHeadings)
        if (Control* heading = form_.find(name); heading && form_.pageOf(*heading) == form_.activePage())
            return heading;
    return nullptr;
}

std::string UserActions::menuTitle() const { return yearMenu_ ? "Pravidla roku" : ""; }

void UserActions::chooseYear(int rok)
{
    dispatch([&] { form_.ZvolRok(rok); });
    // A year that is in force now, even where its recalculation ended in the error box: what the
    // heading shows is what the next start shows.
    if (form_.rok().rok == rok) form_.platform().yearChosen(rok);
}

std::vector<MenuItem> UserActions::menuItems() const
{
    if (yearMenu_) {
        std::vector<MenuItem> items;
        for (const std::string& text : yearTexts())
            items.push_back({text.c_str(), true, text == std::to_string(form_.rok().rok)});
        return items;
    }
    return menuOwner_ ? entryMenu(form_, *menuOwner_) : std::vector<MenuItem>{};
}

bool UserActions::chooseMenuItem(const std::string& text)
{
    if (std::exchange(yearMenu_, false)) {
        const std::vector<std::string>& texts = yearTexts();
        if (std::find(texts.begin(), texts.end(), text) == texts.end()) return false;
        chooseYear(std::stoi(text));
        return true;
    }
    Control* owner = std::exchange(menuOwner_, nullptr);
    if (!owner) return false;
    const std::vector<MenuItem> items = entryMenu(form_, *owner);
    // The item was chosen even when its action ends in the error box.
    if (std::none_of(items.begin(), items.end(), [&](const MenuItem& item) { return text == item.text; })) return false;
    dispatch([&] { runMenuItem(form_, *owner, text); });
    return true;
}

}  // namespace platomer
