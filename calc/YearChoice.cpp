// The choice of the year whose rules both pages follow.
#include <exception>

#include "model/Kalkulajda.h"

namespace platomer {

std::string TKalkulajda::applicationTitle() const { return platomer::applicationTitle(rok_->rok); }

bool TKalkulajda::ZvolRok(int rok)
{
    const YearRow* row = findYear(rok);
    if (row == nullptr || row == rok_) return false;
    rok_ = row;
    changed();
    // Before activation the window only starts with the year.
    if (Rok == 0) return true;

    // Every tick stays but where the year's own option rules act: the student's credit and,
    // under an agreement, the insurance boxes by the new agreement limit. The amounts, the
    // persons and the reduction stay as typed; both pages are computed again by the new rules.
    NastavParametry();
    if (CheckBxDpp.ticked()) insuranceByAgreement();
    if (SlevaStudPlati) CHckBNezdS.setEnabled(CHckBPodpis.ticked());
    SpoctiTo(Kalkulajda);
    EdExekCm.setText(EdCista.text());
    // The second page shows the new year's figures even when the net it was handed is the same.
    try {
        CiExek(EdExekCm);
    } catch (const std::exception&) {
        // An empty or unreadable net wage leaves the page as it was.
    }
    return true;
}

}  // namespace platomer
