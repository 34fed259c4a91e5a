#include "tests/fuzz/SessionInput.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "model/EntryText.h"
#include "model/Keys.h"
#include "tests/fuzz/FuzzBytes.h"

namespace platomer {

namespace {

// Every key of the window by its name in a replay script, in the order of the enumeration.
constexpr std::string_view KeyNames[] = {
#define PLATOMER_KEY_NAME(name, qtKey, ctrl, shift) #name,
    PLATOMER_KEYS(PLATOMER_KEY_NAME)
#undef PLATOMER_KEY_NAME
};
constexpr std::size_t KeyCount = std::size(KeyNames);

// Enough for pastes far longer than any amount, few enough that a session stays quick.
constexpr std::size_t PastedBound = 100000;

// A position in a text: mostly small, also before its start, now and then the extremes.
int nextPosition(FuzzBytes& in)
{
    const std::uint8_t b = in.next();
    if (b == 0x7F) return INT32_MAX;
    if (b == 0x80) return INT32_MIN;
    return static_cast<std::int8_t>(b);
}

// A short text made of the given characters, one input byte each.
std::string shortText(FuzzBytes& in, std::string_view alphabet, unsigned longest)
{
    unsigned length = in.next() % longest + 1;
    std::string s;
    for (unsigned i = 0; i < length; ++i)
        s += alphabet[in.next() % alphabet.size()];
    return s;
}

SessionAction typed(char32_t c)
{
    SessionAction a(SessionAction::What::Type);
    a.character = c;
    return a;
}

// The entries of the window by their index in the form.
const std::vector<int>& entries()
{
    static const std::vector<int> found = [] {
        std::vector<int> e;
        const std::vector<ControlRow>& rows = controlTable();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].kind == Kind::Entry || rows[i].kind == Kind::NumericEntry) e.push_back(static_cast<int>(i));
        return e;
    }();
    return found;
}

}  // namespace

SessionInput decodeSession(const std::uint8_t* data, std::size_t size)
{
    static const int controls = static_cast<int>(controlTable().size());
    FuzzBytes in(data, size);
    std::size_t pastedLeft = PastedBound;
    auto pasted = [&](std::string text) {
        text.resize(std::min(text.size(), pastedLeft));
        pastedLeft -= text.size();
        SessionAction a(SessionAction::What::Paste);
        a.text = std::move(text);
        return a;
    };
    auto onEntry = [&](SessionAction::What what) {
        SessionAction a(what);
        a.control = entries()[in.next() % entries().size()];
        return a;
    };
    SessionInput session;
    session.separator = in.next() & 1 ? '.' : ',';
    while (!in.done()) {
        std::uint8_t op = in.next();
        switch (op % 20) {
        case 0:
        case 1:
        case 2:
        case 3: {
            // Any control but the window itself: entries, boxes, labels, panels, frames, pages.
            SessionAction a(SessionAction::What::Click);
            a.control = 1 + in.next() % (controls - 1);
            session.actions.push_back(a);
            break;
        }
        case 4: {
            SessionAction a(SessionAction::What::Page);
            a.page = in.next() & 1;
            session.actions.push_back(a);
            break;
        }
        case 5:
        case 6:
            // Amounts typed as users type them; "." passes the amount fields' filter too.
            for (char c : shortText(in, "0123456789.", 9))
                session.actions.push_back(typed(static_cast<unsigned char>(c)));
            break;
        case 7: session.actions.push_back(typed(in.next())); break;
        case 8: {
            // Any code point, letters with accents and characters beyond the basic plane included.
            unsigned high = in.next();
            session.actions.push_back(typed(((high << 16u) | in.next16()) % 0x110000u));
            break;
        }
        case 9:
        case 10: {
            SessionAction a(SessionAction::What::Press);
            a.key = static_cast<Key>(in.next() % KeyCount);
            session.actions.push_back(a);
            break;
        }
        case 11: session.actions.push_back(pasted(in.take(in.next16()))); break;
        case 12: session.actions.push_back(pasted(shortText(in, "0123456789 -+.,$xa", 16))); break;
        case 13: {
            // Long pastes cost few input bytes: one character repeated up to 65535 times.
            char c = static_cast<char>(in.next());
            session.actions.push_back(pasted(std::string(in.next16(), c)));
            break;
        }
        case 14: {
            SessionAction a(SessionAction::What::Press);
            a.key = in.next() & 1 ? Key::Tab : Key::Enter;
            session.actions.push_back(a);
            break;
        }
        case 15: {
            // A few characters of any value below 256: junk, control characters, Latin-1.
            unsigned length = in.next() % 8 + 1;
            for (unsigned i = 0; i < length; ++i)
                session.actions.push_back(typed(in.next()));
            break;
        }
        case 16: {
            // A drag, also from or past either end of the text.
            SessionAction a = onEntry(SessionAction::What::Select);
            a.start = nextPosition(in);
            a.length = nextPosition(in);
            session.actions.push_back(a);
            break;
        }
        case 17: {
            SessionAction a = onEntry(SessionAction::What::DoubleClick);
            a.start = nextPosition(in);
            session.actions.push_back(a);
            break;
        }
        case 18: session.actions.push_back(onEntry(SessionAction::What::RightClick)); break;
        default: {
            SessionAction a(SessionAction::What::Menu);
            a.start = in.next();
            session.actions.push_back(a);
            break;
        }
        }
    }
    return session;
}

