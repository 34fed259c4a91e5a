#include "tools/replay/ReplayScript.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "model/EntryText.h"

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

// An entry of the page that is shown, for the mouse commands that work in its text.
void ReplayScript::requireEntry(const std::string& name) const
{
    requireControl(name);
    if (!surface_.isEntry(name)) throw ScriptError("'" + name + "' is not an entry");
    if (surface_.onHiddenPage(name)) throw ScriptError("'" + name + "' is on the page that is not shown");
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

void ReplayScript::runLine(const std::string& line)
{
    if (line.empty() || line[0] == '#') return;
    std::size_t blank = line.find(' ');
    std::string command = line.substr(0, blank);
    std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
    std::vector<std::string> words;
    std::istringstream split(rest);
    for (std::string w; split >> w;)
        words.push_back(w);

    // Any action of the user closes an open context menu first, as a press or a key would.
    static const char* const actions[] = {"click", "page", "type", "key", "paste", "select", "dblclick", "rightclick"};
    if (std::find(std::begin(actions), std::end(actions), command) != std::end(actions)) surface_.dismissMenu();

    if (command == "click") {
        if (words.size() != 1) throw ScriptError("click takes one control");
        requireControl(words[0]);
        if (surface_.onHiddenPage(words[0])) throw ScriptError("'" + words[0] + "' is on the page that is not shown");
        surface_.click(words[0]);
    } else if (command == "page") {
        if (rest != "0" && rest != "1") throw ScriptError("page takes 0 or 1");
        surface_.clickPage(rest == "1" ? 1 : 0);
    } else if (command == "type") {
        for (char32_t c : toChars(rest))
            surface_.type(c);
    } else if (command == "key") {
        std::optional<Key> k = keyNamed(rest);
        if (!k) throw ScriptError("unknown key '" + rest + "'");
        surface_.press(*k);
    } else if (command == "paste") {
        surface_.paste(rest);
    } else if (command == "select") {
        if (words.size() != 3) throw ScriptError("select takes a control, a start and a length");
        requireEntry(words[0]);
        surface_.select(words[0], number(words[1]), number(words[2]));
    } else if (command == "dblclick") {
        if (words.size() != 2) throw ScriptError("dblclick takes a control and an index");
        requireEntry(words[0]);
        surface_.doubleClick(words[0], number(words[1]));
    } else if (command == "rightclick") {
        if (words.size() != 1) throw ScriptError("rightclick takes one control");
        requireControl(words[0]);
        if (surface_.onHiddenPage(words[0])) throw ScriptError("'" + words[0] + "' is on the page that is not shown");
        surface_.rightClick(words[0]);
    } else if (command == "menu") {
        if (rest.empty()) throw ScriptError("menu takes the text of an item, or -");
        if (!surface_.chooseMenu(rest)) throw ScriptError("no open menu has the item '" + rest + "'");
    } else if (command == "explain") {
        if (words.size() != 1) throw ScriptError("explain takes one control");
        requireControl(words[0]);
        if (surface_.onHiddenPage(words[0])) throw ScriptError("'" + words[0] + "' is on the page that is not shown");
        const std::optional<std::string> text = surface_.tooltip(words[0]);
        if (!text) throw ScriptError("'" + words[0] + "' explains no figure");
        out_ << "explain=" << oneLine(*text) << '\n';
    } else if (command == "copy") {
        if (!rest.empty()) throw ScriptError("copy takes nothing");
        printLines("copy=", surface_.copyComputation());
    } else if (command == "report") {
        report(rest);
    } else if (command == "clipboard") {
        out_ << "clipboard=" << surface_.clipboard() << '\n';
    } else if (command == "show") {
        for (const std::string& name : words) {
            requireControl(name);
            ControlState s = surface_.state(name);
            out_ << name << '=' << (s.tickBox ? (s.ticked ? "1" : "0") : s.text) << '\n';
        }
    } else if (command == "focus") {
        out_ << "focus=" << surface_.focusName() << '\n';
    } else if (command == "state") {
        if (words.size() != 1) throw ScriptError("state takes one control");
        out_ << stateLine(words[0]) << '\n';
    } else if (command == "dump") {
        for (const std::string& name : names_)
            out_ << stateLine(name) << '\n';
    } else if (command == "geometry") {
        if (!surface_.hasWindow()) throw ScriptError("geometry needs the real window");
        for (const std::string& g : surface_.geometry())
            out_ << g << '\n';
    } else if (command == "screenshot") {
        if (!surface_.hasWindow()) throw ScriptError("screenshot needs the real window");
        if (!surface_.screenshot(rest)) throw ScriptError("cannot write '" + rest + "'");
    } else {
        throw ScriptError("unknown command '" + command + "'");
    }
}

}  // namespace platomer
