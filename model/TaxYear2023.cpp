// The rates, credits, limits and subsistence figures in force from 1 January 2023, with the
// window's own rules of that year.
#include "model/Rounding.h"
#include "model/Years.h"

namespace platomer {

TaxYear taxYear2023()
{
    TaxYear y;
    y.Rok = 2023;
    y.SazbaSocZam = 0.065;  // zákon 589/1992 Sb. § 7: pension insurance of the employee
    y.SazbaSocFir = 0.248;  // zákon 589/1992 Sb. § 7: the employer's social insurance
    y.SazbaZdr = 0.135;     // zákon 592/1992 Sb. § 2
    y.SlevaPopl = 2570;     // zákon 586/1992 Sb. § 35ba: the taxpayer's credit, monthly
    y.ZvyhDite1 = 1267;     // § 35c: the first child
    y.PriplDite2 = 593;     // the second child's advantage less the first's (1 860)
    y.PriplDite3 = 1053;    // the third and every later child's less the first's (2 320)
    y.SlevaStud = 335;      // § 35ba: the student's credit
    y.SlevaCInv = 210;      // partial disability
    y.SlevaPInv = 420;      // full disability
    y.SlevaZtp = 1345;      // the ZTP-P card holder
    y.SazbaSraz = 0.15;     // § 36: the withholding tax
    y.SazbaZal = 0.15;      // § 16: the basic rate
    y.LimitDpp = 10000;     // zákon 187/2006 Sb. § 7a: an agreement up to this pays no insurance
    y.MinBonus = 50;        // § 35d: the smallest monthly bonus paid
    y.MaxBonus = 999999999999;
    y.SazbaVyssi = 0.23;        // § 16: the higher rate
    y.HraniceVyssi = 161296;    // four times the average wage of 40 324
    y.LimitMr = 4000;           // § 6: small-scale work without a declaration is taxed by withholding
    y.MalyRozsahOd = 4000;      // zákon 187/2006 Sb. § 6: small-scale work insured from 4 000
    y.LimitMrPojisteni = 4000;  // the window frees a gross of exactly 4 000 as well
    y.MinMzda = 17300;          // nařízení vlády 567/2006 Sb.
    y.MinHrubaBonus = 0;        // the window pays a bonus at any gross
    y.ZivMin = 4860;            // the subsistence minimum of one person
    y.NormBydlo = 15597;        // the housing norm
    y.NazevBydleni = "Normativní náklad na bydlení";
    y.BydleniVeVete = "normativního nákladu na bydlení";
    y.KoefHranice = 1.5;
    y.HraniceSrazek = static_cast<double>(static_cast<Extended>(y.ZivMin + y.NormBydlo) * 1.5L);  // 1,5 × the base
    y.TretinyNezab = 2;
    y.PodilNezabCitatel = 2;
    y.PodilNezabJmenovatel = 3;
    y.PodilOsoba = 0.25;
    y.deriveGarnishmentBase();
    y.SazbaZaklProcent = 15;
    return y;
}

// The law of 2023 differs from the window's rules in the split of the health insurance, the
// bonus condition, the credits against the whole tax and the thirds of a garnishment.
TaxYear taxYear2023Law()
{
    TaxYear y = taxYear2023();
    y.Zaokrouhleni = Rounding::Exact;
    y.DeleniZdr = HealthSplit::EmployerRest;
    y.SlevyZ = CreditsAgainst::WholeTax;
    y.Tretiny = Thirds::DivisibleByThree;
    y.MinHrubaBonus = y.MinMzda / 2;
    return y;
}

}  // namespace platomer
