#pragma once
// Runs a replay script against a surface, one command per line, printing as it goes.

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/replay/Surface.h"

namespace platomer {

// A script that cannot be run: an unknown command or control, or a click on a hidden page.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ReplayScript {
public:
    // `names` are the controls of the window, without the window itself.
    ReplayScript(Surface& surface, std::vector<std::string> names, std::ostream& out);
    // Throws ScriptError with the line number in its text.
    void run(std::istream& script);
    void runLine(const std::string& line);

private:
    // A line after the command's name: as written, and split into words.
    struct Arguments {
        std::string rest;
        std::vector<std::string> words;
    };
    // What the first word of a command must name.
    enum class Reach {
        Anything,
        Shown,       // a control on the page that is shown, or on none
        ShownEntry,  // an entry on the page that is shown
    };
    // One command of the script language; the lines are run by a loop over the table of them.
    struct Command {
        const char* name;
        int words;          // how many words follow the name; AnyText: the rest of the line is read as it is
        const char* usage;  // the complaint when the words do not fit
        Reach reach;
        bool closesMenu;  // any action of the user closes an open context menu first
        void (*action)(ReplayScript& script, const Arguments& arguments);
    };
    static constexpr int AnyText = -1;
    static const std::vector<Command>& commands();

    void requireShown(const std::string& name) const;
    std::string stateLine(const std::string& name);
    void requireControl(const std::string& name) const;
    void requireEntry(const std::string& name) const;
    static int number(const std::string& word);
    static std::string oneLine(const std::string& text);
    void printLines(const std::string& prefix, const std::string& text);
    void report(const std::string& file);

    Surface& surface_;
    std::vector<std::string> names_;
    std::ostream& out_;
};

}  // namespace platomer
