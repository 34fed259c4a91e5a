// How each figure of the wage page came about: the insurance, the base, the credits and the
// child advantage, the three tax routes, the bonus, the net wage and the employer's cost.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/ExplanationBuilder.h"
#include "calc/WageMath.h"
#include "model/AmountText.h"

namespace platomer::explaining {

namespace {

// Common payroll practice pays the monthly bonus only from half the minimum wage of the year
// (17 300 Kč in 2023). The calculation does not use the figure; only its explanation names it.
constexpr std::int32_t HalfMinimumWage = 8650;
constexpr std::int32_t LargestGross = 2147483647;

const char* const RoundedUp = "zaokrouhleno nahoru na celé koruny";

class WagePage {
public:
    explicit WagePage(const TKalkulajda& k);
    std::vector<ExplanationLine> lines() const;

private:
    using Explainer = ExplanationLine (WagePage::*)(ExplanationLine) const;
    struct Figure {
        const Control* control;
        std::string expected;  // the text the calculation wrote there
        Explainer explain;
    };
    std::vector<Figure> figures() const;

    ExplanationLine figure(const Figure& f) const;
    ExplanationLine clearedLine(const Control& c) const;
    ExplanationLine grossInput() const;
    ExplanationLine wantedNet() const;
    ExplanationLine tick(const Control& box) const;
    ExplanationLine parameter(const Control& c, std::int64_t value, std::string rule, std::vector<Operand> operands,
                              std::string_view note) const;
    std::vector<ExplanationLine> parameters() const;

    ExplanationLine socialShare(ExplanationLine line, std::int32_t share, const char* rateName, const char* rateLabel,
                                double rateValue) const;
    ExplanationLine social(ExplanationLine line) const;
    ExplanationLine health(ExplanationLine line) const;
    ExplanationLine base(ExplanationLine line) const;
    ExplanationLine credits(ExplanationLine line) const;
    ExplanationLine children(ExplanationLine line) const;
    ExplanationLine signedTax(ExplanationLine line) const;
    ExplanationLine advance(ExplanationLine line) const;
    ExplanationLine withholding(ExplanationLine line) const;
    ExplanationLine bonus(ExplanationLine line) const;
    ExplanationLine net(ExplanationLine line) const;
    ExplanationLine netWithBonus(ExplanationLine line) const;
    ExplanationLine employerSocial(ExplanationLine line) const;
    ExplanationLine employerHealth(ExplanationLine line) const;
    ExplanationLine employerInsurance(ExplanationLine line) const;
    ExplanationLine employerCost(ExplanationLine line) const;

    ExplanationLine notDeducted(ExplanationLine line, const Control& box) const;
    std::string smallScaleNote() const;
    std::string higherRateNote() const;
    std::string withholdingLimit() const;
    void addBasicTax(ExplanationLine& line) const;
    void addHigherTax(ExplanationLine& line) const;

    Operand gross() const { return crowns("Hruba", "hrubá mzda", w_.Hruba); }
    Operand healthTotal() const
    {
        return crowns("ZdrCelkem", "zdravotní pojištění celkem", static_cast<Extended>(healthTotal_), true);
    }

