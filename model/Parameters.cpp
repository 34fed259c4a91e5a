#include "model/AmountText.h"
#include "model/Kalkulajda.h"

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
    return y;
}

void TKalkulajda::NastavParametry()
{
    static_cast<TaxYear&>(*this) = taxYear2023();
    pZivMinJ.setText(IntToStr(ZivMin));
    pNormBydlo.setText(IntToStr(NormBydlo));
    // The annual credits are shown only; the calculation uses the monthly figures.
    pNezdM.setText(IntToStr(SlevaPopl * 12));
    pNezdS.setText(IntToStr(SlevaStud * 12));
    pNezdI.setText(IntToStr(SlevaCInv * 12));
    pNezdP.setText(IntToStr(SlevaPInv * 12));
    pNezdztp.setText(IntToStr(SlevaZtp * 12));
    pDite1.setText(IntToStr(ZvyhDite1 * 12));
    pDite2.setText(IntToStr((ZvyhDite1 + PriplDite2) * 12));
    pDite3.setText(IntToStr((ZvyhDite1 + PriplDite3) * 12));
    pDite1ztp.setText(IntToStr(ZvyhDite1 * 24));
    pDite2ztp.setText(IntToStr((ZvyhDite1 + PriplDite2) * 24));
    pDite3ztp.setText(IntToStr((ZvyhDite1 + PriplDite3) * 24));
    p2SazDanod.setText(IntToStr(HraniceVyssi));
    pMr.setText(NumText(LimitMr));
}

}  // namespace platomer
