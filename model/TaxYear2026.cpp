// The rules of 2026: those of 2025 with the year's figures and the new method of the protected
// amount of a garnishment (nařízení vlády 548/2025 Sb.).
#include "model/Years.h"

namespace platomer {

TaxYear taxYear2026()
{
    TaxYear y = taxYear2025();
    y.Rok = 2026;
    y.HraniceVyssi = 146901;  // zákon 586/1992 Sb. § 16: 36 × the average wage of 48 967 a year
    y.MinMzda = 22400;        // nařízení vlády 567/2006 Sb. as amended
    y.MinHrubaBonus = 11200;  // § 35d: half the minimum wage
    y.MinZakladZdr = y.MinMzda;
    y.StropSocZakladu = 2350416;  // zákon 589/1992 Sb. § 15a: 48 × the average wage of 48 967
    y.LimitDpp = 11999;           // sdělení MPSV 396/2025 Sb.: insured from 12 000
    // The standard rent (sdělení MPSV 526/2025 Sb.) with the energy allowance, 9 430 + 2 300.
    y.NormBydlo = 11730;
    y.NazevBydleni = "Normativní nájemné + energie";
    y.BydleniVeVete = "normativního nájemného a příspěvku na energie";
    y.PodilNezabCitatel = 85;  // the debtor keeps 85 % of the base
    y.PodilNezabJmenovatel = 100;
    y.KoefHranice = 1.9;
    y.HraniceSrazek = 31521;  // 1,9 × the base
    y.deriveGarnishmentBase();
    return y;
}

}  // namespace platomer
