#pragma once
// The year's rates, credits, limits and subsistence figures. Integers are 32-bit, reals are
// doubles; all are zero until the window is activated and constant afterwards.

#include <cstdint>

namespace platomer {

struct TaxYear {
    std::int32_t SlevaPopl = 0, SlevaStud = 0, ZvyhDite1 = 0, PriplDite2 = 0, PriplDite3 = 0;
    std::int32_t SlevaCInv = 0, SlevaPInv = 0, SlevaZtp = 0, HraniceVyssi = 0;
    std::int32_t ZivMin = 0, NormBydlo = 0, TretinyNezab = 0, ZakladNezab = 0;
    double SazbaVyssi = 0, SazbaSraz = 0, SazbaZal = 0, SazbaSocZam = 0, SazbaSocFir = 0, SazbaZdr = 0;
    double MinBonus = 0, MaxBonus = 0, LimitDpp = 0, LimitMr = 0, PodilOsoba = 0, HraniceSrazek = 0;
    double NezabOsoba = 0;
    // The basic rate of the tax after credits as a whole percentage: the declaration's tax takes
    // the base / 100 × 15, not the base × SazbaZal, although both mean 15 %.
    std::int32_t SazbaZaklProcent = 0;

    // The monthly advantage for the child in `order` (1 to 4): the first child's amount, with the
    // supplement of the second or of the third and every later child; twice that with a ZTP-P card.
    std::int32_t childAdvantage(int order, bool ztp) const
    {
        const std::int32_t plain = order == 1   ? ZvyhDite1
                                   : order == 2 ? ZvyhDite1 + PriplDite2
                                                : ZvyhDite1 + PriplDite3;
        return ztp ? plain * 2 : plain;
    }
};

// Whether an amount stays within one of the year's limits, which are doubles: compared exactly,
// without narrowing either side. A limit is inclusive: the limit itself still qualifies.
inline bool withinLimit(std::int64_t amount, double limit)
{
    return static_cast<long double>(amount) <= static_cast<long double>(limit);
}

// The figures in force from 1 January 2023.
TaxYear taxYear2023();

}  // namespace platomer
