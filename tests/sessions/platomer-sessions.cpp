// platomer-sessions: writes generated user sessions as replay scripts, DIR/session-SEED-N.txt
// for N from 1 to COUNT.
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
    std::uint64_t seed = 0, count = 0;
    if (argc != 4 || !readNumber(argv[1], seed) || !readNumber(argv[2], count) || count > 1000000) {
        std::cerr << "usage: platomer-sessions SEED COUNT DIR\n";
        return 2;
    }
    const std::string dir = argv[3];
    for (std::uint64_t n = 1; n <= count; ++n) {
        const std::string path = dir + "/session-" + std::to_string(seed) + "-" + std::to_string(n) + ".txt";
        std::ofstream file(path, std::ios::binary);
        try {
            for (const std::string& line : generateSession(seed, static_cast<int>(n)))
                file << line << '\n';
        } catch (const ScriptError& e) {
            std::cerr << "platomer-sessions: " << path << ": " << e.what() << '\n';
            return 1;
        }
        if (!file.flush()) {
            std::cerr << "platomer-sessions: cannot write " << path << '\n';
            return 2;
        }
    }
    return 0;
}
