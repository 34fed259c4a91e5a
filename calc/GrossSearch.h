#pragma once
// Finding the gross for a wanted net. The candidates rise from the target in steps of 10 and,
// from the first pass that starts with the last net within 100 of the target, in steps of 1;
// the first candidate whose net reaches the target is the answer. The net is not monotone in
// the gross (the base jumps at every whole hundred), so candidates are not skipped by guessing:
// only those whose net provably stays more than 100 below the target are passed over.

#include <cstdint>
#include <optional>

#include "calc/WageMath.h"

namespace platomer {

struct SearchPass {
    std::int64_t candidate;  // the gross to try next
    std::int32_t step;       // 10, or 1 for the rest of the search
    std::int32_t lastNet;    // the net of the previous candidate
};

// The step test at the start of a pass, in the 32-bit arithmetic of the fields: from a pass
// whose last net lies within 100 below the target (or above it) the steps are single crowns.
bool withinHundred(std::int32_t target, std::int32_t lastNet);

// Continues the sequence from `from` to the first candidate whose net reaches `target`;
// nothing when that candidate would lie beyond the 32-bit range.
std::optional<std::int32_t> findGross(const TaxYear& y, const WageOptions& o, std::int32_t target, SearchPass from);

// A net that no gross at or above `gross` exceeds by less: the net wage is at most this much.
Extended netCeiling(const TaxYear& y, const WageOptions& o, std::int64_t gross);

}  // namespace platomer
