#include "calc/GarnishmentMath.h"

#include <algorithm>
#include <cmath>

namespace platomer {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

// The window's thirds: each third of the remainder to the nearest crown; above the limit only
// the limit is divided and the rest is seized in full.
void eachThirdRounded(const TaxYear& y, GarnishmentState& g)
{
    const Extended L = y.HraniceSrazek;
    if (g.ZbytekCiste > L) {
        g.PrvniTretina = static_cast<double>(Round(L / 3));
        g.SrazBezOmez = static_cast<double>(Round(g.ZbytekCiste - L));
        g.DruhaTretina = static_cast<double>(Round(L - y.TretinyNezab * (L / 3)));
    } else {
        g.PrvniTretina = g.DruhaTretina = static_cast<double>(Round(static_cast<Extended>(g.ZbytekCiste) / 3));
        g.SrazBezOmez = 0;
    }
    g.ZbytekDelitelny = static_cast<double>(std::min<Extended>(g.ZbytekCiste, L));
}

// The law's thirds: the remainder up to the limit first rounded down to whole crowns divisible
// by three; everything above the limit seized in full.
void divisibleByThree(const TaxYear& y, GarnishmentState& g)
{
    const Extended L = y.HraniceSrazek;
    const Extended upToLimit = std::min<Extended>(g.ZbytekCiste, L);
    const std::int64_t third = floorDiv(static_cast<std::int64_t>(std::floor(upToLimit)), 3);
    g.ZbytekDelitelny = static_cast<double>(third * 3);
    g.PrvniTretina = g.DruhaTretina = static_cast<double>(third);
    // A limit with a fraction leaves a part above it that is rounded up to whole crowns.
    g.SrazBezOmez = g.ZbytekCiste > L ? static_cast<double>(std::ceil(g.ZbytekCiste - L)) : 0;
}

}  // namespace

Extended debtorShare(const TaxYear& y)
{
    // The window's two thirds are a third of the base times two, as the law's fraction is for
    // any other share.
    if (y.TretinyNezab != 0 && y.PodilNezabJmenovatel == 3)
        return static_cast<Extended>(y.ZakladNezab) / 3 * y.TretinyNezab;
    return static_cast<Extended>(y.ZakladNezab) * y.PodilNezabCitatel / y.PodilNezabJmenovatel;
}

std::int64_t protectedAmount(const TaxYear& y, std::int32_t persons)
{
    if (y.Zaokrouhleni == Rounding::WithinThousandth)
        return RoundUp(debtorShare(y) + static_cast<Extended>(persons) * y.NezabOsoba);
    // Exactly: base × share × (1 + persons / 4), rounded up once.
    const std::int64_t quarters = 4 + static_cast<std::int64_t>(persons);
    const std::int64_t numerator = static_cast<std::int64_t>(y.ZakladNezab) * y.PodilNezabCitatel * quarters;
    return -floorDiv(-numerator, static_cast<std::int64_t>(y.PodilNezabJmenovatel) * 4);
}

GarnishmentState garnishment(const TaxYear& y, std::int32_t net, std::int32_t persons, std::int32_t reduction)
{
    GarnishmentState g;
    g.Cista = net;
    g.PocetOsob = persons;
    g.Ponizeni = reduction;
    g.Dluznik = static_cast<double>(debtorShare(y));
    g.Chraneno = protectedAmount(y, persons);
    // Less the reduction, never below nothing: a negative amount would let a deduction exceed
    // the wage, and the cap of the reduction would chase it without end.
    g.NezabCastka = static_cast<double>(std::max<std::int64_t>(0, g.Chraneno - reduction));
    g.ZbytekCiste = static_cast<double>(static_cast<Extended>(net) - g.NezabCastka);

    if (y.Tretiny == Thirds::EachRounded)
        eachThirdRounded(y, g);
    else
        divisibleByThree(y, g);
    g.SrazPrednost = g.PrvniTretina + g.SrazBezOmez + g.DruhaTretina;
    g.SrazNepr = g.SrazPrednost - g.DruhaTretina;
    g.MzdaPoPred = net - g.SrazPrednost;
    g.MzdaPoNepr = net - g.DruhaTretina - g.SrazBezOmez;

    // Negative thirds (a wage below the protected amount) are no deduction and leave the whole wage.
    if (!(g.MzdaPoPred > 0)) g.MzdaPoPred = 0;
    if (!(g.MzdaPoNepr > 0)) g.MzdaPoNepr = 0;
    for (double* deduction : {&g.SrazBezOmez, &g.SrazNepr, &g.SrazPrednost, &g.DruhaTretina})
        if (*deduction < 0) *deduction = 0;
    return g;
}

Extended afterPriorityShown(const GarnishmentState& g) { return g.Cista > g.MzdaPoPred ? g.MzdaPoPred : g.Cista; }

Extended afterNonPriorityShown(const GarnishmentState& g) { return g.Cista > g.MzdaPoNepr ? g.MzdaPoNepr : g.Cista; }

}  // namespace platomer
