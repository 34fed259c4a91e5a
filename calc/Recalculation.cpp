// The recalculation driver: every change on the wage page ends here.
#include "calc/WagePanels.h"
#include "model/Kalkulajda.h"
#include "model/NumericEntry.h"

namespace platomer {

void TKalkulajda::SpoctiTo(Control&)
{
    if (CHckBNezdV.ticked()) DanBonus.setText("0");
    if (ChckBxHrzCis.ticked())
        HledejHrubou();
    else
        SpoctiPojistne();
    SpoctiSlevy();
    SpoctiDan();
    ZobrazVysledky();
    PadToWidth(EdHruba);
    PadToWidth(EdCista);
    // Hands the net wage to the garnishment page; an unchanged text raises nothing there.
    EdExekCm.setText(EdCista.text());
    DanBonus.setText(bonusShown(*this, Bonus));
}

}  // namespace platomer
