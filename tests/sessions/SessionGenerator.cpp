#include "tests/sessions/SessionGenerator.h"

#include <algorithm>
#include <map>
#include <span>
#include <vector>

#include "model/ControlTable.h"
#include "model/EntryText.h"
#include "model/Keys.h"
#include "model/Years.h"

namespace platomer {

namespace {

const std::vector<std::string> WageBoxes{"ChckBSocAno",  "ChckBZdrAno", "ChckBxHrzCis", "CHckBNezdM",   "CHckBNezdS",
                                         "CHckBNezdI",   "CHckBNezdP",  "CHckBNezdZTP", "ChckBxDeti1",  "ChckBxDeti2",
                                         "ChckBxDeti3",  "ChckBxDeti4", "ChckBxDeti1z", "ChckBxDeti2z", "ChckBxDeti3z",
                                         "ChckBxDeti4z", "CHckBPodpis", "CheckBxDpp"};
const std::vector<std::string> Entries{"EdHruba", "EdCista", "EdExekCm", "EdDeti", "EdPoniz"};
const std::vector<std::string> WageResults{
    "EdHruba",  "EdCista",   "PZakladDane", "PCelkemN",  "POdpd",     "PDanN", "PDan20p", "PDan15",
    "DanBonus", "PSocialni", "PZdravotni",  "CprBezBon", "EdNaklZam", "ZPF",   "SPF",     "PojSum"};
const std::vector<std::string> GarnishmentResults{"EdExekCm",  "EdDeti",        "EdPoniz",     "pNezabKc",
                                                  "pSrazBezO", "pBezSPrednost", "pBezSNepr",   "pMzdaBezP",
                                                  "pMzdaBezN", "pSoubehPred",   "pSoubehNepr", "pMzdaSoub"};
// Every key a script can press, from the key table; the keys used most while moving about and
// correcting come up more often.
const std::vector<std::string> AllKeys{
#define PLATOMER_SESSION_KEY(name, qtKey, ctrl, shift) #name,
    PLATOMER_KEYS(PLATOMER_SESSION_KEY)
#undef PLATOMER_SESSION_KEY
};
const std::vector<std::string> CommonKeys{"Tab",   "Tab",  "Enter", "Backtab", "Backspace", "Left",
                                          "Right", "Home", "End",   "Delete",  "Space"};
const std::vector<std::string> EditKeys{"Left", "Backspace", "Delete", "Home", "End", "Right"};
const std::vector<std::string> EraseKeys{"Backspace", "Delete", "ShiftDelete"};
const std::vector<std::string> CopyKeys{"CtrlC", "CtrlInsert"};
const std::vector<std::string> PasteKeys{"CtrlV", "ShiftInsert"};
const std::vector<std::string> MenuKeys{"Menu", "ShiftF10"};
const std::vector<std::string> MenuItems{"Zpět", "Vyjmout", "Kopírovat", "Vložit", "Odstranit", "Vybrat vše", "-"};
const std::vector<std::string> ReadingMenuItems{"Kopírovat", "Vybrat vše", "-"};
const std::vector<std::string> ExtremePositions{"-2147483648", "2147483647", "-1", "0"};

// Amounts where a rule changes: limits of the routes and of the agreement, the higher rate,
// the thresholds of the garnishment, the 32-bit range and texts that read as 0.
const std::vector<std::string> EdgeAmounts{
    "0",          "1",          "55",         "99",         "100",        "101",
    "3500",       "4000",       "4001",       "8650",       "9000",       "10000",
    "10001",      "12000",      "13000",      "13638",      "15298",      "17300",
    "17301",      "20000",      "30000",      "44323",      "44324",      "44325",
    "45000",      "60000",      "100000",     "161296",     "161297",     "161300",
    "161301",     "200000",     "1000000",    "99999999",   "999999999",  "1400000000",
    "2000000000", "2147483647", "2147483648", "4294967296", "9999999999", "12345678901",
    "00017300",   "17.5",       "17300.",     ".",          "",           "000000000000017300"};

// What else a user types or pastes into an amount, kind by kind: letters and blanks, signs,
// other notations, characters of two to four bytes, digits of other scripts, combining and
// invisible characters, the byte order mark and control characters.
const std::vector<std::vector<std::string>> JunkKinds{
    {"a", "x", "X", "O", "l", "abc", " ", "   "},
    {".", ",", "-", "+", "$", "%", "'", "\"", "/", "*", "#", "\\", "_", "=", "(", ")"},
    {"0x1F", "0xFF", "FF", "7a3", "1e5", "1E3"},
    {"č", "ř", "ž", "Kč", "€", "1 000 Kč", "ÿ", "½", "²", "😀", "👨‍👩‍👧", "שלום"},
    {"١٢٣", "１２３", "𝟙𝟚"},
    {"e\u0301", "\u00a0", "\u2009", "\u200b", "\u2028", "\uFFFD", "\u202e12"},
    {"\uFEFF", "\uFEFF5", "\x7f", "\x01"}};

// Which page holds each control: 0, 1, or -1 for the window, the page control and the pages.
const std::map<std::string, int>& pages()
{
    static const std::map<std::string, int> result = [] {
        std::map<std::string, const char*> parent;
        for (const ControlRow& row : controlTable())
            parent[row.name] = row.parent;
        std::map<std::string, int> of;
        for (const ControlRow& row : controlTable()) {
            int page = -1;
            for (std::string at = row.parent; !at.empty(); at = parent[at]) {
                if (at == "TabVypocet") page = 0;
                if (at == "Nezabav") page = 1;
            }
            of[row.name] = page;
        }
        return of;
    }();
    return result;
}

int pageOf(const std::string& name)
{
    auto found = pages().find(name);
    return found == pages().end() ? -1 : found->second;
}

int activePage(Surface& screen) { return screen.onHiddenPage("EdHruba") ? 1 : 0; }

}  // namespace

SessionGenerator::SessionGenerator(std::uint64_t seed, int index, SessionOptions options)
    : random_(seed * 0x100000001B3ull ^ static_cast<std::uint64_t>(index) * 0x9E3779B97F4A7C15ull), options_(options)
{
    random_.next();
    // Most sessions are a few minutes at the window; some are long afternoons.
    gesturesLeft_ = random_.percent(10) ? random_.between(30, 90) : random_.between(3, 24);
}

bool SessionGenerator::observes(const std::string& line)
{
    static const std::vector<std::string> looks{"dump", "focus", "clipboard", "copy", "report -"};
    for (const std::string& look : looks)
        if (line == look) return true;
    return line.rfind("show ", 0) == 0 || line.rfind("state ", 0) == 0 || line.rfind("explain ", 0) == 0;
}

std::optional<std::string> SessionGenerator::next(Surface& screen)
{
    for (;;) {
        if (pending_.empty()) {
            if (gesturesLeft_ == 0) {
                if (dumped_) return std::nullopt;
                dumped_ = true;
                return "dump";
            }
            --gesturesLeft_;
            plan(screen);
            continue;
        }
        if (std::optional<std::string> line = resolve(screen)) {
            last_ = *line;
            return line;
        }
    }
}

void SessionGenerator::plan(Surface& screen)
{
    switch (random_.weighted({18, 8, 18, 4, 7, 7, 7, 6, 1, 8, 5, 3, 6, 1, 8, 4, 4, 4})) {
    case 0: enterAmount("EdHruba"); break;
    case 1: enterAmount("EdCista"); break;
    case 2: clickOptionBox(); break;
    case 3: optionBoxByKeyboard(); break;
    case 4: enterAmount("EdExekCm"); break;
    case 5: enterPersonsOrReduction("EdDeti", true); break;
    case 6: enterPersonsOrReduction("EdPoniz", false); break;
    case 7: typeJunk(); break;
    case 8: pasteLong(); break;
    case 9: wander(); break;
    case 10: add(StepKind::SwitchPage, std::to_string(1 - activePage(screen))); break;
    case 11: clickElsewhere(screen); break;
    case 12: add(StepKind::Observe); break;
    case 13: add(StepKind::Line, "dump"); break;
    case 14: editInPlace(); break;
    case 15: useMenu(); break;
    case 16: chooseYear(); break;
    default:
        // The year's cap of the social base, where the year shows its field.
        if (screen.state("EdZakladRok").visible) enterEarlierBase();
        break;
    }
    if (random_.percent(50)) add(StepKind::Observe);
}

void SessionGenerator::focusEntry(const char* name, bool replaceAll)
{
    // A click empties an amount field and puts the caret at the end of a plain entry; the
    // keyboard selects the whole text, so typing replaces it.
    if (replaceAll || random_.percent(25))
        add(StepKind::FocusByKeys, name);
    else
        add(StepKind::Click, name);
}

void SessionGenerator::enterAmount(const char* field)
{
    focusEntry(field, false);
    if (random_.percent(15)) {
        // Typed in two goes with a correction between them.
        add(StepKind::Type, amount());
        for (int i = random_.between(1, 3); i > 0; --i)
            add(StepKind::Line, "key " + random_.pick(EditKeys));
        add(StepKind::Type, amount());
    } else if (random_.percent(10)) {
        add(StepKind::Type, amount() + junk() + amount());
    } else if (random_.percent(8)) {
        add(StepKind::Paste, amount());
    } else {
        add(StepKind::Type, amount());
    }
    if (random_.percent(80)) add(StepKind::Leave);
}

void SessionGenerator::enterEarlierBase()
{
    // Around the caps of the years (2 110 416 to 2 350 416), none, or any amount.
    static const std::vector<std::string> bases{"2349416", "2300000", "2234736", "2110416", "2100000", "0"};
    focusEntry("EdZakladRok", false);
    if (random_.percent(15))
        add(StepKind::Paste, junk());
    else
        add(StepKind::Type, random_.percent(70) ? random_.pick(bases) : amount());
    add(StepKind::Leave);
}

void SessionGenerator::enterPersonsOrReduction(const char* field, bool persons)
{
    switch (random_.weighted({4, 3, 2, 1, 1})) {
    case 0:
        add(StepKind::Click, field);
        add(StepKind::Clear);
        break;
    case 1: add(StepKind::FocusByKeys, field); break;
    case 2: add(StepKind::Click, field); break;  // typed after what is there
    case 3:
        add(StepKind::Click, field);
        add(StepKind::Line, "key Home");
        break;
    default:
        add(StepKind::FocusByKeys, field);
        add(StepKind::Paste, persons ? this->persons() : reduction());
        if (random_.percent(60)) add(StepKind::Leave);
        return;
    }
    if (!persons && random_.percent(30)) {
        // A reduction typed key by key, looking at the amount shown after each one.
        for (char32_t c : toChars(reduction())) {
            add(StepKind::Type, fromChars({&c, 1}));
            if (random_.percent(50)) add(StepKind::Line, "show EdPoniz pNezabKc");
        }
    } else {
        add(StepKind::Type, persons ? this->persons() : reduction());
    }
    if (random_.percent(50)) add(StepKind::Leave);
}

void SessionGenerator::clickOptionBox()
{
    // Children and the declaration more often than the rest: they set other boxes.
    static const std::vector<std::string> favoured{"ChckBxDeti1",  "ChckBxDeti2", "ChckBxDeti1z", "ChckBxDeti3z",
                                                   "CHckBPodpis",  "CheckBxDpp",  "ChckBxHrzCis", "ChckBSocAno",
                                                   "CHckBNezdZTP", "ChckBxDeti4z"};
    // The employee's circumstances, which only the later years show; a click on them in the
    // window's own year finds them hidden and does nothing.
    static const std::vector<std::string> employee{"CheckBxDpc", "ChckBDuchodce", "ChckBVyjimkaZP"};
    for (int i = random_.percent(30) ? random_.between(2, 5) : 1; i > 0; --i) {
        if (random_.percent(15)) {
            add(StepKind::Click, random_.pick(employee));
            continue;
        }
        add(StepKind::Click, random_.percent(40) ? random_.pick(favoured) : random_.pick(WageBoxes));
    }
}

void SessionGenerator::optionBoxByKeyboard()
{
    add(StepKind::FocusByKeys, random_.pick(WageBoxes));
    add(StepKind::Line, random_.percent(70) ? "key Space" : "type  ");
}

void SessionGenerator::typeJunk()
{
    focusEntry(random_.pick(Entries).c_str(), false);
    for (int i = random_.between(1, 3); i > 0; --i) {
        std::string text = random_.percent(50) ? junk() : junk() + amount() + junk();
        if (random_.percent(70))
            add(StepKind::Type, text);
        else  // a cell copied from a spreadsheet brings its tab along
            add(StepKind::Paste, random_.percent(20) ? text + '\t' : text);
    }
    if (random_.percent(50)) add(StepKind::Leave);
}

void SessionGenerator::pasteLong()
{
    focusEntry(random_.pick(Entries).c_str(), random_.percent(50));
    add(StepKind::Paste, longText());
    for (int i = random_.between(0, 3); i > 0; --i)
        add(StepKind::Line, "key " + key());
    if (random_.percent(70)) add(StepKind::Leave);
}

void SessionGenerator::wander()
{
    for (int i = random_.between(1, 8); i > 0; --i) {
        if (random_.percent(15))
            add(StepKind::Type, random_.percent(50) ? std::to_string(random_.below(10)) : junk());
        else
            add(StepKind::Line, "key " + key());
    }
}

void SessionGenerator::editInPlace()
{
    // A drag or a double click selects, then the selection is typed over, erased, copied,
    // cut, pasted over or undone, by the keys or by the context menu.
    const std::string& entry = random_.pick(Entries);
    add(random_.percent(70) ? StepKind::Select : StepKind::DoubleClick, entry);
    switch (random_.weighted({5, 3, 3, 2, 2, 2, 3})) {
    case 0: add(StepKind::Type, random_.percent(70) ? amount() : junk()); break;
    case 1: add(StepKind::Paste, random_.percent(70) ? amount() : junk()); break;
    case 2: add(StepKind::Line, "key " + random_.pick(EraseKeys)); break;
    case 3:
        add(StepKind::Line, "key " + random_.pick(CopyKeys));
        add(StepKind::Select, random_.pick(Entries));
        add(StepKind::Line, "key " + random_.pick(PasteKeys));
        break;
    case 4: add(StepKind::Line, "key CtrlX"); break;
    case 5: add(StepKind::Line, "key CtrlZ"); break;
    default: useMenu(); break;
    }
    if (random_.percent(40)) add(StepKind::Leave);
}

void SessionGenerator::useMenu()
{
    // The right button on an entry (now and then on anything else), or the menu keys.
    if (random_.percent(60)) {
        const std::vector<ControlRow>& rows = controlTable();
        add(StepKind::RightClick,
            random_.percent(85) ? random_.pick(Entries) : rows[1 + random_.below(rows.size() - 1)].name);
    } else {
        add(StepKind::Line, "key " + random_.pick(MenuKeys));
    }
    add(StepKind::MenuChoice);
}

void SessionGenerator::chooseYear()
{
    // From the heading of the page shown, or by Ctrl+R; now and then the year already chosen.
    const std::span<const YearRow> known = years();
    const std::string year = std::to_string(known[random_.below(known.size())].rok);
    if (random_.percent(60)) {
        add(StepKind::Line, "year " + year);
    } else {
        add(StepKind::Line, "key CtrlR");
        add(StepKind::Line, "menu " + (random_.percent(90) ? year : std::string("-")));
    }
}

void SessionGenerator::clickElsewhere(Surface& screen)
{
    // A label, a panel, a frame, the page body: most take no focus; the links open an address.
    static const std::vector<std::string> links{"lWeb", "Lbrovina", "Label12", "Label16"};
    const int shown = activePage(screen);
    std::string name;
    if (random_.percent(40)) {
        name = random_.pick(links);
    } else {
        const std::vector<ControlRow>& rows = controlTable();
        name = rows[1 + random_.below(rows.size() - 1)].name;
    }
    if (pageOf(name) >= 0 && pageOf(name) != shown) return;
    if (pageOf(name) < 0 && screen.onHiddenPage(name)) return;
    add(StepKind::Click, name);
}

std::string SessionGenerator::amount()
{
    switch (random_.weighted({50, 40, 5, 5})) {
    case 0: return random_.pick(EdgeAmounts);
    case 1: {
        // Every size up to eleven digits, each number of digits equally often.
        int digits = random_.between(1, 11);
        std::string text(1, static_cast<char>('1' + random_.below(9)));
        while (static_cast<int>(text.size()) < digits)
            text += static_cast<char>('0' + random_.below(10));
        return text;
    }
    case 2: return std::to_string(random_.below(4001));
    default: return std::to_string(10000 + random_.below(60000));
    }
}

std::string SessionGenerator::persons()
{
    static const std::vector<std::string> counts{
        "0",          "1",          "2",  "3",  "4",  "5", "6", "10",  "100", "-1", "-3", "-2147483648",
        "2147483647", "2147483648", "+2", " 2", "2 ", "",  "x", "1e3", "٣",   "-",  "05", "99999999999"};
    return random_.pick(counts);
}

std::string SessionGenerator::reduction()
{
    static const std::vector<std::string> amounts{
        "0",     "1",     "500",   "1000",   "1300",        "5000",       "13638",      "13639",
        "17048", "20000", "-1000", "-20000", "-2147483648", "2147483647", "2147483648", "99999999999",
        "abc",   "",      "-",     " 1000",  "1000 ",       "12.5"};
    if (random_.percent(20)) return std::to_string(random_.below(30000));
    return random_.pick(amounts);
}

std::string SessionGenerator::junk() { return random_.pick(random_.pick(JunkKinds)); }

std::string SessionGenerator::longText()
{
    // Mostly a few hundred characters; seldom a page of text, and once in a while ~100 000.
    int length = 0;
    switch (random_.weighted({70, 25, 5})) {
    case 0: length = random_.between(20, 5000); break;
    case 1: length = random_.between(5000, 32000); break;
    default: length = random_.between(32000, 100000); break;
    }
    std::string piece = random_.percent(60) ? amount() : amount() + junk();
    if (piece.empty()) piece = "7";
    std::string text;
    text.reserve(static_cast<std::size_t>(length) + piece.size());
    while (static_cast<int>(text.size()) < length)
        text += piece;
    return text;
}

std::string SessionGenerator::key() { return random_.percent(60) ? random_.pick(CommonKeys) : random_.pick(AllKeys); }

std::string SessionGenerator::position(int length)
{
    // Mostly within the text or just outside it; now and then at the ends of the range.
    if (random_.percent(5)) return random_.pick(ExtremePositions);
    return std::to_string(random_.between(-2, length + 2));
}

std::string SessionGenerator::switchLine(int page)
{
    switch (random_.weighted({6, 2, 2})) {
    case 0: return "page " + std::to_string(page);
    case 1: return "key CtrlTab";
    default: return "key CtrlShiftTab";
    }
}

std::string SessionGenerator::observation(Surface& screen)
{
    const int page = activePage(screen);
    const std::vector<std::string>& results = page == 0 ? WageResults : GarnishmentResults;
    switch (random_.weighted({45, 20, 15, 10, 5, 5, 5, 10, 3, 2})) {
    case 0: {
        std::string line = "show";
        for (const std::string& name : results)
            if (random_.percent(40)) line += ' ' + name;
        return line == "show" ? "show " + results.front() : line;
    }
    case 1: {
        std::string line = "show";
        for (const std::string& name : results)
            line += ' ' + name;
        return line;
    }
    case 2: return "state " + (random_.percent(50) ? random_.pick(Entries) : random_.pick(WageBoxes));
    case 3: return "focus";
    case 4: {
        std::string line = "show";
        for (const std::string& name : WageBoxes)
            line += ' ' + name;
        return line;
    }
    case 5:
        if (!options_.knownFaults && screen.clipboard().find("\uFEFF") != std::string::npos) return "focus";
        return "clipboard";
    case 6: return "dump";
    case 7: {
        // The tooltip of a figure on the page that is shown.
        const std::string& name = random_.pick(results);
        return screen.tooltip(name) ? "explain " + name : "focus";
    }
    case 8: return "report -";
    default: return "copy";
    }
}

std::string SessionGenerator::mouseLine(const Step& step, Surface& screen)
{
    const int length = textLength(screen.state(step.text).text);
    // Without the known faults a drag or a double click stays on the characters of the text,
    // shown or scrolled out of a narrow field alike, and a drag ends elsewhere than it starts.
    const bool inside = !options_.knownFaults;
    switch (step.kind) {
    case StepKind::Click: return "click " + step.text;
    case StepKind::RightClick: return "rightclick " + step.text;
    case StepKind::DoubleClick:
        return "dblclick " + step.text + ' ' + (inside ? std::to_string(random_.between(0, length)) : position(length));
    default: {
        if (inside) {
            if (length < 1) return "click " + step.text;
            const int from = random_.between(0, length);
            int to = random_.between(0, length - 1);
            if (to >= from) ++to;
            return "select " + step.text + ' ' + std::to_string(from) + ' ' + std::to_string(to - from);
        }
        // A drag to the left has a negative length.
        std::string span = random_.percent(5) ? random_.pick(ExtremePositions)
                                              : std::to_string(random_.between(-length - 2, length + 2));
        return "select " + step.text + ' ' + position(length) + ' ' + span;
    }
    }
}

// A choice from the context menu, when the line just run opened it.
std::optional<std::string> SessionGenerator::menuChoice(Surface& screen)
{
    pending_.pop_front();
    // The menu is open when the line just run opened it on the entry that has the focus.
    const std::string focus = screen.focusName();
    const bool onEntry = !focus.empty() && screen.isEntry(focus);
    const bool byKey = last_ == "key Menu" || last_ == "key ShiftF10";
    if (!onEntry || (!byKey && last_ != "rightclick " + focus)) return std::nullopt;
    return "menu " + random_.pick(options_.knownFaults ? MenuItems : ReadingMenuItems);
}

// The focused entry emptied key by key, from its end or its start.
std::optional<std::string> SessionGenerator::clearFocused(Surface& screen)
{
    pending_.pop_front();
    std::string focus = screen.focusName();
    for (const std::string& entry : Entries)
        if (entry == focus) {
            int count = std::min(textLength(screen.state(entry).text), 30);
            bool back = random_.percent(60);
            for (int i = 0; i < count; ++i)
                pending_.push_front({StepKind::Line, back ? "key Backspace" : "key Delete"});
            return back ? "key End" : "key Home";
        }
    return std::nullopt;
}

// The user leaves the control by a key, a click elsewhere or the other page, or stays.
std::optional<std::string> SessionGenerator::leave(Surface& screen)
{
    pending_.pop_front();
    switch (random_.weighted({25, 25, 10, 20, 10, 5, 5})) {
    case 0: return "key Enter";
    case 1: return "key Tab";
    case 2: return "key Backtab";
    case 3: {
        const int shown = activePage(screen);
        std::string target = shown == 0 ? random_.pick(WageBoxes) : random_.pick(Entries);
        if (pageOf(target) != shown) target = shown == 0 ? "EdHruba" : "EdDeti";
        pending_.push_front({StepKind::Click, target});
        return std::nullopt;
    }
    case 4: return switchLine(1 - activePage(screen));
    case 5: return "click PcHlav";
    default: return std::nullopt;
    }
}

std::optional<std::string> SessionGenerator::resolve(Surface& screen)
{
    Step& step = pending_.front();
    const int page = pageOf(step.text);
    switch (step.kind) {
    case StepKind::Line: {
        std::string line = std::move(step.text);
        pending_.pop_front();
        return line;
    }
    case StepKind::Click:
    case StepKind::Select:
    case StepKind::DoubleClick:
    case StepKind::RightClick:
    case StepKind::FocusByKeys: {
        const ControlState shown = screen.state(step.text);
        if (!shown.visible) break;
        if (screen.onHiddenPage(step.text)) {
            // A focus move that another handler turns away can keep the page; the user gives up.
            if (page < 0 || step.tries++ >= 2) break;
            return switchLine(page);
        }
        if (step.kind != StepKind::FocusByKeys) {
            std::string line = mouseLine(step, screen);
            pending_.pop_front();
            return line;
        }
        // Tab passes over a disabled box.
        if (!shown.enabled || screen.focusName() == step.text || step.tries++ > 40) break;
        return step.tries % 7 == 6 ? "key Backtab" : "key Tab";
    }
    case StepKind::MenuChoice: return menuChoice(screen);
    case StepKind::Clear: return clearFocused(screen);
    case StepKind::Type:
    case StepKind::Paste: {
        // An empty clipboard offers nothing to paste.
        if (step.kind == StepKind::Paste && step.text.empty() && !options_.knownFaults) break;
        std::string line = (step.kind == StepKind::Type ? "type " : "paste ") + step.text;
        pending_.pop_front();
        return line;
    }
    case StepKind::SwitchPage: {
        const int wanted = std::stoi(step.text);
        pending_.pop_front();
        if (activePage(screen) == wanted) return std::nullopt;
        return switchLine(wanted);
    }
    case StepKind::Leave: return leave(screen);
    case StepKind::Observe: {
        pending_.pop_front();
        return observation(screen);
    }
    }
    pending_.pop_front();
    return std::nullopt;
}

}  // namespace platomer
