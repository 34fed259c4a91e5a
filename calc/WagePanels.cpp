#include "calc/WagePanels.h"

#include "model/AmountText.h"

namespace platomer {

std::string bonusShown(const TKalkulajda& k, double bonus)
{
    return k.parts().CHckBNezdV.ticked() ? k.NumText(bonus) : "0";
}

Route wageRoute(const TKalkulajda& k)
{
    const WageState& w = k.wage();
    return taxRoute(k.year(), w.Podepsal, k.parts().CheckBxDpp.ticked(), w.Hruba);
}

WagePanelTexts wagePanelTexts(const TKalkulajda& k)
{
    const WageState& w = k.wage();
    const TaxYear& y = k.year();
    const Route route = wageRoute(k);
    WagePanelTexts t;
    t.PSocialni = IntToStr(w.SocZam);
    t.PZdravotni = IntToStr(w.ZdrZam);
    // The withholding tax's base is the gross itself, written as a whole number.
    t.PZakladDane = route == Route::Withholding ? IntToStr(w.ZakladSraz) : k.NumText(w.ZakladZobr);
    t.PCelkemN = IntToStr(w.SlevyCelkem);
    t.POdpd = k.NumText(w.ZvyhDeti);
    t.PDanN = w.TextDanN;
    t.PDan20p = route == Route::Advance ? k.NumText(static_cast<Extended>(advanceTax(y, advanceBaseOf(w)))) : "0";
    t.PDan15 = route == Route::Withholding ? k.NumText(w.DanSrazkova) : "0";
    t.DanBonus = bonusShown(k, w.Bonus);
    t.EdCista = w.TextCista;
    const std::int64_t net = wholeNumber(w.TextCista).value_or(0);
    t.CprBezBon = k.NumText(static_cast<Extended>(net) + w.Bonus);
    const std::int64_t employer = static_cast<std::int64_t>(w.ZdrFir) + w.SocFir;
    t.SPF = k.NumText(w.SocFir);
    t.ZPF = k.NumText(w.ZdrFir);
    t.PojSum = k.NumText(static_cast<Extended>(employer));
    // Summed in 64 bits: the employer's cost of the largest wages exceeds the 32-bit range.
    t.EdNaklZam = IntToStr(w.Hruba + employer);
    return t;
}

}  // namespace platomer
