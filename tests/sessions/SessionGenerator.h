#pragma once
// Seeded sessions of a user at the window, as replay-script lines. A user looks at the screen
// before each move, so the generator is handed the surface that the session is played on and
// only clicks what is shown there; the same seed and index on the same program give the same
// session on every machine.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "tests/sessions/SessionRandom.h"
#include "tools/replay/Surface.h"

namespace platomer {

class SessionGenerator {
public:
    SessionGenerator(std::uint64_t seed, int index);

    // The next line for what `screen` shows now; nothing once the session is over. The line
    // must be run on `screen` before the next one is asked for.
    std::optional<std::string> next(Surface& screen);

    // Whether a line only looks at the window (show, state, focus, dump) instead of acting.
    static bool observes(const std::string& line);

private:
    enum class StepKind { Line, Click, FocusByKeys, Clear, Type, Paste, SwitchPage, Leave, Observe };
    struct Step {
        StepKind kind;
        std::string text;  // the line, the control or the typed text
        int tries = 0;
    };

    void plan(Surface& screen);
    std::optional<std::string> resolve(Surface& screen);

    void focusEntry(const char* name, bool replaceAll);
    void enterAmount(const char* field);
    void enterPersonsOrReduction(const char* field, bool persons);
    void clickOptionBox();
    void optionBoxByKeyboard();
    void typeJunk();
    void pasteLong();
    void wander();
    void clickElsewhere(Surface& screen);

    std::string amount();
    std::string persons();
    std::string reduction();
    std::string junk();
    std::string longText();
    std::string switchLine(int page);
    std::string observation(Surface& screen);

    void add(StepKind kind, std::string text = {}) { pending_.push_back({kind, std::move(text)}); }

    SessionRandom random_;
    std::deque<Step> pending_;
    int gesturesLeft_;
    bool dumped_ = false;
};

}  // namespace platomer
