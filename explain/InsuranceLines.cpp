// The insurance of the employee and of the employer, social and health.
#include <string>
#include <string_view>
#include <utility>

#include "explain/WagePage.h"
#include "model/Years.h"

namespace platomer::explaining {

ExplanationLine WagePage::notDeducted(ExplanationLine line, const Control& box) const
{
    addNote(line, "Pojištění se nesráží: políčko u „" + labelFor(box.name()) + "“ není zaškrtnuté.");
    if (agreementFreesInsurance(y_, k_.parts().CheckBxDpp.ticked(), w_.Hruba))
        addNote(line, "U dohody o provedení práce do " + czechCrowns(y_.LimitDpp) + " včetně se pojištění neplatí.");
    else if (!k_.parts().CheckBxDpp.ticked() && smallScaleFreesInsurance(y_, w_.Podepsal, w_.Hruba))
        addNote(line, "Bez podepsaného prohlášení se z mzdy do " + czechCrowns(y_.LimitMrPojisteni) +
                          " včetně pojištění nesráží.");
    return line;
}

std::string WagePage::smallScaleNote() const
{
    // Where the law's participation rules decide, the figure itself says whether it is paid.
    if (y_.Ucast != Participation::Boxes) return {};
    if (k_.parts().CheckBxDpp.ticked() || w_.Hruba <= 0 || w_.Hruba >= y_.MalyRozsahOd) return {};
    return "V běžné praxi se z mzdy pod " + czechCrowns(y_.MalyRozsahOd) +
           " (zaměstnání malého rozsahu) pojištění neplatí, program ho sráží, dokud je políčko zaškrtnuté.";
}

// Why the employee's work pays no insurance of this kind at this gross.
ExplanationLine WagePage::notInsured(ExplanationLine line) const
{
    const Employee& e = w_.Zamestnanec;
    line.operands = {gross(), crowns("RozhodnyPrijem", y_.MalyRozsahOd), crowns("LimitDpp", y_.LimitDpp)};
    if (e.work == Work::Dpp)
        addNote(line, "Z dohody o provedení práce do {LimitDpp} včetně se pojištění neplatí.");
    else if (w_.Hruba <= 0)
        addNote(line, "Z mzdy {Hruba} se pojištění neplatí.");
    else if (e.work == Work::Dpc)
        addNote(line,
                "Z dohody o pracovní činnosti s příjmem pod rozhodným příjmem {RozhodnyPrijem} se pojištění "
                "neplatí.");
    else
        addNote(line,
                "Z mzdy pod rozhodným příjmem {RozhodnyPrijem} (zaměstnání malého rozsahu) se sociální "
                "pojištění neplatí.");
    return line;
}

// Each side's social insurance is its own rate of the month's social base, rounded up on its own:
// the gross, or what the year's cap leaves of it; a working pensioner's relief comes off the
// employee's.
ExplanationLine WagePage::socialShare(ExplanationLine line, std::int32_t share, const char* rateName,
                                      double rateValue) const
{
    line.result = czechCrowns(share);
    if (!k_.parts().ChckBSocAno.ticked()) return notDeducted(std::move(line), k_.parts().ChckBSocAno);
    const Employee& e = w_.Zamestnanec;
    if (!sociallyInsured(y_, e, w_.Hruba)) return notInsured(std::move(line));
    const std::int64_t base = socialBase(y_, e, w_.Hruba);
    const bool capped = base != w_.Hruba;
    line.operands = {rate(rateName, rateValue), gross()};
    const std::string of = capped ? "ze základu {ZakladSoc}" : "z hrubé mzdy {Hruba}";
    line.rule = std::string("{") + rateName + "} " + of;
    line.rounding = RoundedUp;
    if (capped) {
        line.operands.push_back(crowns("ZakladSoc", static_cast<Extended>(base), true));
        line.operands.push_back(crowns("StropSoc", static_cast<Extended>(y_.StropSocZakladu)));
        line.operands.push_back(crowns("ZakladDrive", static_cast<Extended>(e.earlierBase)));
        line.operands.push_back(crowns("ZbytekStropu", static_cast<Extended>(capLeft(y_, e)), true));
        addNote(line,
                "Roční strop vyměřovacího základu sociálního pojištění je {StropSoc}; dříve v roce se "
                "vyměřilo {ZakladDrive}, zbývá {ZbytekStropu}, proto se pojistné platí jen ze základu "
                "{ZakladSoc}, ne z celé hrubé mzdy {Hruba}.");
    }
    const std::int64_t relief = std::string_view(rateName) == "SazbaSocZam" ? pensionerRelief(y_, e, base) : 0;
    if (relief > 0) {
        const Extended full = static_cast<Extended>(share + relief);
        line.operands.push_back(crowns("SocPlne", full, true));
        line.operands.push_back(rate("SazbaSlevaDuchodce", y_.SazbaSlevaDuchodce));
        line.operands.push_back(crowns("SlevaDuchodce", static_cast<Extended>(relief), true));
        line.operands.push_back(rate("SazbaNemoc", y_.SazbaSocZam - y_.SazbaSlevaDuchodce));
        line.rule = std::string("{") + rateName + "} " + of +
                    " ({SocPlne}, zaokrouhleno nahoru) − sleva pracujícího důchodce {SazbaSlevaDuchodce} ze "
                    "stejného základu ({SlevaDuchodce}, zaokrouhleno nahoru)";
        line.rounding.clear();
        addNote(line, "Pracující důchodce platí jen nemocenské pojištění {SazbaNemoc}.");
    }
    addNote(line, smallScaleNote());
    return line;
}

ExplanationLine WagePage::social(ExplanationLine line) const
{
    return socialShare(std::move(line), w_.SocZam, "SazbaSocZam", y_.SazbaSocZam);
}

// Below the minimum base the employer pays its share of the actual premium, the employee the rest
// of the minimum's premium.
ExplanationLine WagePage::healthMinimum(ExplanationLine line) const
{
    line.operands = {crowns("ZdrMinimum", static_cast<Extended>(healthMinimumTotal(y_)), true),
                     rate("SazbaZdr", y_.SazbaZdr),
                     crowns("MinZakladZdr", y_.MinZakladZdr),
                     crowns("ZdrFir", w_.ZdrFir),
                     healthTotal(),
                     gross()};
    line.rule =
        "Pojistné z minimálního vyměřovacího základu {ZdrMinimum} ({SazbaZdr} z minimální mzdy "
        "{MinZakladZdr}, zaokrouhleno nahoru) − podíl zaměstnavatele {ZdrFir} z pojistného ze skutečné "
        "mzdy {ZdrCelkem}";
    addNote(line,
            "Hrubá mzda {Hruba} je nižší než minimální mzda, proto se pojistné platí z minimálního "
            "vyměřovacího základu: zaměstnavatel platí svůj podíl pojistného ze skutečné mzdy, zaměstnanec "
            "zbytek. Kdo je od minima osvobozen, zaškrtne „" +
                labelFor("ChckBVyjimkaZP") + "“.");
    return line;
}

ExplanationLine WagePage::health(ExplanationLine line) const
{
    line.result = czechCrowns(w_.ZdrZam);
    if (!k_.parts().ChckBZdrAno.ticked()) return notDeducted(std::move(line), k_.parts().ChckBZdrAno);
    if (!healthInsured(y_, w_.Zamestnanec, w_.Hruba)) return notInsured(std::move(line));
    if (healthMinimumApplies(y_, w_.Zamestnanec, w_.Hruba)) return healthMinimum(std::move(line));
    line.operands = {healthTotal(), rate("SazbaZdr", y_.SazbaZdr), gross()};
    if (healthEmployeeShare(y_, healthTotal_) != w_.ZdrZam) {
        addNote(line, "Celkové pojistné se z uložených hodnot odvodit nedá.");
        return line;
    }
    line.rule = "Třetina celkového pojistného {ZdrCelkem} ({SazbaZdr} z hrubé mzdy {Hruba}, zaokrouhleno nahoru)";
    if (y_.DeleniZdr == HealthSplit::EmployerTwice) {
        line.rounding = "na nejbližší celou korunu";
        addNote(line, "Zaměstnavatel platí dvojnásobek této částky.");
    } else {
        line.rounding = RoundedUp;
        addNote(line, "Zaměstnavatel platí zbytek celkového pojistného.");
        addNote(line, "Tak dělí pojistné zákon; okno roku " + std::to_string(defaultYear().rok) +
                          " počítá třetinu na nejbližší korunu a zaměstnavateli dvojnásobek.");
    }
    if (law_ != nullptr) {
        const std::int64_t total = platomer::healthTotal(*law_, w_.Hruba);
        addLawFigure(line, w_.ZdrZam, static_cast<Extended>(healthEmployeeShare(*law_, total)),
                     "třetina celkového pojistného se zaokrouhluje nahoru");
    }
    addNote(line, smallScaleNote());
    addNote(line, minimumBaseNote());
    return line;
}

// The premium up to the minimum wage: in a year that computes it, only an exempt employee below
// the minimum hears of it; the window's own year says that the law asks for it.
std::string WagePage::minimumBaseNote() const
{
    const std::int32_t minimum = y_.MinZakladZdr > 0 ? y_.MinZakladZdr : y_.MinMzda;
    if (w_.Hruba <= 0 || w_.Hruba >= minimum) return {};
    if (y_.MinZakladZdr > 0)
        return "Zaměstnanec je od minimálního vyměřovacího základu (minimální mzda " + czechCrowns(minimum) +
               ") osvobozen, pojistné se platí jen ze skutečné mzdy.";
    return "Zákon žádá doplatek pojistného do minimálního vyměřovacího základu (minimální mzda " +
           czechCrowns(minimum) + "), není-li zaměstnanec od minima osvobozen; okno roku " + std::to_string(y_.Rok) +
           " ho nepočítá.";
}

ExplanationLine WagePage::employerSocial(ExplanationLine line) const
{
    return socialShare(std::move(line), w_.SocFir, "SazbaSocFir", y_.SazbaSocFir);
}

ExplanationLine WagePage::employerHealth(ExplanationLine line) const
{
    line.result = czechCrowns(w_.ZdrFir);
    if (!k_.parts().ChckBZdrAno.ticked()) return notDeducted(std::move(line), k_.parts().ChckBZdrAno);
    if (!healthInsured(y_, w_.Zamestnanec, w_.Hruba)) return notInsured(std::move(line));
    if (healthMinimumApplies(y_, w_.Zamestnanec, w_.Hruba)) {
        const std::int64_t third = healthEmployeeShare(y_, healthTotal_);
        line.operands = {healthTotal(), crowns("TretinaZdr", static_cast<Extended>(third), true), gross()};
        line.rule = "Celkové pojistné ze skutečné mzdy {ZdrCelkem} − třetina zaměstnance {TretinaZdr}";
        addNote(line,
                "Zaměstnavatel platí svůj podíl pojistného ze skutečné mzdy {Hruba}; doplatek do minimálního "
                "vyměřovacího základu platí zaměstnanec.");
        return line;
    }
    const std::int64_t rest = healthTotal_ - w_.ZdrZam;
    line.operands = {crowns("ZdrZam", w_.ZdrZam), healthTotal(),
                     crowns("ZbytekZdr", static_cast<Extended>(rest), true)};
    if (y_.DeleniZdr == HealthSplit::EmployerRest) {
        line.rule = "Celkové pojistné {ZdrCelkem} − podíl zaměstnance {ZdrZam}";
        addNote(line, "Zaměstnavatel platí zbytek celkového pojistného; okno roku " +
                          std::to_string(defaultYear().rok) + " mu účtuje dvojnásobek podílu zaměstnance.");
    } else {
        line.rule = "2 × podíl zaměstnance {ZdrZam}";
        if (rest != w_.ZdrFir)
            addNote(line,
                    "Zaměstnavatel tu platí dvojnásobek podílu zaměstnance, ne zbytek celkového pojistného "
                    "{ZdrCelkem}, který by v běžné praxi činil {ZbytekZdr}.");
        else
            addNote(line,
                    "Zaměstnavatel tu platí dvojnásobek podílu zaměstnance, ne zbytek celkového pojistného "
                    "{ZdrCelkem}; u této mzdy vychází obojí stejně.");
    }
    if (law_ != nullptr) {
        const std::int64_t total = platomer::healthTotal(*law_, w_.Hruba);
        addLawFigure(line, w_.ZdrFir,
                     static_cast<Extended>(healthEmployerShare(*law_, total, healthEmployeeShare(*law_, total))),
                     "zaměstnavatel platí zbytek celkového pojistného");
    }
    addNote(line, smallScaleNote());
    return line;
}

}  // namespace platomer::explaining