const Control* actionTarget(const TKalkulajda& form, const SessionAction& a)
{
    switch (a.what) {
    case SessionAction::What::Click:
    case SessionAction::What::Select:
    case SessionAction::What::DoubleClick:
    case SessionAction::What::RightClick: return &form.controls()[static_cast<std::size_t>(a.control)];
    default: return nullptr;
    }
}

bool chooseFromOpenMenu(const UserActions& user, SessionAction& a)
{
    if (!user.menuOwner()) return false;
    std::vector<MenuItem> items = user.menuItems();
    // One choice in eight, and any choice from an empty menu, closes it without choosing.
    if (items.empty() || a.start % 8 == 7)
        a.text = "-";
    else
        a.text = items[static_cast<std::size_t>(a.start) % items.size()].text;
    return true;
}

void perform(UserActions& user, TKalkulajda& form, const SessionAction& a)
{
    if (a.what != SessionAction::What::Menu) user.closeMenu();
    Control& target = form.at(a.control);
    switch (a.what) {
    case SessionAction::What::Click: user.click(target); break;
    case SessionAction::What::Page: user.clickPage(a.page); break;
    case SessionAction::What::Type: user.type(a.character); break;
    case SessionAction::What::Press: user.press(a.key); break;
    case SessionAction::What::Paste:
        form.platform().setClipboardText(a.text);
        user.paste(a.text);
        break;
    case SessionAction::What::Select: user.select(target, a.start, a.length); break;
    case SessionAction::What::DoubleClick: user.doubleClick(target, a.start); break;
    case SessionAction::What::RightClick: user.rightClick(target); break;
    case SessionAction::What::Menu:
        if (a.text == "-")
            user.closeMenu();
        else
            user.chooseMenuItem(a.text);
        break;
    }
}

std::string scriptLine(const TKalkulajda& form, const SessionAction& a)
{
    const Control* target = actionTarget(form, a);
    switch (a.what) {
    case SessionAction::What::Click: return "click " + target->name();
    case SessionAction::What::Page: return "page " + std::to_string(a.page);
    case SessionAction::What::Press: return "key " + std::string(KeyNames[static_cast<std::size_t>(a.key)]);
    case SessionAction::What::Type:
        // The script reads a line, so a line feed cannot be typed and a final carriage return is
        // dropped; the window treats those as the keys they are.
        if (a.character == 13) return "key Enter";
        if (a.character == 9) return "key Tab";
        if (a.character == 8) return "key Backspace";
        if (a.character == 10 || a.character == 0)
            return "# type U+" + std::to_string(static_cast<unsigned>(a.character)) + " (not expressible)";
        return "type " + fromChars(std::u32string(1, a.character));
    case SessionAction::What::Paste:
        if (a.text.find('\n') != std::string::npos || (!a.text.empty() && a.text.back() == '\r'))
            return "# paste of " + std::to_string(a.text.size()) + " bytes with a line break (not expressible)";
        return "paste " + a.text;
    case SessionAction::What::Select:
        return "select " + target->name() + ' ' + std::to_string(a.start) + ' ' + std::to_string(a.length);
    case SessionAction::What::DoubleClick: return "dblclick " + target->name() + ' ' + std::to_string(a.start);
    case SessionAction::What::RightClick: return "rightclick " + target->name();
    case SessionAction::What::Menu: return "menu " + a.text;
    }
    return "";
}

}  // namespace platomer
