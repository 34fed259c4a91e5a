// A click into either amount field switches the mode and clears the figures for new input.
#include "model/Kalkulajda.h"

namespace platomer {

void TKalkulajda::clearResults()
{
    EdCista.setText("");
    EdHruba.setText("");
    for (Control* panel : {&DanBonus, &PDanN, &POdpd, &PSocialni, &PZdravotni, &EdCista, &PZakladDane, &PCelkemN,
                           &EdNaklZam, &PojSum, &ZPF, &SPF, &CprBezBon})
        panel->setText("0");
}

void TKalkulajda::EdHrubaClick(Control&)
{
    ChckBxHrzCis.setTicked(false);
    clearResults();
}

void TKalkulajda::EdCistaClick(Control&)
{
    ChckBxHrzCis.setTicked(true);
    clearResults();
}

}  // namespace platomer
