#include "tools/replay/ReplayScript.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>

#include "model/EntryText.h"
#include "model/Years.h"

namespace platomer {

ReplayScript::ReplayScript(Surface& surface, std::vector<std::string> names, std::ostream& out)
    : surface_(surface), names_(std::move(names)), out_(out)
{
    std::sort(names_.begin(), names_.end());
}

void ReplayScript::run(std::istream& script)
{
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            runLine(line);
        } catch (const ScriptError& e) {
            throw ScriptError("line " + std::to_string(number) + ": " + e.what());
        }
        out_.flush();
    }
}

void ReplayScript::requireControl(const std::string& name) const
{
    if (!std::binary_search(names_.begin(), names_.end(), name)) throw ScriptError("unknown control '" + name + "'");
}

std::string ReplayScript::stateLine(const std::string& name)
{
    requireControl(name);
    ControlState s = surface_.state(name);
    std::string flags;
    if (s.tickBox && s.ticked) flags += 'T';
    if (s.enabled) flags += 'E';
    if (s.visible) flags += 'V';
    if (s.focused) flags += 'F';
    return name + '\t' + s.text + '\t' + flags + '\t' + s.background;
}

// A control that the user can reach: not on the page that is hidden.
void ReplayScript::requireShown(const std::string& name) const
{
    requireControl(name);
    if (surface_.onHiddenPage(name)) throw ScriptError("'" + name + "' is on the page that is not shown");
}

// An entry of the page that is shown, for the mouse commands that work in its text.
void ReplayScript::requireEntry(const std::string& name) const
{
    requireControl(name);
    if (!surface_.isEntry(name)) throw ScriptError("'" + name + "' is not an entry");
    requireShown(name);
}

