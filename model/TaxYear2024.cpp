// The rules of 2024: the law's own rules of 2023 with the consolidation package's changes
// (zákon 349/2023 Sb.) and the year's figures.
#include "model/Years.h"

namespace platomer {

TaxYear taxYear2024()
{
    TaxYear y = taxYear2023Law();
    y.Rok = 2024;
    y.SazbaSocZam = 0.071;    // zákon 589/1992 Sb. § 7: 6,5 % pension + 0,6 % sickness insurance
    y.HraniceVyssi = 131901;  // zákon 586/1992 Sb. § 16: 36 × the average wage of 43 967 a year
    y.SlevaStud = 0;          // § 35ba: the student's credit abolished
    y.SlevaStudPlati = false;
    y.MinMzda = 18900;       // nařízení vlády 567/2006 Sb. as amended
    y.MinHrubaBonus = 9450;  // § 35d: a bonus only from half the minimum wage
    y.LimitDpp = 10000;      // zákon 187/2006 Sb. § 7a: unchanged all year
    y.LimitMr = 4000;        // § 6: withholding up to and including 4 000 (probable)
    y.MalyRozsahOd = 4000;   // zákon 187/2006 Sb. § 6: small-scale work insured from 4 000
    // The law's participation rules and the health minimum replace the window's small-scale rule.
    y.Ucast = Participation::KindOfWork;
    y.MinZakladZdr = y.MinMzda;   // zákon 592/1992 Sb. § 3: the minimum wage
    y.SazbaSlevaDuchodce = 0;     // the working pensioner's relief began in 2025
    y.StropSocZakladu = 2110416;  // zákon 589/1992 Sb. § 15a: 48 × the average wage of 43 967
    y.NormBydlo = 14197;          // nařízení vlády 595/2006 Sb.: the housing norm
    y.HraniceSrazek = 28586;      // 1,5 × the base, whole crowns as published
    y.deriveGarnishmentBase();
    return y;
}

}  // namespace platomer
