#pragma once
// The net-to-gross search as the window's sequence of candidates, one by one, with no shortcut:
// the reference the shipped search is compared with.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "calc/WageMath.h"

namespace platomer {

// The net wage of every gross asked for, computed by netWage; those of one residue class modulo
// Modulus (all grosses by default) below a limit are computed once and kept, so that many
// searches over the same grosses cost one evaluation per gross.
template <std::int32_t Modulus = 1>
class NetMemo {
public:
    NetMemo(const TaxYear& year, const WageOptions& options, std::int32_t residue = 0, std::int32_t limit = 20'000'000)
        : year_(year), options_(options), residue_(residue), limit_(limit)
    {
    }

    std::int32_t operator()(std::int32_t gross)
    {
        if (gross < 0 || gross >= limit_ || gross % Modulus != residue_) return evaluate(gross);
        const auto i = static_cast<std::size_t>(gross / Modulus);
        if (i >= nets_.size()) nets_.resize(std::max(i + 1, nets_.size() * 2), Unknown);
        if (nets_[i] == Unknown) nets_[i] = evaluate(gross);
        return nets_[i];
    }

    std::int32_t evaluate(std::int32_t gross) const
    {
        // The window keeps the net in a 32-bit field.
        return static_cast<std::int32_t>(netWage(year_, options_, gross));
    }

private:
    static constexpr std::int32_t Unknown = std::numeric_limits<std::int32_t>::min();
    const TaxYear& year_;
    WageOptions options_;
    std::int32_t residue_, limit_;
    std::vector<std::int32_t> nets_;
};

// The candidate sequence: the first candidate is the target itself and the last net 0; each pass
// switches to steps of 1 for good once the target less the last net is at most 100 (in 32-bit
// arithmetic), evaluates the candidate and advances; the search ends with the first candidate
// whose net reaches the target. Nothing when the next candidate would leave the 32-bit range.
template <class NetOf>
std::optional<std::int32_t> literalGross(std::int32_t target, NetOf&& netOf)
{
    auto minus32 = [](std::int32_t a, std::int32_t b) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
    };
    std::int64_t gross = target;
    std::int32_t last = 0;
    std::int32_t step = 10;
    for (;;) {
        if (minus32(target, last) <= 100) step = 1;
        last = netOf(static_cast<std::int32_t>(gross));
        if (last >= target) return static_cast<std::int32_t>(gross);
        gross += step;
        if (gross > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    }
}

}  // namespace platomer
