// The rules that tie the option boxes together. Boxes set by code run their own handlers at
// once, so the rules cascade; each only sets boxes towards a state it then leaves alone.
#include <algorithm>

#include "calc/WageMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"

namespace platomer {

namespace {

void setBoth(Control& social, Control& health, bool ticked)
{
    social.setTicked(ticked);
    health.setTicked(ticked);
}

}  // namespace

bool TKalkulajda::anyChildTicked() const
{
    return std::any_of(ChckBxDeti.begin(), ChckBxDeti.end(), [](const auto& child) { return child.plain.ticked(); });
}

void TKalkulajda::CHckBPodpisClick(Control& Sender)
{
    Podepsal = CHckBPodpis.ticked();
    if (Podepsal) {
        CHckBNezdM.setTicked(true);
        setBoth(ChckBSocAno, ChckBZdrAno, true);
        // A credit the year does not know stays locked.
        for (Control* frame : {&GBNezdanC, &GroupBxDeti})
            for (int i = 0; i < frame->childCount(); ++i)
                if (Control& box = frame->child(i); box.isTickBox() && (&box != &CHckBNezdS || SlevaStudPlati))
                    box.setEnabled(true);
    } else {
        // Without a declaration no credit or child counts: clear and lock them, in frame order.
        for (Control* frame : {&GBNezdanC, &GroupBxDeti})
            for (int i = 0; i < frame->childCount(); ++i)
                if (Control& box = frame->child(i); box.isTickBox()) {
                    box.setTicked(false);
                    box.setEnabled(false);
                }
    }
    SpoctiTo(Sender);
}

bool TKalkulajda::insuranceByAgreement()
{
    Hruba = StrToIntDef(EdHruba.text(), 0);
    const bool social = ChckBSocAno.ticked(), health = ChckBZdrAno.ticked();
    if (!CheckBxDpp.ticked())
        // Small-scale work without a declaration pays no insurance.
        setBoth(ChckBSocAno, ChckBZdrAno, !smallScaleFreesInsurance(*this, Podepsal, Hruba));
    else
        setBoth(ChckBSocAno, ChckBZdrAno, !agreementFreesInsurance(*this, true, Hruba));
    return ChckBSocAno.ticked() != social || ChckBZdrAno.ticked() != health;
}

void TKalkulajda::CheckBxDppClick(Control& Sender)
{
    // One agreement at a time: the other's box unticked runs its own recalculation first.
    if (CheckBxDpp.ticked() && CheckBxDpc.ticked()) CheckBxDpc.setTicked(false);
    // A box that changed has recalculated through its own click; when neither did, the tax
    // route may still have changed with the agreement.
    if (!insuranceByAgreement()) SpoctiTo(Sender);
}

void TKalkulajda::studentCreditByYear()
{
    if (SlevaStudPlati) {
        CHckBNezdS.setHint("");
        return;
    }
    CHckBNezdS.setTicked(false);
    CHckBNezdS.setEnabled(false);
    int since = Rok;
    for (const YearRow& row : years())
        if (!row.rules().SlevaStudPlati) {
            since = row.rok;
            break;
        }
    CHckBNezdS.setHint("Sleva na studenta byla od roku " + std::to_string(since) +
                       " zrušena, proto ji nelze zaškrtnout.");
}

void TKalkulajda::ChckBxDetiClick(Control& Sender)
{
    // A child's ZTP-P box brings the child's own box with it.
    for (const auto& [plain, ztp] : ChckBxDeti)
        if (ztp.ticked()) plain.setTicked(true);
    CHckBNezdV.setTicked(anyChildTicked());
    SpoctiTo(Sender);
}

void TKalkulajda::CHckBNezdVClick(Control& Sender)
{
    CHckBNezdV.setTicked(anyChildTicked());
    // Every child's own box first, then every card's: each unticking runs its click at once.
    if (!CHckBNezdV.ticked()) {
        for (const ChildBoxes<Control>& child : ChckBxDeti)
            child.plain.setTicked(false);
        for (const ChildBoxes<Control>& child : ChckBxDeti)
            child.ztp.setTicked(false);
    }
    SpoctiTo(Sender);
}

void TKalkulajda::ChckBxHrzCisClick(Control&)
{
    // The field of the active mode is yellow and takes the focus.
    bool netMode = ChckBxHrzCis.ticked();
    EdCista.setColour(netMode ? Colour::Yellow : Colour::InfoBk);
    EdHruba.setColour(netMode ? Colour::InfoBk : Colour::Yellow);
    (netMode ? EdCista : EdHruba).setFocus();
}

}  // namespace platomer
