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
