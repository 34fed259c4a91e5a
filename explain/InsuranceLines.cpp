// The insurance of the employee and of the employer, social and health.
#include <string>
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
    if (k_.parts().CheckBxDpp.ticked() || w_.Hruba <= 0 || w_.Hruba >= y_.MalyRozsahOd) return {};
    return "V běžné praxi se z mzdy pod " + czechCrowns(y_.MalyRozsahOd) +
           " (zaměstnání malého rozsahu) pojištění neplatí, program ho sráží, dokud je políčko zaškrtnuté.";
}

// Each side's social insurance is its own rate of the gross, rounded up on its own.
ExplanationLine WagePage::socialShare(ExplanationLine line, std::int32_t share, const char* rateName,
                                      double rateValue) const
{
    line.result = czechCrowns(share);
    if (!k_.parts().ChckBSocAno.ticked()) return notDeducted(std::move(line), k_.parts().ChckBSocAno);
    line.rule = std::string("{") + rateName + "} z hrubé mzdy {Hruba}";
    line.operands = {rate(rateName, rateValue), gross()};
    line.rounding = RoundedUp;
    addNote(line, smallScaleNote());
    return line;
}

ExplanationLine WagePage::social(ExplanationLine line) const
{
    return socialShare(std::move(line), w_.SocZam, "SazbaSocZam", y_.SazbaSocZam);
}

ExplanationLine WagePage::health(ExplanationLine line) const
{
    line.result = czechCrowns(w_.ZdrZam);
    if (!k_.parts().ChckBZdrAno.ticked()) return notDeducted(std::move(line), k_.parts().ChckBZdrAno);
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

// The premium up to the minimum wage that an employee with a lower gross usually pays himself.
std::string WagePage::minimumBaseNote() const
{
    if (w_.Hruba <= 0 || w_.Hruba >= y_.MinMzda) return {};
    return "Doplatek pojistného do minimálního vyměřovacího základu (minimální mzda " + czechCrowns(y_.MinMzda) +
           "), který zaměstnanec s nižší mzdou obvykle platí, program nepočítá.";
}

ExplanationLine WagePage::employerSocial(ExplanationLine line) const
{
    return socialShare(std::move(line), w_.SocFir, "SazbaSocFir", y_.SazbaSocFir);
}

ExplanationLine WagePage::employerHealth(ExplanationLine line) const
{
    line.result = czechCrowns(w_.ZdrFir);
    if (!k_.parts().ChckBZdrAno.ticked()) return notDeducted(std::move(line), k_.parts().ChckBZdrAno);
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
