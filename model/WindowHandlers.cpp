// The behaviour of the window as a whole: activation, the Enter key, the tab change, the links.
#include "model/Kalkulajda.h"
#include "model/Publisher.h"

namespace platomer {

void TKalkulajda::FormActivate(Control& Sender)
{
    NastavParametry();
    // As if the declaration box had been clicked: enables the boxes and recalculates.
    CHckBPodpisClick(Sender);
    EdExekCm.setText(EdCista.text());
}

void TKalkulajda::FormKeyPress(Control&, char32_t& Key)
{
    // Enter never reaches the control: it moves on like Tab.
    if (Key == 13) {
        Key = 0;
        focusNext(true);
    }
}

void TKalkulajda::PcHlavChange(Control&) { EdExekCm.setText(EdCista.text()); }

void TKalkulajda::lWebClick(Control&) { platform().openAddress(Publisher::Web); }

void TKalkulajda::LbrovinaClick(Control&) { platform().openAddress(Publisher::SecondWeb); }

}  // namespace platomer