// A tooltip on one output line: its lines joined by " | ", a no-break space written as a blank.
std::string ReplayScript::oneLine(const std::string& text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n') {
            out += " | ";
        } else if (text.compare(at, 2, "\u00A0") == 0) {
            out += ' ';
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

// Each line of a text as an output line, the first after the prefix.
void ReplayScript::printLines(const std::string& prefix, const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    for (bool first = true; std::getline(lines, line); first = false)
        out_ << (first ? prefix : "") << line << '\n';
    if (text.empty()) out_ << prefix << '\n';
}

// The computation as plain text (".txt", "-" for the output) or as the printed page (".pdf").
void ReplayScript::report(const std::string& file)
{
    auto endsWith = [&](const char* suffix) {
        const std::string s(suffix);
        return file.size() > s.size() && file.compare(file.size() - s.size(), s.size(), s) == 0;
    };
    if (file == "-") {
        printLines("", surface_.computationText());
    } else if (endsWith(".txt")) {
        const std::string text = surface_.computationText();
        std::ofstream out(file, std::ios::binary);
        if (!(out << text)) throw ScriptError("cannot write '" + file + "'");
    } else if (endsWith(".pdf")) {
        if (!surface_.hasWindow()) throw ScriptError("report to a PDF file needs the real window");
        if (!surface_.reportPdf(file)) throw ScriptError("cannot write '" + file + "'");
    } else {
        throw ScriptError("report writes a .txt or a .pdf file, or - for the text");
    }
}

int ReplayScript::number(const std::string& word)
{
    try {
        std::size_t used = 0;
        const int value = std::stoi(word, &used);
        if (used == word.size()) return value;
    } catch (const std::exception&) {
    }
    throw ScriptError("'" + word + "' is not a number");
}

// The commands, one row each: the words after the name, what the first of them must name,
// whether the command is an action of the user (and so closes an open menu first), and what it
// does. A command that reads the rest of its line takes it as written, blanks and all.
// The complexity counted here is the sum of the rows' own small actions, each read on its own;
// the table itself has no path of control.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
const std::vector<ReplayScript::Command>& ReplayScript::commands()
{
    using A = const Arguments&;
    static const std::vector<Command> table{
        {"click", 1, "click takes one control", Reach::Shown, true,
         [](ReplayScript& r, A a) { r.surface_.click(a.words[0]); }},
        {"page", AnyText, nullptr, Reach::Anything, true,
         [](ReplayScript& r, A a) {
             if (a.rest != "0" && a.rest != "1") throw ScriptError("page takes 0 or 1");
             r.surface_.clickPage(a.rest == "1" ? 1 : 0);
         }},
        {"type", AnyText, nullptr, Reach::Anything, true,
         [](ReplayScript& r, A a) {
             for (char32_t c : toChars(a.rest))
                 r.surface_.type(c);
         }},
        {"key", AnyText, nullptr, Reach::Anything, true,
         [](ReplayScript& r, A a) {
             const std::optional<Key> k = keyNamed(a.rest);
             if (!k) throw ScriptError("unknown key '" + a.rest + "'");
             r.surface_.press(*k);
         }},
        {"paste", AnyText, nullptr, Reach::Anything, true, [](ReplayScript& r, A a) { r.surface_.paste(a.rest); }},
        {"select", 3, "select takes a control, a start and a length", Reach::ShownEntry, true,
         [](ReplayScript& r, A a) { r.surface_.select(a.words[0], number(a.words[1]), number(a.words[2])); }},
        {"dblclick", 2, "dblclick takes a control and an index", Reach::ShownEntry, true,
         [](ReplayScript& r, A a) { r.surface_.doubleClick(a.words[0], number(a.words[1])); }},
        {"rightclick", 1, "rightclick takes one control", Reach::Shown, true,
         [](ReplayScript& r, A a) { r.surface_.rightClick(a.words[0]); }},
        {"menu", AnyText, nullptr, Reach::Anything, false,
         [](ReplayScript& r, A a) {
             if (a.rest.empty()) throw ScriptError("menu takes the text of an item, or -");
             if (!r.surface_.chooseMenu(a.rest)) throw ScriptError("no open menu has the item '" + a.rest + "'");
         }},
        {"year", 1, "year takes a year", Reach::Anything, true,
         [](ReplayScript& r, A a) {
             // Through the menu of the heading of the page shown, as a user chooses it.
             const int rok = number(a.words[0]);
             if (findYear(rok) == nullptr) throw ScriptError("the rules of " + a.words[0] + " are not known");
             const std::string heading = r.surface_.onHiddenPage("LabelRok") ? "Label17" : "LabelRok";
             r.surface_.click(heading);
             if (!r.surface_.chooseMenu(a.words[0])) throw ScriptError("the heading opened no menu of years");
         }},
        {"explain", 1, "explain takes one control", Reach::Shown, false,
         [](ReplayScript& r, A a) {
             const std::optional<std::string> text = r.surface_.tooltip(a.words[0]);
             if (!text) throw ScriptError("'" + a.words[0] + "' explains no figure");
             r.out_ << "explain=" << oneLine(*text) << '\n';
         }},
        {"copy", AnyText, nullptr, Reach::Anything, false,
         [](ReplayScript& r, A a) {
             if (!a.rest.empty()) throw ScriptError("copy takes nothing");
             r.printLines("copy=", r.surface_.copyComputation());
         }},
        {"report", AnyText, nullptr, Reach::Anything, false, [](ReplayScript& r, A a) { r.report(a.rest); }},
        {"clipboard", AnyText, nullptr, Reach::Anything, false,
         [](ReplayScript& r, A) { r.out_ << "clipboard=" << r.surface_.clipboard() << '\n'; }},
        {"show", AnyText, nullptr, Reach::Anything, false,
         [](ReplayScript& r, A a) {
             for (const std::string& name : a.words) {
                 r.requireControl(name);
                 const ControlState s = r.surface_.state(name);
                 r.out_ << name << '=' << (s.tickBox ? (s.ticked ? "1" : "0") : s.text) << '\n';
             }
         }},
        {"focus", AnyText, nullptr, Reach::Anything, false,
         [](ReplayScript& r, A) { r.out_ << "focus=" << r.surface_.focusName() << '\n'; }},
        {"state", 1, "state takes one control", Reach::Anything, false,
         [](ReplayScript& r, A a) { r.out_ << r.stateLine(a.words[0]) << '\n'; }},
        {"dump", AnyText, nullptr, Reach::Anything, false,
         [](ReplayScript& r, A) {
             for (const std::string& name : r.names_)
                 r.out_ << r.stateLine(name) << '\n';
         }},
        {"geometry", AnyText, nullptr, Reach::Anything, false,
         [](ReplayScript& r, A) {
             if (!r.surface_.hasWindow()) throw ScriptError("geometry needs the real window");
             for (const std::string& g : r.surface_.geometry())
                 r.out_ << g << '\n';
         }},
        {"screenshot", AnyText, nullptr, Reach::Anything, false,
         [](ReplayScript& r, A a) {
             if (!r.surface_.hasWindow()) throw ScriptError("screenshot needs the real window");
             if (!r.surface_.screenshot(a.rest)) throw ScriptError("cannot write '" + a.rest + "'");
         }},
    };
    return table;
}

void ReplayScript::runLine(const std::string& line)
{
    if (line.empty() || line[0] == '#') return;
    const std::size_t blank = line.find(' ');
    const std::string name = line.substr(0, blank);
    Arguments arguments;
    arguments.rest = blank == std::string::npos ? "" : line.substr(blank + 1);
    std::istringstream split(arguments.rest);
    for (std::string w; split >> w;)
        arguments.words.push_back(w);

    for (const Command& command : commands()) {
        if (name != command.name) continue;
        if (command.closesMenu) surface_.dismissMenu();
        if (command.words != AnyText && std::cmp_not_equal(arguments.words.size(), command.words))
            throw ScriptError(command.usage);
        if (command.reach == Reach::Shown) requireShown(arguments.words[0]);
        if (command.reach == Reach::ShownEntry) requireEntry(arguments.words[0]);
        command.action(*this, arguments);
        return;
    }
    throw ScriptError("unknown command '" + name + "'");
}

}  // namespace platomer
