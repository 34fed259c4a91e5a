// Net to gross on the window: the candidates rise from the wanted net until one reaches it.
#include "calc/GrossSearch.h"
#include "model/AmountText.h"
#include "model/Kalkulajda.h"
#include "model/NumericEntry.h"

namespace platomer {

std::int32_t TKalkulajda::tryGross(std::int64_t gross)
{
    EdHruba.setText(IntToStr(gross));
    SpoctiPojistne();
    SpoctiDan();
    ZobrazVysledky();
    return StrToInt(TextCista);
}

void TKalkulajda::HledejHrubou()
{
    if (!ChckBxHrzCis.ticked()) return;
    const std::int32_t G = StrToIntDef(EdCista.text(), 0);
    const std::int32_t T = StrToIntDef(EdCista.text(), 0);
    // The credits depend only on the boxes, not on the gross.
    SpoctiSlevy();
    // No net is known before the first pass: it counts as 0, so a target within 100 of it
    // starts with single steps.
    const std::int32_t step = withinHundred(T, 0) ? 1 : 10;
    // The first candidate runs on the window: it may untick the insurance boxes, which nests a
    // complete search. After it the options stay as they are for every further candidate.
    const std::int32_t last = tryGross(G);
    if (last >= T) return;
    WageOptions o{Podepsal, CheckBxDpp.ticked(), ChckBSocAno.ticked(), ChckBZdrAno.ticked(),
                  ZvyhDeti, SlevyCelkem,         Zamestnanec};
    std::optional<std::int32_t> gross = findGross(*this, o, T, {static_cast<std::int64_t>(G) + step, step, last});
    tryGross(gross.value_or(2147483647));
    if (!gross)
        platform().message(applicationTitle(),
                           "Čistou mzdu " + IntToStr(T) +
                               " Kč nedává žádná hrubá mzda do 2147483647 Kč, proto je zobrazen výpočet "
                               "pro tuto nejvyšší hrubou mzdu.",
                           false);
}

}  // namespace platomer
