// The personal credits and the child tax advantage.
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

void TKalkulajda::SpoctiSlevy()
{
    ZvyhDeti = 0;
    // A child with a ZTP-P card counts twice; the card counts only with the child's own box.
    auto factor = [](const Control& ztp) { return ztp.ticked() ? 2 : 1; };
    const std::int32_t treti = ZvyhDite1 + PriplDite3;
    if (ChckBxDeti1.ticked()) ZvyhDeti = ZvyhDite1 * factor(ChckBxDeti1z);
    if (ChckBxDeti2.ticked()) ZvyhDeti += (ZvyhDite1 + PriplDite2) * factor(ChckBxDeti2z);
    if (ChckBxDeti3.ticked()) ZvyhDeti += treti * factor(ChckBxDeti3z);
    if (ChckBxDeti4.ticked()) ZvyhDeti += treti * factor(ChckBxDeti4z);

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
