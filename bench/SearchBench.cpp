// What a user waits for: the net-to-gross search against the plain candidate sequence it
// shortens, and one recalculation of the wage page.
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calc/WageMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"
#include "model/UserActions.h"
#include "tests/support/DrivenKalkulajda.h"
#include "tests/support/LiteralSearch.h"

namespace platomer {

namespace {

class SilentPlatform : public Platform {
public:
    void message(const std::string&, const std::string&, bool) override {}
    void beep() override {}
    void openAddress(const std::string&) override {}
    char decimalSeparator() const override { return ','; }
};

// The window after activation: signed, "Na poplatníka", both insurances.
struct Calculator {
    Calculator() { user.activate(); }
    SilentPlatform platform;
    DrivenKalkulajda k{platform};
    UserActions user{k};
};

const WageOptions StartOptions{true, false, true, true, 0, 2570};

void LiteralSequence(benchmark::State& state)
{
    const TaxYear y = taxYear2023();
    const auto target = static_cast<std::int32_t>(state.range(0));
    // The tests' reference sequence, every candidate computed in full.
    std::int64_t evaluations = 0;
    auto net = [&](std::int32_t gross) {
        ++evaluations;
        return static_cast<std::int32_t>(netWage(y, StartOptions, gross));
    };
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(literalGross(target, net));
    state.counters["evaluations"] = static_cast<double>(evaluations) / static_cast<double>(state.iterations());
}

void ShippedSearch(benchmark::State& state)
{
    Calculator c;
    c.user.click(c.k.control("ChckBxHrzCis"));
    const std::string target = std::to_string(state.range(0));
    for ([[maybe_unused]] auto _ : state) {
        c.k.control("EdCista").setText(target);
        c.k.HledejHrubou();
        benchmark::DoNotOptimize(c.k.wage().TextCista);
    }
    state.counters["gross"] = StrToInt(c.k.parts().EdHruba.text());
}

void Recalculation(benchmark::State& state)
{
    Calculator c;
    // Two grosses in turn, so that the garnishment page sees a new net every time.
    const std::string grosses[] = {"17300", "17400"};
    int i = 0;
    for ([[maybe_unused]] auto _ : state) {
        c.k.control("EdHruba").setText(grosses[i ^= 1]);
        c.k.SpoctiTo(c.k.control("EdHruba"));
        benchmark::DoNotOptimize(c.k.wage().TextCista);
    }
}

BENCHMARK(LiteralSequence)->Arg(20000)->Arg(1000000)->Arg(100000000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(ShippedSearch)->Arg(20000)->Arg(1000000)->Arg(100000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Recalculation)->Unit(benchmark::kMicrosecond);

// The console report, followed by how many times faster the shipped search is at each target,
// in wall-clock and in processor time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.run_name.args.empty()) continue;
            const double toSeconds = 1 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            times_[std::stoll(run.run_name.args)][run.run_name.function_name] = {run.GetAdjustedRealTime() * toSeconds,
                                                                                 run.GetAdjustedCPUTime() * toSeconds};
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [target, byName] : times_) {
            const auto literal = byName.find("LiteralSequence");
            const auto shipped = byName.find("ShippedSearch");
            if (literal == byName.end() || shipped == byName.end()) continue;
            const Times l = literal->second, s = shipped->second;
            std::printf(
                "target %-10lld literal %10.3f ms (cpu %10.3f)  shipped %8.3f ms (cpu %8.3f)  "
                "literal/shipped %8.0f (cpu %8.0f)\n",
                target, l.real * 1e3, l.cpu * 1e3, s.real * 1e3, s.cpu * 1e3, l.real / s.real, l.cpu / s.cpu);
        }
    }

private:
    struct Times {
        double real, cpu;
    };
    std::map<long long, std::map<std::string, Times>> times_;  // by target
};

}  // namespace

}  // namespace platomer

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    platomer::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
