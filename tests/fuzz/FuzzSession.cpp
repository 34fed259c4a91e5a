// The whole window under a fuzzed user session: after the activation and after every action
// the session invariants must hold and the action must have ended within a bound of work.
// A failure prints the rule and the session as a replay script, then aborts.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/CountingPlatform.h"
#include "tests/fuzz/SessionInput.h"
#include "tests/support/SessionInvariants.h"

namespace platomer {
namespace {

// Far above what any action needs, even the longest search in an instrumented build.
constexpr std::chrono::seconds ActionBound{2};

class Session {
public:
    explicit Session(char separator) : platform_(separator), form_(platform_), user_(form_), invariants_(form_)
    {
        script_ = separator == ',' ? "" : "# run with --separator " + std::string(1, separator) + "\n";
    }

    void start()
    {
        run("# activation", [&] { user_.activate(); });
    }

    // With PLATOMER_FUZZ_SCRIPT set, an input that holds prints its session as a replay script.
    ~Session()
    {
        if (std::getenv("PLATOMER_FUZZ_SCRIPT")) std::fputs(script_.c_str(), stderr);
    }

    void act(SessionAction a)
    {
        if (const Control* target = actionTarget(form_, a)) {
            // A control of the page not shown is reached through its tab first.
            int page = form_.pageOf(*target);
            if (page >= 0 && page != form_.activePage()) {
                SessionAction change(SessionAction::What::Page);
                change.page = page;
                act(change);
                if (form_.activePage() != page) return;
            }
        }
        if (a.what == SessionAction::What::Menu && !chooseFromOpenMenu(user_, a)) return;
        run(scriptLine(form_, a), [&] { perform(user_, form_, a); });
    }

private:
    template <class Action>
    void run(const std::string& line, Action action)
    {
        record(line);
        invariants_.beforeAction();
        auto start = std::chrono::steady_clock::now();
        action();
        auto took = std::chrono::steady_clock::now() - start;
        std::string broken = invariants_.afterAction();
        if (broken.empty() && took > ActionBound)
            broken = "work: the action took " +
                     std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()) + " ms";
        if (!broken.empty()) fail(broken);
    }

    // Characters typed one after another make one line of the script, as a user would write it.
    void record(const std::string& line)
    {
        const bool typed = line.compare(0, 5, "type ") == 0;
        if (typed && typedLast_) {
            script_.pop_back();
            script_ += line.substr(5) + '\n';
        } else {
            script_ += line + '\n';
        }
        typedLast_ = typed;
    }

    [[noreturn]] void fail(const std::string& broken)
    {
        std::fprintf(stderr, "session invariant broken: %s\n--- replay script ---\n%s---\n", broken.c_str(),
                     script_.c_str());
        std::abort();
    }

    CountingPlatform platform_;
    TKalkulajda form_;
    UserActions user_;
    SessionInvariants invariants_;
    std::string script_;
    bool typedLast_ = false;
};

}  // namespace
}  // namespace platomer

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platomer;
    SessionInput input = decodeSession(data, size);
    Session session(input.separator);
    session.start();
    for (const SessionAction& a : input.actions)
        session.act(a);
    return 0;
}
