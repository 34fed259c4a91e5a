// The year's parameters set at activation, and the panels that show them on the wage page
// (annual credits) and on the garnishment page (the subsistence figures).
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

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
    pDite1.setText(IntToStr(childAdvantage(1, false) * 12));
    pDite2.setText(IntToStr(childAdvantage(2, false) * 12));
    pDite3.setText(IntToStr(childAdvantage(3, false) * 12));
    pDite1ztp.setText(IntToStr(childAdvantage(1, true) * 12));
    pDite2ztp.setText(IntToStr(childAdvantage(2, true) * 12));
    pDite3ztp.setText(IntToStr(childAdvantage(3, true) * 12));
    p2SazDanod.setText(IntToStr(HraniceVyssi));
    pMr.setText(NumText(LimitMr));
}

}  // namespace platomer
