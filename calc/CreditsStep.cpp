// The personal credits and the child tax advantage.
#include <utility>

#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

void TKalkulajda::SpoctiSlevy()
{
    ZvyhDeti = 0;
    // The card counts only with the child's own box.
    const std::pair<const Control*, const Control*> children[] = {{&ChckBxDeti1, &ChckBxDeti1z},
                                                                  {&ChckBxDeti2, &ChckBxDeti2z},
                                                                  {&ChckBxDeti3, &ChckBxDeti3z},
                                                                  {&ChckBxDeti4, &ChckBxDeti4z}};
    for (int order = 1; order <= 4; ++order)
        if (const auto [plain, ztp] = children[order - 1]; plain->ticked())
            ZvyhDeti += childAdvantage(order, ztp->ticked());

    std::int32_t slevy = 0;
    if (CHckBNezdM.ticked()) slevy += SlevaPopl;
    if (CHckBNezdS.ticked()) slevy += SlevaStud;
    if (CHckBNezdI.ticked()) slevy += SlevaCInv;
    if (CHckBNezdP.ticked()) slevy += SlevaPInv;
    if (CHckBNezdZTP.ticked()) slevy += SlevaZtp;
    if (!CHckBNezdV.ticked()) ZvyhDeti = 0;

    // No advantage means no child is claimed; unticking runs a nested recalculation.
    if (ZvyhDeti == 0) CHckBNezdV.setTicked(false);

    POdpd.setText(NumText(ZvyhDeti));
    SlevyCelkem = slevy;
    PCelkemN.setText(IntToStr(SlevyCelkem));
}

}  // namespace platomer
