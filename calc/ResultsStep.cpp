// The tax route, every result panel, the net wage and the employer's cost.
#include "calc/WagePanels.h"
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
    DanBonus.setText(bonusShown(*this, Bonus));
    POdpd.setText(NumText(ZvyhDeti));
    // The bonus is paid only on a signed declaration with a child claimed; a value left from an
    // earlier signed calculation must not be shown or added.
    if (!CHckBNezdV.ticked() || !Podepsal) Bonus = 0;
    TextCista = "0";
    WagePanelTexts shown = wagePanelTexts(*this);
    switch (wageRoute(*this)) {
    case Route::Signed: break;
    case Route::Withholding: PDan15.setText(shown.PDan15); break;
    case Route::Advance: PDan20p.setText(shown.PDan20p); break;
    }
    PZakladDane.setText(shown.PZakladDane);

    // The net wage subtracts exactly the whole-crown taxes the panels show.
    std::int64_t taxes =
        static_cast<std::int64_t>(StrToInt(TextDanN)) + StrToInt(PDan20p.text()) + StrToInt(PDan15.text());
    TextCista = IntToStr(static_cast<std::int64_t>(Hruba) - taxes - SocZam - ZdrZam);
    shown = wagePanelTexts(*this);
    EdCista.setText(shown.EdCista);
    CprBezBon.setText(shown.CprBezBon);
    EdNaklZam.setText(shown.EdNaklZam);
    SPF.setText(shown.SPF);
    ZPF.setText(shown.ZPF);
    PojSum.setText(shown.PojSum);
    if (watch_ != nullptr) watch_->wageResultsWritten();
}

}  // namespace platomer
