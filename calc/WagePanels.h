#pragma once
// What each figure of the wage page shows, decided once: which value, as a whole number or as
// the text of a real, and when a route shows "0". The results step writes these texts and the
// explanations compare a panel with them to know whether it still shows the calculation.

#include <string>

#include "calc/WageMath.h"
#include "model/Kalkulajda.h"

namespace platomer {

// The bonus panel: the bonus only while a child is claimed.
std::string bonusShown(const TKalkulajda& k, double bonus);

struct WagePanelTexts {
    std::string PSocialni, PZdravotni, PZakladDane, PCelkemN, POdpd, PDanN, PDan20p, PDan15, DanBonus;
    std::string EdCista, CprBezBon, SPF, ZPF, PojSum, EdNaklZam;
};

// Every result panel of the wage page as the last calculation left the state.
WagePanelTexts wagePanelTexts(const TKalkulajda& k);

// The tax route of the last calculation.
Route wageRoute(const TKalkulajda& k);

}  // namespace platomer
