// The bonus, the net wage with and without it, and the employer's cost.
#include <algorithm>
#include <string>
#include <utility>

#include "explain/WagePage.h"
#include "model/AmountText.h"
#include "model/Years.h"

namespace platomer::explaining {

ExplanationLine WagePage::bonus(ExplanationLine line) const
{
    const Extended shown = k_.parts().CHckBNezdV.ticked() ? w_.Bonus : 0;
    line.result = czechCrowns(shown);
    if (!k_.parts().CHckBNezdV.ticked()) {
        addNote(line, "Žádné dítě není zaškrtnuté.");
        return line;
    }
    if (!w_.Podepsal) {
        addNote(line, shown == 0 ? "Bez podepsaného prohlášení se bonus nevyplácí."
                                 : "Bonus zůstal z posledního výpočtu s podepsaným prohlášením.");
        return line;
    }
    addBasicTax(line);
    line.operands.push_back(crowns("NevyuziteZvyh", signed_.nevyuziteZvyh, true));
    line.operands.push_back(crowns("MinBonus", y_.MinBonus));
    const bool wholeTax = y_.SlevyZ == CreditsAgainst::WholeTax;
    if (wholeTax) {
        line.operands.push_back(gross());
        line.operands.push_back(crowns("MinHrubaBonus", y_.MinHrubaBonus));
        line.operands.push_back(crowns("DanPoOsobnich", signed_.poSlevach + w_.ZvyhDeti, true));
    }
    if (signed_.predSlevami <= 0) {
        addNote(line, wholeTax ? "Ze základu nevychází žádná daň a nevyužité zvýhodnění {NevyuziteZvyh} je celé "
                                 "zvýhodnění."
                               : "Ze základu {ZakladZakl} nevychází žádná daň, a tedy ani záporná daň po slevách: "
                                 "bonus se nevyplácí.");
        if (!wholeTax) return withLawBonus(std::move(line), shown);
    }
    if (signed_.poSlevach >= 0) {
        addNote(line, std::string("Daň {") + (wholeTax ? "DanPredSlevami" : "ZakladniDan") +
                          "} po odečtení slev {SlevyCelkem} a zvýhodnění na děti {ZvyhDeti} zůstává "
                          "{DanPoSlevach}, zvýhodnění se tedy do daně vejde a bonus se nevyplácí.");
    } else if (signed_.bonusUnderMinimum) {
        addNote(line, "Nevyužité zvýhodnění {NevyuziteZvyh} je menší než {MinBonus}, bonus se proto nevyplácí.");
    } else if (signed_.bonusUnderGross) {
        addNote(line,
                "Hrubá mzda {Hruba} nedosahuje poloviny minimální mzdy {MinHrubaBonus}, bonus se proto "
                "nevyplácí.");
    } else if (shown != static_cast<double>(std::min<Extended>(signed_.nevyuziteZvyh, y_.MaxBonus))) {
        addNote(line, "Bonus se z uložených hodnot odvodit nedá.");
    } else if (wholeTax) {
        line.rule = "Zvýhodnění na děti {ZvyhDeti} − daň po slevách {DanPoOsobnich}";
        addNote(line,
                "Daň po slevách a zvýhodnění vychází záporně ({DanPoSlevach}); nevyužité zvýhodnění se "
                "vyplácí jako bonus, je-li aspoň {MinBonus}.");
    } else {
        paidBonus(line, shown);
    }
    if (wholeTax)
        addNote(line, "Bonus se vyplácí jen při hrubé mzdě aspoň poloviny minimální mzdy; okno roku " +
                          std::to_string(defaultYear().rok) + " ho vyplácí při jakékoli mzdě.");
    return withLawBonus(std::move(line), shown);
}

// The bonus paid when the credits are taken off the basic part of the tax: the unused child
// advantage, and where common practice would pay otherwise.
void WagePage::paidBonus(ExplanationLine& line, Extended shown) const
{
    if (signed_.predSlevami - w_.SlevyCelkem > 0) {
        line.rule = "Zvýhodnění na děti {ZvyhDeti} − (daň {ZakladniDan} − slevy {SlevyCelkem})";
    } else {
        line.rule = "Zvýhodnění na děti {ZvyhDeti}";
        addNote(line, "Slevy {SlevyCelkem} samy pokryjí celou daň {ZakladniDan}, vyplácí se celé zvýhodnění.");
    }
    addNote(line,
            "Daň po slevách a zvýhodnění vychází záporně ({DanPoSlevach}); nevyužité zvýhodnění se "
            "vyplácí jako bonus, je-li aspoň {MinBonus}.");
    const std::int32_t halfMinimumWage = y_.MinMzda / 2;
    if (w_.Hruba < halfMinimumWage)
        addNote(line, "V běžné praxi by bonus nenáležel, protože hrubá mzda nedosahuje poloviny minimální mzdy (" +
                          czechCrowns(halfMinimumWage) + "); program ho vyplácí při jakékoli hrubé mzdě.");
    if (shown != static_cast<double>(Round(shown)))
        addNote(line,
                "Bonus nese zlomek koruny, protože 15 % ze základu do 100 Kč nevychází na celé koruny; v "
                "běžné praxi se vyplácí v celých korunách.");
}

// The bonus by the law of the window's year: from half the minimum wage only, the credits off
// the whole tax.
ExplanationLine WagePage::withLawBonus(ExplanationLine line, Extended shown) const
{
    if (law_ == nullptr) return line;
    const SignedTax law = platomer::signedTax(*law_, {base_, w_.Hruba, w_.ZvyhDeti, w_.SlevyCelkem});
    addLawFigure(line, shown, law.bonus,
                 law.bonusUnderGross ? "hrubá mzda nedosahuje poloviny minimální mzdy"
                                     : "slevy se odečítají od celé daně, bonus se vyplácí v celých korunách");
    return line;
}

ExplanationLine WagePage::net(ExplanationLine line) const
{
    line.result = czechCrowns(static_cast<Extended>(net_));
    Operand tax;
    switch (route_) {
    case Route::Signed: tax = crowns("DanN", static_cast<Extended>(wholeNumber(w_.TextDanN).value_or(0))); break;
    case Route::Withholding: tax = crowns("DanSrazkova", w_.DanSrazkova); break;
    case Route::Advance: tax = crowns("DanZaloha", static_cast<Extended>(advanceTax_), true); break;
    }
    line.rule = "Hrubá mzda {Hruba} − " + tax.label + " {" + tax.name +
                "} − sociální pojištění {SocZam} − zdravotní pojištění "
                "{ZdrZam}";
    line.operands = {gross(), tax, crowns("SocZam", w_.SocZam), crowns("ZdrZam", w_.ZdrZam)};
    if (w_.Bonus != 0) addNote(line, "Daňový bonus se sem nepřičítá, je v poli „" + labelFor("CprBezBon") + "“.");
    if (netMode_ && w_.Hruba == LargestGross)
        addNote(line,
                "Zadanou čistou mzdu nedává žádná hrubá mzda do {Hruba}, ukázán je proto výpočet pro tuto "
                "nejvyšší hrubou mzdu.");
    else if (netMode_)
        addNote(line,
                "Hrubá mzda {Hruba} byla nalezena hledáním od zadané čisté mzdy nahoru (po 10 Kč, blízko cíle po "
                "1 Kč): je to první hrubá mzda, jejíž čistá mzda zadanou dosáhne, proto může být čistá mzda o "
                "něco vyšší než zadaná.");
    return line;
}

ExplanationLine WagePage::netWithBonus(ExplanationLine line) const
{
    line.result = czechCrowns(static_cast<Extended>(net_) + w_.Bonus);
    line.rule = "Čistá mzda {Cista} + daňový bonus {Bonus}";
    line.operands = {crowns("Cista", static_cast<Extended>(net_)), crowns("Bonus", w_.Bonus)};
    if (w_.Bonus == 0) addNote(line, "Bonus se nevyplácí, částka se rovná čisté mzdě bez bonusu.");
    return line;
}

ExplanationLine WagePage::employerInsurance(ExplanationLine line) const
{
    const std::int64_t sum = static_cast<std::int64_t>(w_.ZdrFir) + w_.SocFir;
    line.result = czechCrowns(static_cast<Extended>(sum));
    line.rule = "Zdravotní pojištění {ZdrFir} + sociální pojištění {SocFir}";
    line.operands = {crowns("ZdrFir", w_.ZdrFir), crowns("SocFir", w_.SocFir)};
    return line;
}

ExplanationLine WagePage::employerCost(ExplanationLine line) const
{
    const std::int64_t cost = static_cast<std::int64_t>(w_.Hruba) + w_.ZdrFir + w_.SocFir;
    line.result = czechCrowns(static_cast<Extended>(cost));
    line.rule = "Hrubá mzda {Hruba} + zdravotní pojištění {ZdrFir} + sociální pojištění {SocFir} zaměstnavatele";
    line.operands = {gross(), crowns("ZdrFir", w_.ZdrFir), crowns("SocFir", w_.SocFir)};
    return line;
}

}  // namespace platomer::explaining
