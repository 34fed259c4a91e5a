// The three tax routes: the tax after credits of a signed declaration, the advance and the
// withholding tax.
#include <string>
#include <utility>

#include "explain/WagePage.h"
#include "model/AmountText.h"
#include "model/Years.h"

namespace platomer::explaining {

void WagePage::addBasicTax(ExplanationLine& line) const
{
    line.operands.push_back(rate("SazbaZaklProcent", y_.SazbaZaklProcent / 100.0));
    line.operands.push_back(crowns("ZakladZakl", w_.ZakladZakl));
    if (y_.SlevyZ == CreditsAgainst::BasicPart)
        line.operands.push_back(crowns("ZakladniDan", signed_.predSlevami, true));
    else
        line.operands.push_back(crowns("DanPredSlevami", signed_.predSlevami, true));
    line.operands.push_back(crowns("SlevyCelkem", w_.SlevyCelkem));
    line.operands.push_back(crowns("ZvyhDeti", w_.ZvyhDeti));
    line.operands.push_back(crowns("DanPoSlevach", signed_.poSlevach, true));
}

void WagePage::addHigherTax(ExplanationLine& line) const
{
    if (w_.ZakladVyssi <= 0) return;
    line.operands.push_back(rate("SazbaVyssi", y_.SazbaVyssi));
    line.operands.push_back(crowns("ZakladVyssi", w_.ZakladVyssi));
    line.operands.push_back(crowns("DanVyssi", w_.DanVyssi));
    line.rule += " + daň {SazbaVyssi} z části základu nad hranicí {ZakladVyssi} ({DanVyssi})";
    addNote(line, higherRateNote());
}

ExplanationLine WagePage::signedTax(ExplanationLine line) const
{
    const std::int64_t tax = wholeNumber(w_.TextDanN).value_or(0);
    line.result = czechCrowns(static_cast<Extended>(tax));
    if (!w_.Podepsal) {
        addNote(line, "Bez podepsaného prohlášení se daň po slevách nepočítá; daň je v poli „" +
                          labelFor(route_ == Route::Withholding ? "PDan15" : "PDan20p") + "“.");
        return line;
    }
    addBasicTax(line);
    if (signed_.tax != tax) {
        addNote(line, "Daň se z uložených hodnot odvodit nedá.");
        return line;
    }
    if (y_.SlevyZ == CreditsAgainst::WholeTax) return creditsOffWholeTax(std::move(line));
    if (signed_.predSlevami <= 0) {
        addNote(line, "Ze základu {ZakladZakl} nevychází žádná daň, slevy se proto neodečítají.");
        return line;
    }
    line.rule = w_.ZakladVyssi > 0 ? "Daň {SazbaZaklProcent} ze základu do hranice {ZakladZakl} ({ZakladniDan})"
                                   : "Daň {SazbaZaklProcent} ze základu {ZakladZakl} ({ZakladniDan})";
    line.rule += " − slevy {SlevyCelkem} − zvýhodnění na děti {ZvyhDeti}";
    if (signed_.poSlevach < 0) {
        line.rule += ", nejméně však 0 Kč";
        if (w_.ZakladVyssi > 0) line.rule = "(" + line.rule + ")";
        addNote(line, "Rozdíl vychází záporně ({DanPoSlevach}); nevyužité zvýhodnění na děti je daňový bonus.");
    }
    addHigherTax(line);
    line.rounding = RoundedUp;
    return line;
}

// The credits off the whole tax: both parts rounded up once, the personal credits never below
// nothing, then the child advantage.
ExplanationLine WagePage::creditsOffWholeTax(ExplanationLine line) const
{
    if (signed_.predSlevami <= 0) {
        addNote(line, "Ze základu {ZakladZaokr} nevychází žádná daň, slevy se proto neodečítají.");
        line.operands.push_back(crowns("ZakladZaokr", w_.ZakladZaokr));
        return line;
    }
    line.rule = "Daň {SazbaZaklProcent} ze základu {ZakladZakl}";
    addHigherTax(line);
    line.rule +=
        ", zaokrouhleno nahoru na celé koruny ({DanPredSlevami}), − slevy {SlevyCelkem} (nejvýše do výše "
        "daně) − zvýhodnění na děti {ZvyhDeti}";
    if (signed_.poSlevach < 0) {
        line.rule += ", nejméně však 0 Kč";
        addNote(line, "Rozdíl vychází záporně ({DanPoSlevach}); nevyužité zvýhodnění na děti je daňový bonus.");
    }
    addNote(line, "Slevy se odečítají od celé daně včetně části vyšší sazbou; okno roku " +
                      std::to_string(defaultYear().rok) + " je odečítá jen od daně základní sazbou.");
    return line;
}

std::string WagePage::withholdingLimit() const
{
    return k_.parts().CheckBxDpp.ticked() ? "u dohody o provedení práce do " + czechCrowns(y_.LimitDpp)
                                          : "do " + czechCrowns(y_.LimitMr);
}

ExplanationLine WagePage::advance(ExplanationLine line) const
{
    if (route_ != Route::Advance) {
        line.result = czechCrowns(0);
        if (route_ == Route::Signed)
            addNote(line, "Prohlášení je podepsané, daň je v poli „" + labelFor("PDanN") + "“.");
        else
            addNote(line, "Bez podepsaného prohlášení se z hrubé mzdy " + withholdingLimit() +
                              " včetně platí srážková daň (pole „" + labelFor("PDan15") + "“).");
        return line;
    }
    line.result = czechCrowns(static_cast<Extended>(advanceTax_));
    line.operands = {rate("SazbaZal", y_.SazbaZal), crowns("ZakladZakl", w_.ZakladZakl), crowns("DanZakl", w_.DanZakl),
                     gross()};
    line.rule = w_.ZakladVyssi > 0 ? "Daň {SazbaZal} ze základu do hranice {ZakladZakl} ({DanZakl})"
                                   : "Daň {SazbaZal} ze základu {ZakladZakl} ({DanZakl})";
    addHigherTax(line);
    line.rounding = RoundedUp;
    addNote(line,
            "Bez podepsaného prohlášení se neodečítají slevy ani zvýhodnění na děti; hrubá mzda {Hruba} je "
            "nad limitem srážkové daně (" +
                withholdingLimit() + " včetně).");
    return line;
}

ExplanationLine WagePage::withholding(ExplanationLine line) const
{
    if (route_ != Route::Withholding) {
        line.result = czechCrowns(0);
        if (route_ == Route::Signed)
            addNote(line, "Prohlášení je podepsané, srážková daň se neplatí.");
        else
            addNote(line, "Hrubá mzda " + czechCrowns(w_.Hruba) + " je nad limitem srážkové daně (" +
                              withholdingLimit() + " včetně), platí se záloha (pole „" + labelFor("PDan20p") + "“).");
        return line;
    }
    line.result = czechCrowns(w_.DanSrazkova);
    line.rule = "{SazbaSraz} z hrubé mzdy {ZakladSraz}";
    line.operands = {rate("SazbaSraz", y_.SazbaSraz), crowns("ZakladSraz", w_.ZakladSraz)};
    line.rounding = "zaokrouhleno dolů na celé koruny";
    addNote(line, "Bez podepsaného prohlášení se z hrubé mzdy " + withholdingLimit() +
                      " včetně platí srážková daň, ze základu bez zaokrouhlení.");
    return line;
}

}  // namespace platomer::explaining
