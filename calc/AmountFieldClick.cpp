// A click into either amount field switches the mode and clears the figures for new input.
#include "model/Kalkulajda.h"

namespace platomer {

namespace {

void clearResults(TKalkulajda& k)
{
    k.EdCista.setText("");
    k.EdHruba.setText("");
    for (Control* panel : {&k.DanBonus, &k.PDanN, &k.POdpd, &k.PSocialni, &k.PZdravotni, &k.EdCista, &k.PZakladDane,
                           &k.PCelkemN, &k.EdNaklZam, &k.PojSum, &k.ZPF, &k.SPF, &k.CprBezBon})
        panel->setText("0");
}

}  // namespace

void TKalkulajda::EdHrubaClick(Control&)
{
    ChckBxHrzCis.setTicked(false);
    clearResults(*this);
}

void TKalkulajda::EdCistaClick(Control&)
{
    ChckBxHrzCis.setTicked(true);
    clearResults(*this);
}

}  // namespace platomer
