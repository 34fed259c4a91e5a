// platomer-sessions: writes generated user sessions as replay scripts, DIR/session-SEED-N.txt
// for N from 1 to COUNT. With --all they also use the inputs on which the replay modes are known to
// part (see SessionOptions). A session whose line the replay tool refuses on the model ends with
// that line, and the status is then 1.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/sessions/ModelSession.h"

namespace {

bool readNumber(const char* text, std::uint64_t& value)
{
    char* end = nullptr;
    if (*text < '0' || *text > '9') return false;
    value = std::strtoull(text, &end, 10);
    return *end == '\0';
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace platomer;
    SessionOptions options;
    int first = 1;
    if (argc > 1 && std::string(argv[1]) == "--all") {
        options.knownFaults = true;
        ++first;
    }
    std::uint64_t seed = 0, count = 0;
    if (argc - first != 3 || !readNumber(argv[first], seed) || !readNumber(argv[first + 1], count) || count > 1000000) {
        std::cerr << "usage: platomer-sessions [--all] SEED COUNT DIR\n";
        return 2;
    }
    const std::string dir = argv[first + 2];
    int status = 0;
    for (std::uint64_t n = 1; n <= count; ++n) {
        const std::string path = dir + "/session-" + std::to_string(seed) + "-" + std::to_string(n) + ".txt";
        std::ofstream file(path, std::ios::binary);
        std::ostream discard(nullptr);
        ModelSession session(seed, static_cast<int>(n), discard, options);
        int number = 0;
        while (std::optional<std::string> line = session.nextLine()) {
            // Written before it runs, so that a line the replay refuses ends the script.
            file << *line << '\n';
            ++number;
            try {
                session.run(*line);
            } catch (const ScriptError& e) {
                std::cerr << "platomer-sessions: " << path << " line " << number << ": " << e.what() << '\n';
                status = 1;
                break;
            }
        }
        if (!file.flush()) {
            std::cerr << "platomer-sessions: cannot write " << path << '\n';
            return 2;
        }
    }
    return status;
}
