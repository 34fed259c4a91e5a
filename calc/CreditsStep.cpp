// The personal credits and the child tax advantage.
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

void TKalkulajda::SpoctiSlevy()
{
    ZvyhDeti = 0;
    // The card counts only with the child's own box.
    for (int order = 1; order <= 4; ++order)
        if (const auto& [plain, ztp] = ChckBxDeti[order - 1]; plain.ticked())
            ZvyhDeti += childAdvantage(order, ztp.ticked());

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
