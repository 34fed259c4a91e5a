// The first step of a recalculation: insurance, the rounded base and both taxes' bases.
#include "calc/WageMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

void TKalkulajda::SpoctiPojistne()
{
    Hruba = StrToIntDef(EdHruba.text(), 0);
    // Within the agreement's limit no insurance is paid. Each untick runs a complete nested
    // recalculation; the boxes are never ticked again here.
    if (agreementFreesInsurance(*this, CheckBxDpp.ticked(), Hruba)) {
        ChckBSocAno.setTicked(false);
        ChckBZdrAno.setTicked(false);
    }
    Zamestnanec = employee();
    Insurance i = insurance(*this, Hruba, ChckBSocAno.ticked(), ChckBZdrAno.ticked(), Zamestnanec);
    SocZam = i.SocZam;
    SocFir = i.SocFir;
    ZdrZam = i.ZdrZam;
    ZdrFir = i.ZdrFir;
    AdvanceBase b = advanceBase(*this, Hruba);
    ZakladZaokr = b.ZakladZaokr;
    ZakladVyssi = b.ZakladVyssi;
    DanVyssi = b.DanVyssi;
    ZakladZakl = b.ZakladZakl;
    DanZakl = b.DanZakl;
    // The withholding base is the gross itself, not the rounded base.
    ZakladSraz = Low32(RoundUp(Hruba));
    DanSrazkova = withholdingTax(*this, ZakladSraz);
}

}  // namespace platomer
