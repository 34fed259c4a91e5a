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
};

// The figures in force from 1 January 2023.
TaxYear taxYear2023();

}  // namespace platomer
