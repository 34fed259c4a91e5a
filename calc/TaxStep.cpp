// The tax after credits and the tax bonus of a signed declaration.
#include <exception>

#include "calc/WageMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

void TKalkulajda::SpoctiDan()
{
    TextDanN = "0";
    ZakladZobr = ZakladZaokr;
    try {
        if (!Podepsal) return;
        const SignedTax s = signedTax(*this, {advanceBaseOf(*this), Hruba, ZvyhDeti, SlevyCelkem});
        Bonus = s.bonus;
        TextDanN = IntToStr(s.tax);
    } catch (const std::exception&) {
        platform().message(applicationTitle(), "Jo, je to vyjímka ....", false);
    }
}

}  // namespace platomer
