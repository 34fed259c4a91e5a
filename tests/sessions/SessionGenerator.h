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

struct SessionOptions {
    // Also the inputs on which the two replay modes are known to part or the model to refuse a
    // line: drags that end where they start or beyond the text, positions at the ends of the
    // range, a byte order mark on the clipboard, the items of the context menu that change the
    // text, and a paste of nothing.
    bool knownFaults = false;
};

class SessionGenerator {
public:
    SessionGenerator(std::uint64_t seed, int index, SessionOptions options = {});

    // The next line for what `screen` shows now; nothing once the session is over. The line
    // must be run on `screen` before the next one is asked for.
    std::optional<std::string> next(Surface& screen);

    // Whether a line only looks at the window (show, state, focus, dump, the clipboard, a figure's
    // explanation, the computation) instead of acting on it.
    static bool observes(const std::string& line);

private:
    // The mouse steps name a control and wait for its page; a menu choice waits for the menu.
    enum class StepKind {
        Line,
        Click,
        FocusByKeys,
        Select,
        DoubleClick,
        RightClick,
        MenuChoice,
        Clear,
        Type,
        Paste,
        SwitchPage,
        Leave,
        Observe
    };
    struct Step {
        StepKind kind;
        std::string text;  // the line, the control or the typed text
        int tries = 0;
    };

    void plan(Surface& screen);
    std::optional<std::string> resolve(Surface& screen);
    std::optional<std::string> menuChoice(Surface& screen);
    std::optional<std::string> clearFocused(Surface& screen);
    std::optional<std::string> leave(Surface& screen);

    void focusEntry(const char* name, bool replaceAll);
    void enterAmount(const char* field);
    void enterEarlierBase();
    void enterPersonsOrReduction(const char* field, bool persons);
    void clickOptionBox();
    void optionBoxByKeyboard();
    void typeJunk();
    void pasteLong();
    void wander();
    void editInPlace();
    void useMenu();
    void chooseYear();
    void clickElsewhere(Surface& screen);

    std::string amount();
    std::string persons();
    std::string reduction();
    std::string junk();
    std::string longText();
    std::string switchLine(int page);
    std::string observation(Surface& screen);
    std::string key();
    std::string position(int length);
    std::string mouseLine(const Step& step, Surface& screen);

    void add(StepKind kind, std::string text = {}) { pending_.push_back({kind, std::move(text)}); }

    SessionRandom random_;
    SessionOptions options_;
    std::deque<Step> pending_;
    int gesturesLeft_;
    std::string last_;  // the line given out last
    bool dumped_ = false;
};

}  // namespace platomer
