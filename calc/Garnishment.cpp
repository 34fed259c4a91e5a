// The garnishment page's handlers: they read the inputs, compute the page by its rules and
// write the panels.
#include <exception>

#include "calc/GarnishmentMath.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"
#include "model/NumericEntry.h"

namespace platomer {

void TKalkulajda::CiExek(Control&)
{
    Ponizeni = 0;
    std::int32_t PocetOsob = 0;
    // Unreadable counts are answered silently by writing "0" back, which recalculates nested.
    try {
        PocetOsob = StrToInt(EdDeti.text());
    } catch (const ConvertError&) {
        EdDeti.setText("0");
        PocetOsob = 0;
    }
    try {
        Ponizeni = StrToInt(EdPoniz.text());
    } catch (const ConvertError&) {
        EdPoniz.setText("0");
        Ponizeni = 0;
    }
    const std::int32_t N = StrToInt(EdExekCm.text());
    static_cast<GarnishmentState&>(*this) = platomer::garnishment(*this, N, PocetOsob, Ponizeni);
    pNezabKc.setText(NumText(NezabCastka));
    const std::string poPred = NumText(afterPriorityShown(*this));
    pMzdaBezP.setText(poPred);
    pMzdaSoub.setText(poPred);
    pMzdaBezN.setText(NumText(afterNonPriorityShown(*this)));
    pSrazBezO.setText(NumText(SrazBezOmez));
    pBezSNepr.setText(NumText(SrazNepr));
    pBezSPrednost.setText(NumText(SrazPrednost));
    pSoubehNepr.setText(NumText(DruhaTretina));
    pSoubehPred.setText(NumText(SrazNepr));
}

void TKalkulajda::EdExekCmChange(Control& Sender)
{
    try {
        CiExek(Sender);
    } catch (const std::exception&) {
        // An empty or unreadable net wage simply leaves the page as it was.
    }
}

void TKalkulajda::EdExekCmExit(Control&) { PadToWidth(EdExekCm); }

void TKalkulajda::EdPonizChange(Control& Sender)
{
    try {
        const std::int32_t P = StrToInt(EdPoniz.text());
        // Before the first calculation no protected amount is shown, and no reduction stands.
        if (pNezabKc.text().empty()) {
            EdPoniz.setText("0");
            return;
        }
        // The reduction cannot exceed the protected amount shown, which may lie beyond the 32-bit
        // range of the field when the persons are many.
        if (P > NezabCastka) EdPoniz.setText(pNezabKc.text());
        CiExek(Sender);
    } catch (const std::exception&) {
        EdPoniz.setText("0");
    }
}

}  // namespace platomer
