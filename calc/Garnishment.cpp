// What a garnishment may take from a net wage: the non-seizable amount, the part seized
// without limit, and the rule of thirds for priority and non-priority claims.
#include <algorithm>
#include <exception>

#include "model/AmountText.h"
#include "model/Kalkulajda.h"
#include "model/NumericEntry.h"

namespace platomer {

namespace {

// Clamps the stored field itself, as the garnishment state keeps the clamped deduction.
double clampToZero(double& value)
{
    if (value < 0) value = 0;
    return value;
}

}  // namespace

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

    // Two thirds of the subsistence minimum and housing cost for the debtor, a quarter of that
    // per dependent person, any fraction of a crown rounded up, less the reduction. Never below
    // nothing: a negative amount would let a deduction exceed the wage, and the cap of the
    // reduction would chase it without end.
    const std::int64_t chraneno =
        RoundUp(static_cast<Extended>(ZakladNezab) / 3 * TretinyNezab + static_cast<Extended>(PocetOsob) * NezabOsoba);
    NezabCastka = static_cast<double>(std::max<std::int64_t>(0, chraneno - Ponizeni));
    pNezabKc.setText(NumText(NezabCastka));
    ZbytekCiste = static_cast<double>(static_cast<Extended>(N) - NezabCastka);

    // Up to the limit the rest is divided into thirds; above it everything is seized.
    const Extended L = HraniceSrazek;
    if (ZbytekCiste > L) {
        PrvniTretina = static_cast<double>(Round(L / 3));
        SrazBezOmez = static_cast<double>(Round(ZbytekCiste - L));
        DruhaTretina = static_cast<double>(Round(L - TretinyNezab * (L / 3)));
    } else {
        PrvniTretina = DruhaTretina = static_cast<double>(Round(static_cast<Extended>(ZbytekCiste) / 3));
        SrazBezOmez = 0;
    }
    SrazPrednost = PrvniTretina + SrazBezOmez + DruhaTretina;
    SrazNepr = SrazPrednost - DruhaTretina;
    MzdaPoPred = N - SrazPrednost;
    MzdaPoNepr = N - DruhaTretina - SrazBezOmez;

    // Negative thirds (a wage below the protected amount) show as no deduction and the whole wage.
    if (!(MzdaPoPred > 0)) MzdaPoPred = 0;
    const std::string poPred = NumText(N > MzdaPoPred ? MzdaPoPred : N);
    pMzdaBezP.setText(poPred);
    pMzdaSoub.setText(poPred);
    if (!(MzdaPoNepr > 0)) MzdaPoNepr = 0;
    pMzdaBezN.setText(NumText(N > MzdaPoNepr ? MzdaPoNepr : N));
    pSrazBezO.setText(NumText(clampToZero(SrazBezOmez)));
    pBezSNepr.setText(NumText(clampToZero(SrazNepr)));
    pBezSPrednost.setText(NumText(clampToZero(SrazPrednost)));
    pSoubehNepr.setText(NumText(clampToZero(DruhaTretina)));
    pSoubehPred.setText(NumText(clampToZero(SrazNepr)));
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
        std::int32_t P = StrToInt(EdPoniz.text());
        std::int32_t S = StrToInt(pNezabKc.text());
        // The reduction cannot exceed the amount shown.
        if (P > S) EdPoniz.setText(pNezabKc.text());
        CiExek(Sender);
    } catch (const std::exception&) {
        EdPoniz.setText("0");
    }
}

}  // namespace platomer
