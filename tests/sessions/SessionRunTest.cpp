// Generated user sessions on the bare model: after every line of every session the window still
// keeps its invariants, no line is refused by the replay tool, and a session replayed from its
// written script prints what it printed while it was generated.
//
// PLATOMER_SESSIONS sets how many sessions run (default 2000), PLATOMER_SESSION_SEED the seed
// (default 2023), PLATOMER_SESSION_ALL=1 adds the inputs of known faults (SessionOptions).
// `platomer-sessions [--all] SEED N DIR` writes session N of a seed as a script.
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "model/Keys.h"
#include "tests/sessions/ModelSession.h"
#include "tests/support/SessionInvariants.h"

namespace platomer {
namespace {

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    std::uint64_t value = std::strtoull(text, &end, 10);
    return *end == '\0' ? value : fallback;
}

// Keeps a 64-bit FNV-1a hash of everything written, instead of the text.
class HashBuffer : public std::streambuf {
public:
    std::uint64_t hash = 0xCBF29CE484222325ull;

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) add(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        for (std::streamsize i = 0; i < n; ++i)
            add(s[i]);
        return n;
    }

private:
    void add(char c) { hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull; }
};

std::string where(std::uint64_t seed, int index, int number, const std::string& line)
{
    return "session-" + std::to_string(seed) + "-" + std::to_string(index) + ".txt line " + std::to_string(number) +
           " '" + line.substr(0, 120) + (line.size() > 120 ? "...'" : "'");
}

TEST(GeneratedSessions, EveryActionKeepsTheInvariants)
{
    const std::uint64_t seed = fromEnvironment("PLATOMER_SESSION_SEED", 2023);
    const int count = static_cast<int>(fromEnvironment("PLATOMER_SESSIONS", 2000));
    const SessionOptions options{fromEnvironment("PLATOMER_SESSION_ALL", 0) != 0};
    int failed = 0;
    long actions = 0;
    for (int index = 1; index <= count && failed < 5; ++index) {
        std::ostream discard(nullptr);
        ModelSession session(seed, index, discard, options);
        SessionInvariants invariants(session.form());
        int number = 0;
        while (std::optional<std::string> line = session.nextLine()) {
            ++number;
            invariants.beforeAction();
            try {
                session.run(*line);
            } catch (const ScriptError& e) {
                ADD_FAILURE() << where(seed, index, number, *line) << ": refused: " << e.what();
                ++failed;
                break;
            }
            if (std::string broken = invariants.afterAction(); !broken.empty()) {
                ADD_FAILURE() << where(seed, index, number, *line) << ": " << broken;
                ++failed;
                break;
            }
        }
        actions += number;
    }
    RecordProperty("actions", std::to_string(actions));
}

TEST(GeneratedSessions, WrittenScriptReplaysAsGenerated)
{
    const std::uint64_t seed = fromEnvironment("PLATOMER_SESSION_SEED", 2023);
    for (int index = 1; index <= 20; ++index) {
        HashBuffer generated;
        std::ostream generatedOut(&generated);
        ModelSession session(seed, index, generatedOut);
        std::ostringstream script;
        while (std::optional<std::string> line = session.nextLine()) {
            session.run(*line);
            script << *line << '\n';
        }
        ASSERT_EQ(script.str(),
                  [&] {
                      std::ostringstream again;
                      for (const std::string& line : generateSession(seed, index))
                          again << line << '\n';
                      return again.str();
                  }())
            << "session " << index << " is not the same when generated again";

        HashBuffer replayed;
        std::ostream replayedOut(&replayed);
        PrintingPlatform platform(replayedOut, ',');
        TKalkulajda form(platform);
        ModelSurface surface(form);
        surface.start();
        std::istringstream lines(script.str());
        ReplayScript(surface, ModelSession::controlNames(), replayedOut).run(lines);
        EXPECT_EQ(generated.hash, replayed.hash) << "session " << index << " prints otherwise from its script";
    }
}

// The sessions of one seed reach every control a user can operate, every key, every command
// and both pages, and type amounts of every length up to eleven digits.
TEST(GeneratedSessions, ReachEveryInputKeyAndAmountSize)
{
    std::set<std::string> seen;
    std::set<std::size_t> digits;
    for (int index = 1; index <= 300; ++index)
        for (const std::string& line : generateSession(1, index)) {
            std::istringstream words(line);
            std::string command, argument;
            words >> command >> argument;
            seen.insert(command);
            if (command == "click" || command == "key" || command == "page") seen.insert(command + ' ' += argument);
            if (command == "paste" && line.size() > 32767 + 6) seen.insert("paste beyond 32767");
            if (command == "type" && !argument.empty() && argument.find_first_not_of("0123456789") == std::string::npos)
                digits.insert(argument.size());
        }
    std::vector<std::string> expected{"paste beyond 32767",
                                      "page 0",
                                      "page 1",
                                      "select",
                                      "dblclick",
                                      "rightclick",
                                      "menu",
                                      "clipboard",
                                      "show",
                                      "state",
                                      "focus",
                                      "dump",
                                      "explain",
                                      "report",
                                      "copy",
                                      "click PcHlav"};
    for (const char* name :
         {"EdHruba",      "EdCista",      "EdExekCm",    "EdDeti",      "EdPoniz",     "ChckBxHrzCis", "CHckBPodpis",
          "CheckBxDpp",   "ChckBSocAno",  "ChckBZdrAno", "CHckBNezdM",  "CHckBNezdS",  "CHckBNezdI",   "CHckBNezdP",
          "CHckBNezdZTP", "ChckBxDeti1",  "ChckBxDeti2", "ChckBxDeti3", "ChckBxDeti4", "ChckBxDeti1z", "ChckBxDeti2z",
          "ChckBxDeti3z", "ChckBxDeti4z", "lWeb",        "Label16"})
        expected.push_back(std::string("click ") + name);
#define PLATOMER_SESSION_KEY(name, qtKey, ctrl, shift) expected.emplace_back("key " #name);
    PLATOMER_KEYS(PLATOMER_SESSION_KEY)
#undef PLATOMER_SESSION_KEY
    for (const std::string& line : expected)
        EXPECT_TRUE(seen.count(line)) << "no session has '" << line << "'";
    for (std::size_t n = 1; n <= 11; ++n)
        EXPECT_TRUE(digits.count(n)) << "no session types an amount of " << n << " digits";
}

}  // namespace
}  // namespace platomer
