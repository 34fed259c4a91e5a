#include "calc/GrossSearch.h"

#include <algorithm>

namespace platomer {

namespace {

constexpr std::int64_t LargestGross = 2147483647;

}  // namespace

bool withinHundred(std::int32_t target, std::int32_t lastNet)
{
    return Low32(static_cast<std::int64_t>(target) - lastNet) <= 100;
}

Extended netCeiling(const TaxYear& y, const WageOptions& o, std::int64_t gross)
{
    // Each deduction is bounded from below by its unrounded amount less a crown; the base is at
    // least the gross, and each tax grows with the base. Above the agreement's limit the route is
    // always the advance, with or without the credits of a declaration.
    const Extended g = static_cast<Extended>(gross);
    Extended deductions = 0;
    // A pensioner's relief and the year's cap only lower the social insurance: its least is the
    // rest of the rate on the most the cap leaves.
    if (o.social) {
        Extended base = g;
        if (y.StropSocZakladu > 0) base = std::min<Extended>(g, static_cast<Extended>(capLeft(y, o.employee)));
        const double relief = o.employee.pensioner ? y.SazbaSlevaDuchodce : 0;
        // Each part rounded up on its own: the relief's rounding takes up to a crown more.
        deductions += base * (y.SazbaSocZam - relief) - (relief > 0 ? 2 : 1);
    }
    if (o.health) deductions += g * y.SazbaZdr / 3 - 1;
    const Extended basic = std::min<Extended>(g, y.HraniceVyssi) - 1;
    const Extended higher = std::max<Extended>(0, g - y.HraniceVyssi - 1);
    Extended tax = basic * y.SazbaZaklProcent / 100;
    if (y.SlevyZ == CreditsAgainst::WholeTax) {
        // The credits come off both parts together.
        tax += higher * y.SazbaVyssi;
        if (o.podepsal) tax = std::max<Extended>(0, tax - o.zvyhDeti - o.slevyCelkem);
        deductions += tax - 1;
    } else {
        if (o.podepsal) tax = std::max<Extended>(0, tax - o.zvyhDeti - o.slevyCelkem);
        deductions += tax + higher * y.SazbaVyssi - 1;
    }
    return g - deductions + 1;
}

std::optional<std::int32_t> findGross(const TaxYear& y, const WageOptions& o, std::int32_t target, SearchPass p)
{
    std::int64_t g = p.candidate;
    std::int32_t step = p.step;
    std::int32_t last = p.lastNet;
    for (;;) {
        if (g > LargestGross) return std::nullopt;
        if (withinHundred(target, last)) step = 1;
        if (step == 10 && !withinLimit(g, y.LimitDpp) && netCeiling(y, o, g) < static_cast<Extended>(target) - 100) {
            // Pass over the candidates whose net cannot come within 100 of the target: the ceiling
            // rises with the gross, so the first that might is found by bisection.
            std::int64_t lo = 0, hi = (LargestGross - g) / 10 + 1;
            while (lo + 1 < hi) {
                std::int64_t mid = (lo + hi) / 2;
                if (netCeiling(y, o, g + 10 * mid) < static_cast<Extended>(target) - 100)
                    lo = mid;
                else
                    hi = mid;
            }
            g += 10 * lo;
            last = Low32(netWage(y, o, Low32(g)));
            g += 10;
            continue;
        }
        last = Low32(netWage(y, o, Low32(g)));
        if (last >= target) return Low32(g);
        g += step;
    }
}

}  // namespace platomer
