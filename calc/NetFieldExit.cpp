// Leaving the net field: the wanted net becomes the target of a search for its gross.
#include "calc/WagePanels.h"
#include "model/Kalkulajda.h"
#include "model/NumericEntry.h"

namespace platomer {

void TKalkulajda::EditCistaExit(Control&)
{
    // Leaving the net field switches to net to gross; the search runs only while the mode box
    // is ticked, which nothing can undo in between here.
    ChckBxHrzCis.setTicked(true);
    HledejHrubou();
    PadToWidth(EdHruba);
    PadToWidth(EdCista);
    DanBonus.setText(bonusShown(*this, Bonus));
}

}  // namespace platomer
