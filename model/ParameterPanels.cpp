// The chosen year's parameters and texts set at activation and at the choice of a year, and the panels that show them
// on the wage page (annual credits) and on the garnishment page (the subsistence figures).
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

namespace {

// The annual credits are shown only; the calculation uses the monthly figures.
std::string annual(std::int32_t monthly) { return IntToStr(std::int64_t{monthly} * 12); }

}  // namespace

void TKalkulajda::NastavParametry()
{
    static_cast<TaxYear&>(*this) = rok_->rules();
    control("LabelRok").setText(std::to_string(Rok));
    control("Label17").setText("od 1.1." + std::to_string(Rok));
    control("Label4").setText(NazevBydleni);
    pZivMinJ.setText(IntToStr(ZivMin));
    pNormBydlo.setText(IntToStr(NormBydlo));
    pNezdM.setText(annual(SlevaPopl));
    pNezdS.setText(annual(SlevaStud));
    pNezdI.setText(annual(SlevaCInv));
    pNezdP.setText(annual(SlevaPInv));
    pNezdztp.setText(annual(SlevaZtp));
    pDite1.setText(annual(childAdvantage(1, false)));
    pDite2.setText(annual(childAdvantage(2, false)));
    pDite3.setText(annual(childAdvantage(3, false)));
    pDite1ztp.setText(annual(childAdvantage(1, true)));
    pDite2ztp.setText(annual(childAdvantage(2, true)));
    pDite3ztp.setText(annual(childAdvantage(3, true)));
    p2SazDanod.setText(IntToStr(HraniceVyssi));
    pMr.setText(NumText(LimitMr));
    studentCreditByYear();
    employeeByYear();
}

}  // namespace platomer
