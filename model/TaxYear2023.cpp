// The rates, credits, limits and subsistence figures in force from 1 January 2023.
#include "model/Rounding.h"
#include "model/TaxYear.h"

namespace platomer {

TaxYear taxYear2023()
{
    TaxYear y;
    y.SazbaSocZam = 0.065;
    y.SazbaSocFir = 0.248;
    y.SazbaZdr = 0.135;
    y.SlevaPopl = 2570;
    y.ZvyhDite1 = 1267;
    y.PriplDite2 = 593;
    y.PriplDite3 = 1053;
    y.SlevaStud = 335;
    y.SlevaCInv = 210;
    y.SlevaPInv = 420;
    y.SlevaZtp = 1345;
    y.SazbaSraz = 0.15;
    y.SazbaZal = 0.15;
    y.LimitDpp = 10000;
    y.MinBonus = 50;
    y.MaxBonus = 999999999999;
    y.SazbaVyssi = 0.23;
    y.HraniceVyssi = 161296;
    y.LimitMr = 4000;
    y.ZivMin = 4860;
    y.NormBydlo = 15597;
    y.ZakladNezab = y.ZivMin + y.NormBydlo;
    y.HraniceSrazek = static_cast<double>(static_cast<Extended>(y.ZivMin + y.NormBydlo) * 1.5L);
    y.TretinyNezab = 2;
    y.PodilOsoba = 0.25;
    // A dependent person protects a quarter of the debtor's own two thirds; not rounded.
    y.NezabOsoba = static_cast<double>(static_cast<Extended>(y.ZakladNezab) / 3 * y.TretinyNezab * y.PodilOsoba);
    y.SazbaZaklProcent = 15;
    return y;
}

}  // namespace platomer
