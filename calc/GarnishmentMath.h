#pragma once
// The arithmetic of a garnishment as a pure function of the year's rules: the protected amount,
// the remainder above it, its thirds up to the limit and the part above the limit seized in
// full. The page's handler and the explanations read the same result.

#include <cstdint>

#include "model/GarnishmentState.h"
#include "model/Rounding.h"
#include "model/TaxYear.h"

namespace platomer {

// The debtor's own protected share of the base (two thirds, or the year's percentage), not rounded.
Extended debtorShare(const TaxYear& y);

// The protected amount before any reduction, rounded up to whole crowns: the debtor's share and
// the share of each dependent person. 64 bits: a huge count of persons goes beyond 32.
std::int64_t protectedAmount(const TaxYear& y, std::int32_t persons);

// Every amount of the page for a net wage, a count of dependent persons and a reduction. The
// deductions and what remains are as the panels take them: never below nothing.
GarnishmentState garnishment(const TaxYear& y, std::int32_t net, std::int32_t persons, std::int32_t reduction);

// What the panels of what remains show: the wage after the deductions, at most the wage itself.
Extended afterPriorityShown(const GarnishmentState& g);
Extended afterNonPriorityShown(const GarnishmentState& g);

}  // namespace platomer
