// The tax route, every result panel, the net wage and the employer's cost.
#include "calc/WageMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

void TKalkulajda::ZobrazVysledky()
{
    PDan20p.setText("0");
    PDan15.setText("0");
    PSocialni.setText(IntToStr(SocZam));
    PZdravotni.setText(IntToStr(ZdrZam));
    PDanN.setText(TextDanN);
    DanBonus.setText(CHckBNezdV.ticked() ? NumText(Bonus) : "0");
    POdpd.setText(NumText(ZvyhDeti));
    switch (taxRoute(*this, Podepsal, CheckBxDpp.ticked(), Hruba)) {
    case Route::Signed: PZakladDane.setText(NumText(ZakladZobr)); break;
    case Route::Withholding:
        PDan15.setText(NumText(DanSrazkova));
        PZakladDane.setText(IntToStr(ZakladSraz));
        break;
    case Route::Advance:
        PDan20p.setText(NumText(static_cast<Extended>(advanceTax(DanZakl, DanVyssi))));
        PZakladDane.setText(NumText(ZakladZobr));
        break;
    }
    // The bonus is paid only on a signed declaration with a child claimed; a value left from an
    // earlier signed calculation must not be shown or added.
    if (!CHckBNezdV.ticked() || !Podepsal) Bonus = 0;

    // The net wage subtracts exactly the whole-crown taxes the panels show.
    std::int64_t taxes =
        static_cast<std::int64_t>(StrToInt(TextDanN)) + StrToInt(PDan20p.text()) + StrToInt(PDan15.text());
    std::int64_t net = static_cast<std::int64_t>(Hruba) - taxes - SocZam - ZdrZam;
    TextCista = IntToStr(net);
    EdCista.setText(TextCista);
    Extended withBonus = static_cast<Extended>(Hruba) - taxes + Bonus - SocZam - ZdrZam;
    CprBezBon.setText(NumText(withBonus));

    // Summed in 64 bits: the employer's cost of the largest wages exceeds the 32-bit range.
    EdNaklZam.setText(IntToStr(static_cast<std::int64_t>(Hruba) + ZdrFir + SocFir));
    SPF.setText(NumText(SocFir));
    ZPF.setText(NumText(ZdrFir));
    PojSum.setText(NumText(static_cast<std::int64_t>(ZdrFir) + SocFir));
    ++wageResultsWritten_;
}

}  // namespace platomer
