#include "explain/Operands.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace platomer::explaining {

namespace {

struct OperandName {
    std::string_view name, label;
};

// Sorted by name.
constexpr OperandName Names[] = {
    {"Bonus", "daňový bonus"},
    {"Chraneno", "chráněná částka před ponížením"},
    {"Cista", "čistá mzda bez bonusu"},
    {"DanN", "daň po slevách"},
    {"DanPoOsobnich", "daň po slevách, před zvýhodněním na děti"},
    {"DanPoSlevach", "daň po slevách a zvýhodnění"},
    {"DanPredSlevami", "daň před slevami"},
    {"DanSrazkova", "srážková daň"},
    {"DanVyssi", "daň vyšší sazbou"},
    {"DanZakl", "daň základní sazbou"},
    {"DanZaloha", "záloha na daň"},
    {"Dite1", "zvýhodnění na první dítě"},
    {"Dite2", "zvýhodnění na druhé dítě"},
    {"Dite3", "zvýhodnění na třetí dítě"},
    {"Dite4", "zvýhodnění na čtvrté dítě"},
    {"Dluznik", "nezabavitelná částka dlužníka"},
    {"DruhaTretina", "druhá třetina"},
    {"HraniceSrazek", "hranice, nad níž se sráží vše"},
    {"HraniceVyssi", "hranice vyšší sazby"},
    {"Hruba", "hrubá mzda"},
    {"LimitDpp", "limit dohody o provedení práce"},
    {"MinBonus", "nejmenší vyplácený bonus"},
    {"MinHrubaBonus", "polovina minimální mzdy"},
    {"MinZakladZdr", "minimální vyměřovací základ zdravotního pojištění, minimální mzda"},
    {"N", "čistá mzda použitá výpočtem"},
    {"NevyuziteZvyh", "nevyužité zvýhodnění na děti"},
    {"NezabCastka", "nezabavitelná částka"},
    {"NezabOsoba", "nezabavitelná částka na vyživovanou osobu"},
    {"NormBydlo", "normativní náklad na bydlení"},
    {"PocetOsob", "počet vyživovaných osob"},
    {"Ponizeni", "ponížení"},
    {"PriplDite2", "příplatek na druhé dítě"},
    {"PriplDite3", "příplatek na třetí a další dítě"},
    {"PrvniTretina", "první třetina"},
    {"RozhodnyPrijem", "rozhodný příjem"},
    {"SazbaNemoc", "sazba nemocenského pojištění zaměstnance"},
    {"SazbaSlevaDuchodce", "sleva pracujícího důchodce"},
    {"SazbaSocFir", "sazba sociálního pojištění zaměstnavatele"},
    {"SazbaSocZam", "sazba sociálního pojištění zaměstnance"},
    {"SazbaSraz", "sazba srážkové daně"},
    {"SazbaVyssi", "vyšší sazba daně"},
    {"SazbaZaklProcent", "základní sazba daně"},
    {"SazbaZal", "sazba zálohy na daň"},
    {"SazbaZdr", "sazba zdravotního pojištění"},
    {"SlevaCInv", "měsíční sleva na částečnou invaliditu"},
    {"SlevaDuchodce", "sleva pracujícího důchodce na pojistném"},
    {"SlevaPInv", "měsíční sleva na úplnou invaliditu"},
    {"SlevaPopl", "měsíční sleva na poplatníka"},
    {"SlevaStud", "měsíční sleva na studenta"},
    {"SlevaZtp", "měsíční sleva držitele průkazu ZTP-P"},
    {"SlevyCelkem", "slevy na dani"},
    {"SocFir", "sociální pojištění zaměstnavatele"},
    {"SocPlne", "sociální pojištění plnou sazbou"},
    {"SocZam", "sociální pojištění zaměstnance"},
    {"SrazBezOmez", "část zbytku nad hranicí"},
    {"SrazNepr", "srážka nepřednostní, při souběhu přednostní"},
    {"SrazPrednost", "srážka přednostní"},
    {"StropSoc", "roční strop vyměřovacího základu sociálního pojištění"},
    {"TretinaZdr", "třetina zdravotního pojištění ze skutečné mzdy"},
    {"ZakladDrive", "vyměřovací základ dříve v roce"},
    {"ZakladSoc", "vyměřovací základ sociálního pojištění tohoto měsíce"},
    {"ZakladSraz", "základ srážkové daně, sama hrubá mzda"},
    {"ZakladVyssi", "část základu nad hranicí vyšší sazby"},
    {"ZakladZakl", "část základu do hranice vyšší sazby"},
    {"ZakladZaokr", "zaokrouhlený základ daně"},
    {"ZakladniDan", "daň základní sazbou"},
    {"ZbytekCiste", "zbytek čisté mzdy nad nezabavitelnou částkou"},
    {"ZbytekDelitelny", "zbytek do hranice dělitelný třemi"},
    {"ZbytekStropu", "zbytek ročního stropu"},
    {"ZbytekZdr", "zbytek celkového pojistného po podílu zaměstnance"},
    {"ZdrCelkem", "zdravotní pojištění celkem"},
    {"ZdrFir", "zdravotní pojištění zaměstnavatele"},
    {"ZdrMinimum", "pojistné z minimálního vyměřovacího základu"},
    {"ZdrZam", "zdravotní pojištění zaměstnance"},
    {"ZivMin", "životní minimum jednotlivce"},
    {"ZvyhDeti", "daňové zvýhodnění na děti"},
    {"ZvyhDite1", "měsíční zvýhodnění na první dítě"},
};

}  // namespace

std::string_view operandLabel(std::string_view name)
{
    const auto* found = std::lower_bound(std::begin(Names), std::end(Names), name,
                                         [](const OperandName& o, std::string_view n) { return o.name < n; });
    if (found == std::end(Names) || found->name != name)
        throw std::logic_error("Operand " + std::string(name) + " has no label");
    return found->label;
}

}  // namespace platomer::explaining
