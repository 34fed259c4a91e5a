// The rules of 2025: those of 2024 with the year's figures.
#include "model/Years.h"

namespace platomer {

TaxYear taxYear2025()
{
    TaxYear y = taxYear2024();
    y.Rok = 2025;
    y.HraniceVyssi = 139671;  // zákon 586/1992 Sb. § 16: 36 × the average wage of 46 557 a year
    y.MinMzda = 20800;        // nařízení vlády 567/2006 Sb. as amended
    y.MinHrubaBonus = 10400;  // § 35d: half the minimum wage
    y.LimitDpp = 11499;       // sdělení MPSV 476/2024 Sb.: insured from 11 500
    y.LimitMr = 4499;         // § 6: withholding below the small-scale limit of 4 500
    y.MalyRozsahOd = 4500;    // zákon 187/2006 Sb. § 6: small-scale work insured from 4 500
    y.MinZakladZdr = y.MinMzda;
    y.SazbaSlevaDuchodce = 0.065;  // zákon 417/2024 Sb.: a working pensioner pays only the 0,6 % sickness part
    y.StropSocZakladu = 2234736;   // 48 × the average wage of 46 557
    y.NormBydlo = 14680;           // nařízení vlády 595/2006 Sb.: the housing norm
    y.HraniceSrazek = 29310;       // 1,5 × the base
    y.deriveGarnishmentBase();
    return y;
}

}  // namespace platomer