    const TKalkulajda& k_;
    const TaxYear& y_;
    const WageState& w_;
    bool computed_ = false;
    bool netMode_ = false;
    bool cleared_ = false;
    bool pending_ = false;
    Route route_ = Route::Signed;
    // Derived from the kept state by the rules of the calculation, which keeps only the results.
    std::int64_t healthTotal_ = 0;  // the health insurance before it is split
    Extended basicTax_ = 0;         // the signed route's 15 % of the basic part of the base
    Extended afterCredits_ = 0;     // that tax less the credits and the child advantage
    Extended unusedAdvantage_ = 0;  // the part of the child advantage the tax does not absorb
    std::int64_t advanceTax_ = 0;   // the rounded advance of the unsigned route
    std::int64_t net_ = 0;
};

WagePage::WagePage(const TKalkulajda& k) : k_(k), y_(k.year()), w_(k.wage())
{
    computed_ = y_.SazbaSocZam != 0 && !k.PSocialni.text().empty();
    netMode_ = k.ChckBxHrzCis.ticked();
    route_ = taxRoute(y_, w_.Podepsal, k.CheckBxDpp.ticked(), w_.Hruba);
    healthTotal_ = k.ChckBZdrAno.ticked() ? platomer::healthTotal(y_, w_.Hruba) : 0;
    // The tax step takes the basic tax as a whole percentage of the base, not with SazbaZal.
    basicTax_ = platomer::basicTax(y_, w_.ZakladZakl);
    afterCredits_ = basicTax_ > 0 ? basicTax_ - w_.ZvyhDeti - w_.SlevyCelkem : 0;
    unusedAdvantage_ = basicTax_ - w_.SlevyCelkem > 0 ? w_.ZvyhDeti - (basicTax_ - w_.SlevyCelkem) : w_.ZvyhDeti;
    advanceTax_ = platomer::advanceTax(w_.DanZakl, w_.DanVyssi);
    net_ = wholeNumber(w_.TextCista).value_or(0);

    // A click into an amount field writes 0 into the results without a calculation; a figure
    // that shows 0 where the calculation wrote something else was cleared that way.
    for (const Figure& f : figures())
        if (withoutPadding(f.control->text()) == "0" && f.expected != "0") cleared_ = true;
    if (netMode_)
        pending_ = withoutPadding(k.EdCista.text()) != w_.TextCista;
    else
        pending_ = StrToIntDef(k.EdHruba.text(), 0) != w_.Hruba;
}

std::vector<WagePage::Figure> WagePage::figures() const
{
    const TKalkulajda& k = k_;
    const std::string advanceShown = route_ == Route::Advance ? k.NumText(static_cast<Extended>(advanceTax_)) : "0";
    const std::string withholdingShown = route_ == Route::Withholding ? k.NumText(w_.DanSrazkova) : "0";
    const std::string baseShown = route_ == Route::Withholding ? IntToStr(w_.ZakladSraz) : k.NumText(w_.ZakladZobr);
    const bool children = k.CHckBNezdV.ticked();
    const std::int64_t employer = static_cast<std::int64_t>(w_.ZdrFir) + w_.SocFir;
    return {
        {&k.PSocialni, IntToStr(w_.SocZam), &WagePage::social},
        {&k.PZdravotni, IntToStr(w_.ZdrZam), &WagePage::health},
        {&k.PZakladDane, baseShown, &WagePage::base},
        {&k.PCelkemN, IntToStr(w_.SlevyCelkem), &WagePage::credits},
        {&k.POdpd, k.NumText(w_.ZvyhDeti), &WagePage::children},
        {&k.PDanN, w_.TextDanN, &WagePage::signedTax},
        {&k.PDan20p, advanceShown, &WagePage::advance},
        {&k.PDan15, withholdingShown, &WagePage::withholding},
        {&k.DanBonus, children ? k.NumText(w_.Bonus) : "0", &WagePage::bonus},
        {&k.EdCista, w_.TextCista, &WagePage::net},
        {&k.CprBezBon, k.NumText(static_cast<Extended>(net_) + w_.Bonus), &WagePage::netWithBonus},
        {&k.SPF, k.NumText(w_.SocFir), &WagePage::employerSocial},
        {&k.ZPF, k.NumText(w_.ZdrFir), &WagePage::employerHealth},
        {&k.PojSum, k.NumText(static_cast<Extended>(employer)), &WagePage::employerInsurance},
        {&k.EdNaklZam, IntToStr(w_.Hruba + employer), &WagePage::employerCost},
    };
}

std::vector<ExplanationLine> WagePage::lines() const
{
    std::vector<ExplanationLine> out{grossInput()};
    for (const Control* box :
         {&k_.CHckBPodpis, &k_.CheckBxDpp, &k_.ChckBxHrzCis, &k_.ChckBSocAno, &k_.ChckBZdrAno, &k_.CHckBNezdM,
          &k_.CHckBNezdS, &k_.CHckBNezdI, &k_.CHckBNezdP, &k_.CHckBNezdZTP, &k_.ChckBxDeti1, &k_.ChckBxDeti2,
          &k_.ChckBxDeti3, &k_.ChckBxDeti4, &k_.ChckBxDeti1z, &k_.ChckBxDeti2z, &k_.ChckBxDeti3z, &k_.ChckBxDeti4z})
        out.push_back(tick(*box));
    for (const Figure& f : figures())
        out.push_back(figure(f));
    for (ExplanationLine& line : parameters())
        out.push_back(std::move(line));
    return out;
}

ExplanationLine WagePage::figure(const Figure& f) const
{
    const Control& c = *f.control;
    if (!computed_) return notComputed(c, "Výpočet ještě neproběhl.");
    if (&c == &k_.EdCista && netMode_ && pending_ && !cleared_) return wantedNet();
    ExplanationLine line = lineFor(c, LineKind::Result);
    if (line.shown != f.expected) {
        if (cleared_) return clearedLine(c);
        return notComputed(c, "Pole neukazuje výsledek posledního výpočtu, proto ho nelze vysvětlit.");
    }
    line = (this->*f.explain)(std::move(line));
    if (cleared_)
        addNote(line,
                "Ostatní výsledky byly vymazány kliknutím do pole; toto pole ukazuje ještě předchozí výpočet "
                "pro hrubou mzdu " +
                    czechCrowns(w_.Hruba) + ".");
    else if (pending_)
        addNote(line, "Výsledek platí pro hrubou mzdu " + czechCrowns(w_.Hruba) +
                          "; nově zadaná částka se spočítá, až pole opustíte.");
    return line;
}

ExplanationLine WagePage::clearedLine(const Control& c) const
{
    ExplanationLine line = lineFor(c, LineKind::Cleared);
    line.result = line.shown == "0" ? czechCrowns(0) : line.shown;
    // Either amount field clears them; which one was clicked the state does not tell.
    addNote(line, "Výsledky byly vymazány kliknutím do pole „" + labelFor("EdHruba") + "“ nebo „" +
                      labelFor("EdCista") + "“; spočítají se znovu, až pole opustíte.");
    if (&c == &k_.EdCista && netMode_)
        addNote(line, "Počítá se hrubá mzda z čisté: do tohoto pole se píše požadovaná čistá mzda.");
    return line;
}

ExplanationLine WagePage::grossInput() const
{
    if (!computed_) return notComputed(k_.EdHruba, "Výpočet ještě neproběhl.");
    ExplanationLine line = lineFor(k_.EdHruba, LineKind::Input);
    line.operands = {gross()};
    line.result = czechCrowns(w_.Hruba);
    if (cleared_) {
        addNote(line, "Pole bylo vymazáno kliknutím; výsledky se spočítají, až pole opustíte.");
    } else if (pending_) {
        addNote(line, "Výsledky platí pro hrubou mzdu {Hruba}; nová částka se spočítá, až pole opustíte.");
    } else if (netMode_) {
        addNote(line, "Hrubou mzdu našlo hledání k zadané čisté mzdě (viz „" + labelFor("EdCista") + "“).");
    } else if (line.shown.empty()) {
        addNote(line, "Prázdné pole se počítá jako hrubá mzda 0 Kč.");
    } else if (!TryStrToInt(line.shown)) {
        addNote(line, "Text „" + line.shown + "“ není celé číslo v rozsahu pole, proto se počítá hrubá mzda 0 Kč.");
    }
    return line;
}

ExplanationLine WagePage::wantedNet() const
{
    ExplanationLine line = lineFor(k_.EdCista, LineKind::Input);
    line.result = line.shown;
    addNote(line,
            "Zadaná čistá mzda; hrubá mzda se k ní najde, až pole opustíte. Výsledky zatím platí pro "
            "hrubou mzdu " +
                czechCrowns(w_.Hruba) + ".");
    return line;
}

ExplanationLine WagePage::tick(const Control& box) const
{
    ExplanationLine line = lineFor(box, LineKind::Tick);
    // The insurance boxes carry no caption: they are named by their row, which a panel shares.
    if (&box == &k_.ChckBSocAno || &box == &k_.ChckBZdrAno)
        line.label += " (srážet)";
    else
        line.label = labelInFrame(k_, box);
    line.result = line.shown = box.ticked() ? "ano" : "ne";
    if (!box.enabled()) addNote(line, "Bez podepsaného prohlášení je políčko vypnuté.");
    return line;
}

// ---- Insurance ----

ExplanationLine WagePage::notDeducted(ExplanationLine line, const Control& box) const
{
    addNote(line, "Pojištění se nesráží: políčko u „" + labelFor(box.name()) + "“ není zaškrtnuté.");
    if (agreementFreesInsurance(y_, k_.CheckBxDpp.ticked(), w_.Hruba))
        addNote(line, "U dohody o provedení práce do " + czechCrowns(y_.LimitDpp) + " včetně se pojištění neplatí.");
    else if (!k_.CheckBxDpp.ticked() && smallScaleFreesInsurance(y_, w_.Podepsal, w_.Hruba))
        addNote(line,
                "Bez podepsaného prohlášení se z mzdy do " + czechCrowns(y_.LimitMr) + " včetně pojištění nesráží.");
    return line;
}

std::string WagePage::smallScaleNote() const
{
    if (k_.CheckBxDpp.ticked() || w_.Hruba <= 0 || w_.Hruba >= y_.LimitMr) return {};
    return "V běžné praxi se z mzdy pod " + czechCrowns(y_.LimitMr) +
           " (zaměstnání malého rozsahu) pojištění neplatí, program ho sráží, dokud je políčko zaškrtnuté.";
}

// Each side's social insurance is its own rate of the gross, rounded up on its own.
ExplanationLine WagePage::socialShare(ExplanationLine line, std::int32_t share, const char* rateName,
                                      const char* rateLabel, double rateValue) const
{
    line.result = czechCrowns(share);
    if (!k_.ChckBSocAno.ticked()) return notDeducted(std::move(line), k_.ChckBSocAno);
    line.rule = std::string("{") + rateName + "} z hrubé mzdy {Hruba}";
    line.operands = {rate(rateName, rateLabel, rateValue), gross()};
    line.rounding = RoundedUp;
    addNote(line, smallScaleNote());
    return line;
}

ExplanationLine WagePage::social(ExplanationLine line) const
{
    return socialShare(std::move(line), w_.SocZam, "SazbaSocZam", "sazba sociálního pojištění zaměstnance",
                       y_.SazbaSocZam);
}

ExplanationLine WagePage::health(ExplanationLine line) const
{
    line.result = czechCrowns(w_.ZdrZam);
    if (!k_.ChckBZdrAno.ticked()) return notDeducted(std::move(line), k_.ChckBZdrAno);
    line.operands = {healthTotal(), rate("SazbaZdr", "sazba zdravotního pojištění", y_.SazbaZdr), gross()};
    if (Round(static_cast<Extended>(healthTotal_) / 3) != w_.ZdrZam) {
        addNote(line, "Celkové pojistné se z uložených hodnot odvodit nedá.");
        return line;
    }
    line.rule = "Třetina celkového pojistného {ZdrCelkem} ({SazbaZdr} z hrubé mzdy {Hruba}, zaokrouhleno nahoru)";
    line.rounding = "na nejbližší celou korunu";
    addNote(line, "Zaměstnavatel platí dvojnásobek této částky.");
    addNote(line, smallScaleNote());
    return line;
}

ExplanationLine WagePage::employerSocial(ExplanationLine line) const
{
    return socialShare(std::move(line), w_.SocFir, "SazbaSocFir", "sazba sociálního pojištění zaměstnavatele",
                       y_.SazbaSocFir);
}

ExplanationLine WagePage::employerHealth(ExplanationLine line) const
{
    line.result = czechCrowns(w_.ZdrFir);
    if (!k_.ChckBZdrAno.ticked()) return notDeducted(std::move(line), k_.ChckBZdrAno);
    const std::int64_t rest = healthTotal_ - w_.ZdrZam;
    line.rule = "2 × podíl zaměstnance {ZdrZam}";
    line.operands = {
        crowns("ZdrZam", "zdravotní pojištění zaměstnance", w_.ZdrZam), healthTotal(),
        crowns("ZbytekZdr", "zbytek celkového pojistného po podílu zaměstnance", static_cast<Extended>(rest), true)};
    if (rest != w_.ZdrFir)
        addNote(line,
                "Zaměstnavatel tu platí dvojnásobek podílu zaměstnance, ne zbytek celkového pojistného "
                "{ZdrCelkem}, který by v běžné praxi činil {ZbytekZdr}.");
    else
        addNote(line,
                "Zaměstnavatel tu platí dvojnásobek podílu zaměstnance, ne zbytek celkového pojistného "
                "{ZdrCelkem}; u této mzdy vychází obojí stejně.");
    addNote(line, smallScaleNote());
    return line;
}

ExplanationLine WagePage::employerInsurance(ExplanationLine line) const
{
    const std::int64_t sum = static_cast<std::int64_t>(w_.ZdrFir) + w_.SocFir;
    line.result = czechCrowns(static_cast<Extended>(sum));
    line.rule = "Zdravotní pojištění {ZdrFir} + sociální pojištění {SocFir}";
    line.operands = {crowns("ZdrFir", "zdravotní pojištění zaměstnavatele", w_.ZdrFir),
                     crowns("SocFir", "sociální pojištění zaměstnavatele", w_.SocFir)};
    return line;
}

ExplanationLine WagePage::employerCost(ExplanationLine line) const
{
    const std::int64_t cost = static_cast<std::int64_t>(w_.Hruba) + w_.ZdrFir + w_.SocFir;
    line.result = czechCrowns(static_cast<Extended>(cost));
    line.rule = "Hrubá mzda {Hruba} + zdravotní pojištění {ZdrFir} + sociální pojištění {SocFir} zaměstnavatele";
    line.operands = {gross(), crowns("ZdrFir", "zdravotní pojištění zaměstnavatele", w_.ZdrFir),
                     crowns("SocFir", "sociální pojištění zaměstnavatele", w_.SocFir)};
    return line;
}

// ---- Base, credits and child advantage ----

std::string WagePage::higherRateNote() const
{
    if (w_.ZakladVyssi <= 0 || w_.Hruba > y_.HraniceVyssi) return {};
    return "Vyšší sazba platí na zaokrouhlený základ, i když hrubá mzda " + czechCrowns(w_.Hruba) + " hranici " +
           czechCrowns(y_.HraniceVyssi) + " nepřesahuje.";
}

ExplanationLine WagePage::base(ExplanationLine line) const
{
    line.operands = {gross()};
    if (route_ == Route::Withholding) {
        line.result = czechCrowns(w_.ZakladSraz);
        line.rule = "Hrubá mzda {Hruba}";
        addNote(line, "U srážkové daně je základem sama hrubá mzda, nezaokrouhluje se.");
        return line;
    }
    line.result = czechCrowns(w_.ZakladZobr);
    if (w_.Hruba > 100) {
        line.rule = "Hrubá mzda {Hruba} zaokrouhlená nahoru na celé stovky";
    } else if (w_.Hruba >= 0) {
        line.rule = "Hrubá mzda {Hruba}";
        addNote(line, "Základ do 100 Kč se nezaokrouhluje.");
    } else {
        addNote(line, "Záporná hrubá mzda {Hruba} se počítá jako základ 0 Kč.");
    }
    if (w_.ZakladVyssi > 0) {
        line.operands.push_back(crowns("HraniceVyssi", "hranice vyšší sazby", y_.HraniceVyssi));
        line.operands.push_back(crowns("ZakladVyssi", "část základu nad hranicí", w_.ZakladVyssi));
        line.operands.push_back(rate("SazbaVyssi", "vyšší sazba daně", y_.SazbaVyssi));
        addNote(line, "Část základu nad {HraniceVyssi}, tedy {ZakladVyssi}, se daní vyšší sazbou {SazbaVyssi}.");
        addNote(line, higherRateNote());
    }
    return line;
}

ExplanationLine WagePage::credits(ExplanationLine line) const
{
    line.result = czechCrowns(w_.SlevyCelkem);
    struct Credit {
        const Control& box;
        const char* name;
        const char* label;
        std::int32_t amount;
    };
    const Credit all[] = {{k_.CHckBNezdM, "SlevaPopl", "sleva na poplatníka", y_.SlevaPopl},
                          {k_.CHckBNezdS, "SlevaStud", "sleva na studenta", y_.SlevaStud},
                          {k_.CHckBNezdI, "SlevaCInv", "sleva na částečnou invaliditu", y_.SlevaCInv},
                          {k_.CHckBNezdP, "SlevaPInv", "sleva na úplnou invaliditu", y_.SlevaPInv},
                          {k_.CHckBNezdZTP, "SlevaZtp", "sleva držitele průkazu ZTP-P", y_.SlevaZtp}};
    std::int64_t sum = 0;
    for (const Credit& c : all) {
        if (!c.box.ticked()) continue;
        line.rule += line.rule.empty() ? capitalised(c.label) : std::string(" + ") + c.label;
        line.rule += std::string(" {") + c.name + "}";
        line.operands.push_back(crowns(c.name, c.label, c.amount));
        sum += c.amount;
    }
    if (sum != w_.SlevyCelkem) {
        line.rule.clear();
        addNote(line, "Zaškrtnuté slevy neodpovídají poslednímu výpočtu.");
    }
    if (line.operands.empty()) addNote(line, "Žádná sleva na dani není zaškrtnutá.");
    if (!w_.Podepsal) addNote(line, "Bez podepsaného prohlášení se slevy neuplatňují.");
    if (!line.operands.empty()) addNote(line, "Měsíční částky; roční jsou v rámečku „Roční slevy na dani“.");
    return line;
}

ExplanationLine WagePage::children(ExplanationLine line) const
{
    line.result = czechCrowns(w_.ZvyhDeti);
    struct Child {
        const Control& plain;
        const Control& ztp;
        const char* ordinal;
    };
    const Child all[] = {{k_.ChckBxDeti1, k_.ChckBxDeti1z, "první"},
                         {k_.ChckBxDeti2, k_.ChckBxDeti2z, "druhé"},
                         {k_.ChckBxDeti3, k_.ChckBxDeti3z, "třetí"},
                         {k_.ChckBxDeti4, k_.ChckBxDeti4z, "čtvrté"}};
    std::int64_t sum = 0;
    for (int order = 1; order <= 4 && k_.CHckBNezdV.ticked(); ++order) {
        const Child& c = all[order - 1];
        if (!c.plain.ticked()) continue;
        const bool ztp = c.ztp.ticked();
        const std::string name = "Dite" + std::to_string(order);
        const std::string label = std::string(c.ordinal) + (ztp ? " dítě s průkazem ZTP-P, dvojnásobně" : " dítě");
        line.rule += line.rule.empty() ? capitalised(label) : " + " + label;
        line.rule += " {" + name + "}";
        line.operands.push_back(crowns(name, label, y_.childAdvantage(order, ztp)));
        sum += y_.childAdvantage(order, ztp);
    }
    if (sum != w_.ZvyhDeti) {
        line.rule.clear();
        addNote(line, "Zaškrtnuté děti neodpovídají poslednímu výpočtu.");
    }
    if (line.operands.empty()) addNote(line, "Žádné dítě není zaškrtnuté.");
    if (k_.ChckBxDeti4.ticked() && k_.CHckBNezdV.ticked())
        addNote(line, "Čtvrté a každé další dítě se počítá jako třetí.");
    if (!w_.Podepsal && w_.ZvyhDeti != 0) addNote(line, "Bez podepsaného prohlášení se zvýhodnění od daně neodečítá.");
    return line;
}

// ---- The three tax routes ----

void WagePage::addBasicTax(ExplanationLine& line) const
{
    line.operands.push_back(rate("SazbaZaklProcent", "základní sazba daně", y_.SazbaZaklProcent / 100.0));
    line.operands.push_back(crowns("ZakladZakl", "část základu do hranice vyšší sazby", w_.ZakladZakl));
    line.operands.push_back(crowns("ZakladniDan", "daň základní sazbou", basicTax_, true));
    line.operands.push_back(crowns("SlevyCelkem", "slevy na dani", w_.SlevyCelkem));
    line.operands.push_back(crowns("ZvyhDeti", "daňové zvýhodnění na děti", w_.ZvyhDeti));
    line.operands.push_back(crowns("DanPoSlevach", "daň po slevách a zvýhodnění", afterCredits_, true));
}

void WagePage::addHigherTax(ExplanationLine& line) const
{
    if (w_.ZakladVyssi <= 0) return;
    line.operands.push_back(rate("SazbaVyssi", "vyšší sazba daně", y_.SazbaVyssi));
    line.operands.push_back(crowns("ZakladVyssi", "část základu nad hranicí vyšší sazby", w_.ZakladVyssi));
    line.operands.push_back(crowns("DanVyssi", "daň vyšší sazbou", w_.DanVyssi));
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
    if (platomer::signedTax(y_, {w_.ZakladZakl, w_.DanVyssi, w_.ZvyhDeti, w_.SlevyCelkem}).tax != tax) {
        addNote(line, "Daň se z uložených hodnot odvodit nedá.");
        return line;
    }
    if (basicTax_ <= 0) {
        addNote(line, "Ze základu {ZakladZakl} nevychází žádná daň, slevy se proto neodečítají.");
        return line;
    }
    line.rule = w_.ZakladVyssi > 0 ? "Daň {SazbaZaklProcent} ze základu do hranice {ZakladZakl} ({ZakladniDan})"
                                   : "Daň {SazbaZaklProcent} ze základu {ZakladZakl} ({ZakladniDan})";
    line.rule += " − slevy {SlevyCelkem} − zvýhodnění na děti {ZvyhDeti}";
    if (afterCredits_ < 0) {
        line.rule += ", nejméně však 0 Kč";
        if (w_.ZakladVyssi > 0) line.rule = "(" + line.rule + ")";
        addNote(line, "Rozdíl vychází záporně ({DanPoSlevach}); nevyužité zvýhodnění na děti je daňový bonus.");
    }
    addHigherTax(line);
    line.rounding = RoundedUp;
    return line;
}

std::string WagePage::withholdingLimit() const
{
    return k_.CheckBxDpp.ticked() ? "u dohody o provedení práce do " + czechCrowns(y_.LimitDpp)
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
    line.operands = {rate("SazbaZal", "sazba zálohy na daň", y_.SazbaZal),
                     crowns("ZakladZakl", "část základu do hranice vyšší sazby", w_.ZakladZakl),
                     crowns("DanZakl", "daň základní sazbou", w_.DanZakl), gross()};
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
    line.operands = {rate("SazbaSraz", "sazba srážkové daně", y_.SazbaSraz),
                     crowns("ZakladSraz", "základ srážkové daně, sama hrubá mzda", w_.ZakladSraz)};
    line.rounding = "zaokrouhleno dolů na celé koruny";
    addNote(line, "Bez podepsaného prohlášení se z hrubé mzdy " + withholdingLimit() +
                      " včetně platí srážková daň, ze základu bez zaokrouhlení.");
    return line;
}

// ---- Bonus, net wage ----

ExplanationLine WagePage::bonus(ExplanationLine line) const
{
    const Extended shown = k_.CHckBNezdV.ticked() ? w_.Bonus : 0;
    line.result = czechCrowns(shown);
    if (!k_.CHckBNezdV.ticked()) {
        addNote(line, "Žádné dítě není zaškrtnuté.");
        return line;
    }
    if (!w_.Podepsal) {
        addNote(line, shown == 0 ? "Bez podepsaného prohlášení se bonus nevyplácí."
                                 : "Bonus zůstal z posledního výpočtu s podepsaným prohlášením.");
        return line;
    }
    addBasicTax(line);
    line.operands.push_back(crowns("NevyuziteZvyh", "nevyužité zvýhodnění na děti", unusedAdvantage_, true));
    line.operands.push_back(crowns("MinBonus", "nejmenší vyplácený bonus", y_.MinBonus));
    if (basicTax_ <= 0) {
        addNote(line,
                "Ze základu {ZakladZakl} nevychází žádná daň, a tedy ani záporná daň po slevách: bonus se "
                "nevyplácí.");
    } else if (afterCredits_ >= 0) {
        addNote(line,
                "Daň {ZakladniDan} po odečtení slev {SlevyCelkem} a zvýhodnění na děti {ZvyhDeti} zůstává "
                "{DanPoSlevach}, zvýhodnění se tedy do daně vejde a bonus se nevyplácí.");
    } else if (shown == 0) {
        addNote(line, "Nevyužité zvýhodnění {NevyuziteZvyh} je menší než {MinBonus}, bonus se proto nevyplácí.");
    } else if (shown != static_cast<double>(std::min<Extended>(unusedAdvantage_, y_.MaxBonus))) {
        addNote(line, "Bonus se z uložených hodnot odvodit nedá.");
    } else {
        if (basicTax_ - w_.SlevyCelkem > 0) {
            line.rule = "Zvýhodnění na děti {ZvyhDeti} − (daň {ZakladniDan} − slevy {SlevyCelkem})";
        } else {
            line.rule = "Zvýhodnění na děti {ZvyhDeti}";
            addNote(line, "Slevy {SlevyCelkem} samy pokryjí celou daň {ZakladniDan}, vyplácí se celé zvýhodnění.");
        }
        addNote(line,
                "Daň po slevách a zvýhodnění vychází záporně ({DanPoSlevach}); nevyužité zvýhodnění se "
                "vyplácí jako bonus, je-li aspoň {MinBonus}.");
        if (w_.Hruba < HalfMinimumWage)
            addNote(line, "V běžné praxi by bonus nenáležel, protože hrubá mzda nedosahuje poloviny minimální mzdy (" +
                              czechCrowns(HalfMinimumWage) + "); program ho vyplácí při jakékoli hrubé mzdě.");
        if (shown != static_cast<double>(Round(shown)))
            addNote(line,
                    "Bonus nese zlomek koruny, protože 15 % ze základu do 100 Kč nevychází na celé koruny; v "
                    "běžné praxi se vyplácí v celých korunách.");
    }
    return line;
}

ExplanationLine WagePage::net(ExplanationLine line) const
{
    line.result = czechCrowns(static_cast<Extended>(net_));
    Operand tax;
    switch (route_) {
    case Route::Signed:
        tax = crowns("Dan", "daň po slevách", static_cast<Extended>(wholeNumber(w_.TextDanN).value_or(0)));
        break;
    case Route::Withholding: tax = crowns("Dan", "srážková daň", w_.DanSrazkova); break;
    case Route::Advance: tax = crowns("Dan", "záloha na daň", static_cast<Extended>(advanceTax_), true); break;
    }
    line.rule = "Hrubá mzda {Hruba} − " + tax.label +
                " {Dan} − sociální pojištění {SocZam} − zdravotní pojištění "
                "{ZdrZam}";
    line.operands = {gross(), tax, crowns("SocZam", "sociální pojištění zaměstnance", w_.SocZam),
                     crowns("ZdrZam", "zdravotní pojištění zaměstnance", w_.ZdrZam)};
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
    line.operands = {crowns("Cista", "čistá mzda bez bonusu", static_cast<Extended>(net_)),
                     crowns("Bonus", "daňový bonus", w_.Bonus)};
    if (w_.Bonus == 0) addNote(line, "Bonus se nevyplácí, částka se rovná čisté mzdě bez bonusu.");
    return line;
}

// ---- The year's figures on the page ----

ExplanationLine WagePage::parameter(const Control& c, std::int64_t value, std::string rule,
                                    std::vector<Operand> operands, std::string_view note) const
{
    ExplanationLine line = lineFor(c, LineKind::Parameter);
    line.label = labelInFrame(k_, c);
    const std::string expected = &c == &k_.pMr ? k_.NumText(static_cast<Extended>(value)) : IntToStr(value);
    if (y_.SazbaSocZam == 0 || line.shown != expected) return notComputed(c, "Parametry roku ještě nejsou načteny.");
    line.result = czechCrowns(static_cast<Extended>(value));
    line.rule = std::move(rule);
    line.operands = std::move(operands);
    addNote(line, note);
    return line;
}

std::vector<ExplanationLine> WagePage::parameters() const
{
    const char* const monthly = "Výpočet používá měsíční částku.";
    auto annual = [&](int order, bool ztp) { return 12LL * y_.childAdvantage(order, ztp); };
    const Operand first = crowns("ZvyhDite1", "měsíční zvýhodnění na první dítě", y_.ZvyhDite1);
    const Operand add2 = crowns("PriplDite2", "příplatek na druhé dítě", y_.PriplDite2);
    const Operand add3 = crowns("PriplDite3", "příplatek na třetí a další dítě", y_.PriplDite3);
    const std::string ztp = "Dítě s průkazem ZTP-P se počítá dvojnásobně.";
    auto credit = [&](const Control& c, const char* name, const char* label, std::int32_t amount) {
        return parameter(c, 12LL * amount, std::string("12 × {") + name + "}", {crowns(name, label, amount)}, monthly);
    };
    return {
        credit(k_.pNezdM, "SlevaPopl", "měsíční sleva na poplatníka", y_.SlevaPopl),
        credit(k_.pNezdS, "SlevaStud", "měsíční sleva na studenta", y_.SlevaStud),
        credit(k_.pNezdI, "SlevaCInv", "měsíční sleva na částečnou invaliditu", y_.SlevaCInv),
        credit(k_.pNezdP, "SlevaPInv", "měsíční sleva na úplnou invaliditu", y_.SlevaPInv),
        credit(k_.pNezdztp, "SlevaZtp", "měsíční sleva držitele průkazu ZTP-P", y_.SlevaZtp),
        parameter(k_.pDite1, annual(1, false), "12 × {ZvyhDite1}", {first}, monthly),
        parameter(k_.pDite2, annual(2, false), "12 × ({ZvyhDite1} + {PriplDite2})", {first, add2}, monthly),
        parameter(k_.pDite3, annual(3, false), "12 × ({ZvyhDite1} + {PriplDite3})", {first, add3},
                  std::string(monthly) + " Stejná částka platí pro čtvrté a každé další dítě."),
        parameter(k_.pDite1ztp, annual(1, true), "24 × {ZvyhDite1}", {first}, ztp),
        parameter(k_.pDite2ztp, annual(2, true), "24 × ({ZvyhDite1} + {PriplDite2})", {first, add2}, ztp),
        parameter(k_.pDite3ztp, annual(3, true), "24 × ({ZvyhDite1} + {PriplDite3})", {first, add3}, ztp),
        parameter(k_.p2SazDanod, y_.HraniceVyssi, "", {rate("SazbaVyssi", "vyšší sazba daně", y_.SazbaVyssi)},
                  "Část zaokrouhleného základu daně nad touto částkou se daní sazbou {SazbaVyssi}."),
        parameter(k_.pMr, static_cast<std::int64_t>(y_.LimitMr), "",
                  {rate("SazbaSraz", "sazba srážkové daně", y_.SazbaSraz),
                   crowns("LimitDpp", "limit dohody o provedení práce", y_.LimitDpp)},
                  "Bez podepsaného prohlášení se z hrubé mzdy do této částky včetně platí srážková daň {SazbaSraz}; "
                  "u dohody o provedení práce platí limit {LimitDpp}."),
    };
}

}  // namespace

std::vector<ExplanationLine> wageLines(const TKalkulajda& form) { return WagePage(form).lines(); }

}  // namespace platomer::explaining
