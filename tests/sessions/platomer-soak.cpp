// platomer-soak: plays generated sessions on the bare model until ACTIONS user actions have run,
// checks the invariants after every line, and reports the speed, the slowest line and the peak
// memory. A line that runs longer than LIMIT seconds (default 60) counts as hung.
// usage: platomer-soak ACTIONS [SEED] [LIMIT]
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <time.h>
#include <unistd.h>

#include "tests/sessions/ModelSession.h"
#include "tests/support/SessionInvariants.h"

namespace {

using Clock = std::chrono::steady_clock;

// The processor time of this thread: on a shared machine the slowest line by the wall clock is
// mostly the line during which another program ran.
std::chrono::nanoseconds threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// What runs now, for the watchdog: the session, the line, and when the line started (0: none).
std::atomic<int> runningSession{0};
std::atomic<int> runningLine{0};
std::atomic<Clock::rep> runningSince{0};
std::atomic<bool> finished{false};

void watch(std::uint64_t seed, int limitSeconds)
{
    while (!finished) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const Clock::rep since = runningSince;
        if (since == 0) continue;
        const auto busy = Clock::now() - Clock::time_point(Clock::duration(since));
        if (busy > std::chrono::seconds(limitSeconds)) {
            std::fprintf(stderr, "HUNG: session-%llu-%d.txt line %d runs for more than %d s\n",
                         static_cast<unsigned long long>(seed), runningSession.load(), runningLine.load(),
                         limitSeconds);
            _exit(3);
        }
    }
}

std::uint64_t number(const char* text)
{
    char* end = nullptr;
    std::uint64_t value = std::strtoull(text, &end, 10);
    if (*text < '0' || *text > '9' || *end != '\0') {
        std::cerr << "usage: platomer-soak ACTIONS [SEED] [LIMIT]\n";
        std::exit(2);
    }
    return value;
}

std::string shortened(const std::string& line)
{
    return line.size() <= 160 ? line : line.substr(0, 160) + "... (" + std::to_string(line.size()) + " bytes)";
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace platomer;
    if (argc < 2 || argc > 4) {
        std::cerr << "usage: platomer-soak ACTIONS [SEED] [LIMIT]\n";
        return 2;
    }
    const std::uint64_t wanted = number(argv[1]);
    const std::uint64_t seed = argc > 2 ? number(argv[2]) : 1;
    const int limit = argc > 3 ? static_cast<int>(number(argv[3])) : 60;
    std::thread watchdog(watch, seed, limit);

    std::uint64_t actions = 0, observations = 0;
    int sessions = 0;
    std::chrono::nanoseconds slowest{};
    std::string slowestLine;
    int slowestSession = 0, slowestNumber = 0;
    int status = 0;
    const Clock::time_point start = Clock::now();
    while (actions < wanted && status == 0) {
        ++sessions;
        std::ostream discard(nullptr);
        ModelSession session(seed, sessions, discard);
        SessionInvariants invariants(session.form());
        runningSession = sessions;
        int lineNumber = 0;
        while (std::optional<std::string> line = session.nextLine()) {
            runningLine = ++lineNumber;
            invariants.beforeAction();
            runningSince = Clock::now().time_since_epoch().count();
            const std::chrono::nanoseconds before = threadTime();
            try {
                session.run(*line);
            } catch (const std::exception& e) {
                std::cout << "FAIL: session-" << seed << '-' << sessions << ".txt line " << lineNumber << " '"
                          << shortened(*line) << "': " << e.what() << '\n';
                status = 1;
                break;
            }
            const std::chrono::nanoseconds took = threadTime() - before;
            runningSince = 0;
            if (took > slowest) {
                slowest = took;
                slowestLine = *line;
                slowestSession = sessions;
                slowestNumber = lineNumber;
            }
            if (SessionGenerator::observes(*line))
                ++observations;
            else
                ++actions;
            if (std::string broken = invariants.afterAction(); !broken.empty()) {
                std::cout << "FAIL: session-" << seed << '-' << sessions << ".txt line " << lineNumber << " '"
                          << shortened(*line) << "': " << broken << '\n';
                status = 1;
                break;
            }
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    finished = true;
    watchdog.join();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << "seed " << seed << ": " << sessions << " sessions, " << actions << " actions and " << observations
              << " looks at the window in " << seconds << " s\n"
              << "actions per second: " << static_cast<std::uint64_t>(static_cast<double>(actions) / seconds)
              << " (lines per second: "
              << static_cast<std::uint64_t>(static_cast<double>(actions + observations) / seconds) << ")\n"
              << "slowest line: " << std::chrono::duration<double, std::milli>(slowest).count()
              << " ms of processor time, session-" << seed << '-' << slowestSession << ".txt line " << slowestNumber
              << " '" << shortened(slowestLine) << "'\n"
              << "peak memory: " << usage.ru_maxrss << " kB\n"
              << (status == 0 ? "no crash, no hang, no broken invariant\n" : "");
    return status;
}
