#pragma once
// A generated session played on the bare model one line at a time, so that a caller can look at
// the window between two actions.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "model/Kalkulajda.h"
#include "tests/sessions/SessionGenerator.h"
#include "tools/replay/ModelSurface.h"
#include "tools/replay/PrintingPlatform.h"
#include "tools/replay/ReplayScript.h"

namespace platomer {

class ModelSession {
public:
    // Starts the program as the replay tool does; what the script and the desktop print goes to `out`.
    ModelSession(std::uint64_t seed, int index, std::ostream& out, SessionOptions options = {});

    std::optional<std::string> nextLine() { return generator_.next(surface_); }
    // Throws ScriptError when the line cannot be run.
    void run(const std::string& line) { script_.runLine(line); }
    const TKalkulajda& form() const { return form_; }
    TKalkulajda& form() { return form_; }

    // The controls that a script names: every control but the window.
    static std::vector<std::string> controlNames();

private:
    PrintingPlatform platform_;
    TKalkulajda form_;
    ModelSurface surface_;
    ReplayScript script_;
    SessionGenerator generator_;
};

// The lines of one whole session.
std::vector<std::string> generateSession(std::uint64_t seed, int index, SessionOptions options = {});

}  // namespace platomer
