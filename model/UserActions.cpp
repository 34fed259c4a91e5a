#include "model/UserActions.h"

#include <algorithm>
#include <exception>

#include "model/EntryText.h"
#include "model/NumericEntry.h"

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
        action();
    } catch (const std::exception& e) {
        form_.platform().message(ApplicationTitle, errorText(e.what()), true);
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
            if (!c.focused()) {
                form_.pressedTickBox = &c;
                bool arrived = false;
                try {
                    arrived = form_.moveFocus(c, FocusCause::Mouse);
                } catch (...) {
                    form_.pressedTickBox = nullptr;
                    throw;
                }
                form_.pressedTickBox = nullptr;
                if (!arrived) return;
            }
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
        case Kind::Label: form_.raise(c, Event::Click); break;
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
    if (ch == 8) {
        EditedText e = eraseBackward(target.text(), target.selStart, target.selLength);
        form_.userEdit(target, e.text, e.caret);
    } else if (ch >= 32) {
        EditedText e = replaceSelection(target.text(), target.selStart, target.selLength, fromChars({&ch, 1}));
        form_.userEdit(target, e.text, e.caret);
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
    Control& f = form_.focused();
    auto caretTo = [&](int position) {
        if (f.isEntry()) form_.userEdit(f, f.text(), std::clamp(position, 0, textLength(f.text())));
    };
    switch (key) {
    case Key::Enter: return type(13);
    case Key::Space: return type(' ');
    case Key::Backspace: return type(8);
    case Key::Tab: return dispatch([&] { form_.focusNext(true); });
    case Key::Backtab: return dispatch([&] { form_.focusNext(false); });
    case Key::CtrlTab:
    case Key::CtrlShiftTab: return dispatch([&] { form_.switchPage(1 - form_.activePage()); });
    case Key::Delete:
        if (f.isEntry()) {
            EditedText e = eraseForward(f.text(), f.selStart, f.selLength);
            dispatch([&] { form_.userEdit(f, e.text, e.caret); });
        }
        return;
    case Key::Home: return caretTo(0);
    case Key::End: return caretTo(textLength(f.text()));
    case Key::Left: return caretTo(f.selLength > 0 ? f.selStart : f.selStart - 1);
    case Key::Right: return caretTo(f.selLength > 0 ? f.selStart + f.selLength : f.selStart + 1);
    }
}

void UserActions::paste(const std::string& text)
{
    Control& f = form_.focused();
    if (!f.isEntry()) return;
    EditedText e = replaceSelection(f.text(), f.selStart, f.selLength, carriedIntoEntry(text));
    dispatch([&] { form_.userEdit(f, e.text, e.caret); });
}

}  // namespace platomer
