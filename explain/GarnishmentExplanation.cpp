// How each figure of the garnishment page came about: the non-seizable amount, the rest of the
// net wage above it, its thirds up to the limit, the part above the limit and what remains.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/GarnishmentMath.h"
#include "explain/ExplanationBuilder.h"
#include "model/AmountText.h"
#include "model/Years.h"

namespace platomer::explaining {

namespace {

// What the program leaves out of every deduction.
constexpr const char* PayersFee =
    "Paušální náhradu nákladů plátce mzdy (50 Kč měsíčně), která se hradí ze sražené částky, program "
    "nepočítá.";

class GarnishmentPage {
public:
    explicit GarnishmentPage(const TKalkulajda& k);
    std::vector<ExplanationLine> lines() const;

private:
    using Explainer = ExplanationLine (GarnishmentPage::*)(ExplanationLine) const;
    ExplanationLine figure(const Control& c, const std::string& expected, Explainer explain) const;
    ExplanationLine netInput() const;
    ExplanationLine personsInput() const;
    ExplanationLine reductionInput() const;
    ExplanationLine parameter(const Control& c, std::int32_t value) const;

    ExplanationLine protectedAmount(ExplanationLine line) const;
    ExplanationLine aboveLimit(ExplanationLine line) const;
    ExplanationLine priority(ExplanationLine line) const;
    ExplanationLine nonPriority(ExplanationLine line) const;
    ExplanationLine afterPriority(ExplanationLine line) const;
    ExplanationLine afterNonPriority(ExplanationLine line) const;
    ExplanationLine concurrentPriority(ExplanationLine line) const;
    ExplanationLine concurrentNonPriority(ExplanationLine line) const;
    ExplanationLine afterConcurrence(ExplanationLine line) const;

    void addRest(ExplanationLine& line) const;
    void addThirds(ExplanationLine& line) const;
    ExplanationLine remaining(ExplanationLine line, Extended deductions) const;

    Operand net() const { return crowns("N", net_, true); }
    Operand protectedOperand() const { return crowns("NezabCastka", g_.NezabCastka); }
    Operand limit() const { return crowns("HraniceSrazek", y_.HraniceSrazek); }

    // The debtor's share in words: "Dvě třetiny", "85 %".
    std::string shareWords() const;
    // The same deduction by the law's own rules of the year, where the window's rules differ.
    void addLawFigure(ExplanationLine& line, double windowFigure, double GarnishmentState::*figure) const;

    const TKalkulajda& k_;
    const TaxYear& y_;
    const GarnishmentState& g_;
    bool computed_ = false;
    bool fresh_ = false;
    Extended net_ = 0;  // the net wage of the last calculation
    // The page by the law's own rules of the year where the window's rules differ, else none.
    std::optional<GarnishmentState> law_;
};

GarnishmentPage::GarnishmentPage(const TKalkulajda& k) : k_(k), y_(k.year()), g_(k.garnishment())
{
    computed_ = y_.ZakladNezab != 0 && !k.parts().pNezabKc.text().empty();
    net_ = g_.Cista;
    const std::optional<std::int32_t> typed = TryStrToInt(k.parts().EdExekCm.text());
    fresh_ = typed && static_cast<Extended>(*typed) == net_;
    if (k.rok().law != nullptr) law_ = garnishment(k.rok().law(), g_.Cista, g_.PocetOsob, g_.Ponizeni);
}

std::string GarnishmentPage::shareWords() const
{
    if (y_.PodilNezabCitatel == 2 && y_.PodilNezabJmenovatel == 3) return "Dvě třetiny";
    return czechRate(static_cast<double>(y_.PodilNezabCitatel) / y_.PodilNezabJmenovatel);
}

void GarnishmentPage::addLawFigure(ExplanationLine& line, double windowFigure, double GarnishmentState::*figure) const
{
    if (!law_ || (*law_).*figure == windowFigure) return;
    addNote(line, "Podle zákona: " + czechCrowns((*law_).*figure) +
                      " (zbytek se před dělením zaokrouhluje dolů na částku dělitelnou třemi).");
}

std::vector<ExplanationLine> GarnishmentPage::lines() const
{
    const TKalkulajda& k = k_;
    auto text = [&](Extended value) { return k.NumText(value); };
    const std::string afterPred = text(afterPriorityShown(g_));
    return {
        netInput(),
        personsInput(),
        reductionInput(),
        parameter(k.parts().pZivMinJ, y_.ZivMin),
        parameter(k.parts().pNormBydlo, y_.NormBydlo),
        figure(k.parts().pNezabKc, text(g_.NezabCastka), &GarnishmentPage::protectedAmount),
        figure(k.parts().pSrazBezO, text(g_.SrazBezOmez), &GarnishmentPage::aboveLimit),
        figure(k.parts().pBezSPrednost, text(g_.SrazPrednost), &GarnishmentPage::priority),
        figure(k.parts().pBezSNepr, text(g_.SrazNepr), &GarnishmentPage::nonPriority),
        figure(k.parts().pMzdaBezP, afterPred, &GarnishmentPage::afterPriority),
        figure(k.parts().pMzdaBezN, text(afterNonPriorityShown(g_)), &GarnishmentPage::afterNonPriority),
        figure(k.parts().pSoubehPred, text(g_.SrazNepr), &GarnishmentPage::concurrentPriority),
        figure(k.parts().pSoubehNepr, text(g_.DruhaTretina), &GarnishmentPage::concurrentNonPriority),
        figure(k.parts().pMzdaSoub, afterPred, &GarnishmentPage::afterConcurrence),
    };
}

ExplanationLine GarnishmentPage::figure(const Control& c, const std::string& expected, Explainer explain) const
{
    if (!computed_) return notComputed(c, "Výpočet ještě neproběhl.");
    ExplanationLine line = lineFor(c, LineKind::Result);
    if (line.shown != expected)
        return notComputed(c, "Pole neukazuje výsledek posledního výpočtu, proto ho nelze vysvětlit.");
    line.operands.push_back(net());
    line = (this->*explain)(std::move(line));
    if (!fresh_)
        addNote(line, "V poli „" + labelFor("EdExekCm") +
                          "“ teď není celé číslo, proto výpočet neproběhl; výsledky platí pro čistou mzdu {N} "
                          "z posledního výpočtu.");
    return line;
}

// ---- Inputs and the year's figures ----

ExplanationLine GarnishmentPage::netInput() const
{
    if (!computed_) return notComputed(k_.parts().EdExekCm, "Výpočet ještě neproběhl.");
    ExplanationLine line = lineFor(k_.parts().EdExekCm, LineKind::Input);
    line.operands = {net()};
    if (!fresh_) {
        line.result = line.shown;
        addNote(line, line.shown.empty() ? "Pole je prázdné, výpočet proto neproběhl."
                                         : "Text „" + line.shown + "“ není celé číslo, výpočet proto neproběhl.");
        addNote(line, "Výsledky jsou z posledního výpočtu pro čistou mzdu {N}.");
        return line;
    }
    line.result = czechCrowns(net_);
    if (line.shown == withoutPadding(k_.parts().EdCista.text()))
        addNote(line, "Převzato ze stránky „Výpočet mzdy“ (" + labelFor("EdCista") + ").");
    return line;
}

ExplanationLine GarnishmentPage::personsInput() const
{
    ExplanationLine line = lineFor(k_.parts().EdDeti, LineKind::Input);
    line.result = line.shown;
    if (!computed_) return line;
    line.operands = {crowns("NezabOsoba", y_.NezabOsoba)};
    addNote(line, "Na každou vyživovanou osobu se k nezabavitelné částce přičítá {NezabOsoba}.");
    return line;
}

ExplanationLine GarnishmentPage::reductionInput() const
{
    ExplanationLine line = lineFor(k_.parts().EdPoniz, LineKind::Input);
    line.result = line.shown;
    if (!computed_) return line;
    line.operands = {crowns("Ponizeni", g_.Ponizeni)};
    line.result = czechCrowns(g_.Ponizeni);
    addNote(line,
            "Ponížení se odečte od nezabavitelné částky; větší, než je zobrazená nezabavitelná částka, být "
            "nemůže.");
    return line;
}

ExplanationLine GarnishmentPage::parameter(const Control& c, std::int32_t value) const
{
    ExplanationLine line = lineFor(c, LineKind::Parameter);
    if (y_.ZakladNezab == 0 || line.shown != IntToStr(value))
        return notComputed(c, "Parametry roku ještě nejsou načteny.");
    line.result = czechCrowns(value);
    line.operands = {crowns("Dluznik", debtorShare(y_), true)};
    addNote(line, shareWords() + " součtu životního minima a " + y_.BydleniVeVete +
                      ", {Dluznik}, jsou nezabavitelná částka dlužníka.");
    return line;
}

// ---- The non-seizable amount and the rest above it ----

ExplanationLine GarnishmentPage::protectedAmount(ExplanationLine line) const
{
    line.result = czechCrowns(g_.NezabCastka);
    line.operands.push_back(crowns("ZivMin", y_.ZivMin));
    line.operands.push_back(crowns("NormBydlo", y_.NormBydlo));
    line.operands.push_back(crowns("Dluznik", g_.Dluznik, true));
    const std::int32_t p = g_.PocetOsob;
    const std::int64_t sum = g_.Chraneno;
    const bool floored = sum - g_.Ponizeni < 0;
    std::string housing = y_.BydleniVeVete;
    if (housing.starts_with("normativního ")) housing.erase(0, std::string_view("normativního ").size());
    line.rule = shareWords() + " součtu životního minima {ZivMin} a " + housing + " {NormBydlo}";
    if (p != 0 || g_.Ponizeni != 0) line.rule += ", tj. {Dluznik}";
    if (p != 0) {
        line.operands.push_back(count("PocetOsob", p));
        line.operands.push_back(crowns("NezabOsoba", y_.NezabOsoba));
        line.operands.push_back(crowns("Chraneno", static_cast<Extended>(sum), true));
        line.rule += ", + {PocetOsob} × čtvrtina z toho {NezabOsoba} na vyživované osoby";
        // The sum is rounded up before the reduction; without one it is the result itself.
        if (g_.Ponizeni != 0)
            line.rule += ", zaokrouhleno nahoru na celé koruny: {Chraneno}";
        else
            line.rounding = "zaokrouhleno nahoru na celé koruny";
    } else if (static_cast<Extended>(sum) != static_cast<Extended>(g_.Dluznik)) {
        // A share of the base with a fraction of a crown is rounded up too.
        line.operands.push_back(crowns("Chraneno", static_cast<Extended>(sum), true));
        if (g_.Ponizeni != 0)
            line.rule += ", zaokrouhleno nahoru na celé koruny: {Chraneno}";
        else
            line.rounding = "zaokrouhleno nahoru na celé koruny";
    }
    if (g_.Ponizeni != 0) {
        line.operands.push_back(crowns("Ponizeni", g_.Ponizeni));
        line.rule += ", − ponížení {Ponizeni}";
    }
    if (floored) {
        line.rule += ", nejméně však 0 Kč";
        addNote(line, "Ponížení je větší než chráněná částka, nezabavitelná částka proto klesla na 0 Kč.");
    }
    return line;
}

void GarnishmentPage::addRest(ExplanationLine& line) const
{
    line.operands.push_back(protectedOperand());
    line.operands.push_back(crowns("ZbytekCiste", g_.ZbytekCiste));
    line.operands.push_back(limit());
}

void GarnishmentPage::addThirds(ExplanationLine& line) const
{
    addRest(line);
    line.operands.push_back(crowns("PrvniTretina", g_.PrvniTretina));
    line.operands.push_back(crowns("DruhaTretina", g_.DruhaTretina));
    line.operands.push_back(crowns("SrazBezOmez", g_.SrazBezOmez));
    if (g_.ZbytekCiste < 0) {
        addNote(line, "Čistá mzda {N} je nižší než nezabavitelná částka {NezabCastka}, srážet se nedá nic.");
    } else if (y_.Tretiny == Thirds::DivisibleByThree) {
        line.operands.push_back(crowns("ZbytekDelitelny", g_.ZbytekDelitelny, true));
        addNote(line, g_.ZbytekCiste > y_.HraniceSrazek
                          ? "Zbytek: čistá mzda {N} − nezabavitelná částka {NezabCastka} = {ZbytekCiste}, je nad "
                            "hranicí {HraniceSrazek}: na třetiny se dělí jen hranice, zaokrouhlená dolů na částku "
                            "dělitelnou třemi ({ZbytekDelitelny}, třetina {PrvniTretina}), a vše nad hranicí se "
                            "srazí celé."
                          : "Zbytek: čistá mzda {N} − nezabavitelná částka {NezabCastka} = {ZbytekCiste} se "
                            "zaokrouhlí dolů na částku dělitelnou třemi ({ZbytekDelitelny}), třetina je "
                            "{PrvniTretina}; hranici {HraniceSrazek} nepřevyšuje.");
        addNote(line, "Okno roku " + std::to_string(defaultYear().rok) +
                          " zbytek nezaokrouhluje a každou třetinu zaokrouhluje na celé koruny.");
    } else if (g_.ZbytekCiste > y_.HraniceSrazek) {
        addNote(line,
                "Zbytek: čistá mzda {N} − nezabavitelná částka {NezabCastka} = {ZbytekCiste}, je nad hranicí "
                "{HraniceSrazek}: na třetiny se dělí jen hranice (třetina {PrvniTretina}, na celé koruny, půl "
                "koruny k sudému číslu) a vše nad ní se srazí celé.");
    } else {
        addNote(line,
                "Zbytek: čistá mzda {N} − nezabavitelná částka {NezabCastka} = {ZbytekCiste}, třetina "
                "{PrvniTretina} je jeho třetina na nejbližší celou korunu; hranici {HraniceSrazek} nepřevyšuje.");
    }
}

ExplanationLine GarnishmentPage::aboveLimit(ExplanationLine line) const
{
    line.result = czechCrowns(g_.SrazBezOmez);
    addRest(line);
    if (g_.ZbytekCiste > y_.HraniceSrazek) {
        line.rule = "Zbytek {ZbytekCiste} − hranice {HraniceSrazek}";
        if (y_.Tretiny == Thirds::EachRounded)
            line.rounding = "na celé koruny, půl koruny k sudému číslu";
        else if (y_.HraniceSrazek != std::floor(y_.HraniceSrazek))
            line.rounding = "zaokrouhleno nahoru na celé koruny";
        addNote(line,
                "Zbytek je čistá mzda {N} − nezabavitelná částka {NezabCastka}; co je nad hranicí, se srazí celé.");
    } else {
        addNote(line,
                "Zbytek {ZbytekCiste} (čistá mzda {N} − nezabavitelná částka {NezabCastka}) nepřevyšuje hranici "
                "{HraniceSrazek}, bez omezení se nesráží nic.");
    }
    return line;
}

// ---- The deductions ----

ExplanationLine GarnishmentPage::priority(ExplanationLine line) const
{
    line.result = czechCrowns(g_.SrazPrednost);
    addThirds(line);
    if (g_.ZbytekCiste >= 0) line.rule = "Dvě třetiny {PrvniTretina} + {DruhaTretina} a část nad hranicí {SrazBezOmez}";
    addLawFigure(line, g_.SrazPrednost, &GarnishmentState::SrazPrednost);
    addNote(line, PayersFee);
    return line;
}

ExplanationLine GarnishmentPage::nonPriority(ExplanationLine line) const
{
    line.result = czechCrowns(g_.SrazNepr);
    addThirds(line);
    if (g_.ZbytekCiste >= 0) line.rule = "Jedna třetina {PrvniTretina} a část nad hranicí {SrazBezOmez}";
    addLawFigure(line, g_.SrazNepr, &GarnishmentState::SrazNepr);
    addNote(line, PayersFee);
    return line;
}

ExplanationLine GarnishmentPage::concurrentPriority(ExplanationLine line) const
{
    line.result = czechCrowns(g_.SrazNepr);
    addThirds(line);
    if (g_.ZbytekCiste >= 0) line.rule = "První třetina {PrvniTretina} a část nad hranicí {SrazBezOmez}";
    addNote(line, "Při souběhu bere přednostní pohledávka první třetinu a vše nad hranicí.");
    addLawFigure(line, g_.SrazNepr, &GarnishmentState::SrazNepr);
    return line;
}

ExplanationLine GarnishmentPage::concurrentNonPriority(ExplanationLine line) const
{
    line.result = czechCrowns(g_.DruhaTretina);
    addThirds(line);
    if (g_.ZbytekCiste >= 0) line.rule = "Druhá třetina {DruhaTretina}";
    addLawFigure(line, g_.DruhaTretina, &GarnishmentState::DruhaTretina);
    addNote(line, "Při souběhu bere nepřednostní pohledávka druhou třetinu; poslední třetina zůstává dlužníkovi.");
    return line;
}

// What remains of the net wage after deductions that are never below nothing: the wage less
// them, at least 0 and at most the net wage itself.
ExplanationLine GarnishmentPage::remaining(ExplanationLine line, Extended deductions) const
{
    const Extended left = net_ - deductions;
    line.result = czechCrowns(left < 0 && net_ >= 0 ? 0 : left);
    if (left < 0 && net_ >= 0) {
        line.rule += ", nejméně však 0 Kč";
        addNote(line, "Srážky převyšují čistou mzdu.");
    }
    if (g_.ZbytekCiste < 0)
        addNote(line, "Čistá mzda {N} je nižší než nezabavitelná částka {NezabCastka}, nesráží se nic.");
    return line;
}

ExplanationLine GarnishmentPage::afterPriority(ExplanationLine line) const
{
    line.operands.push_back(crowns("SrazPrednost", g_.SrazPrednost));
    line.operands.push_back(protectedOperand());
    line.rule = "Čistá mzda {N} − srážka přednostní {SrazPrednost}";
    return remaining(std::move(line), g_.SrazPrednost);
}

ExplanationLine GarnishmentPage::afterNonPriority(ExplanationLine line) const
{
    line.operands.push_back(crowns("DruhaTretina", g_.DruhaTretina));
    line.operands.push_back(crowns("SrazBezOmez", g_.SrazBezOmez));
    line.operands.push_back(protectedOperand());
    line.rule = "Čistá mzda {N} − třetina {DruhaTretina} − část nad hranicí {SrazBezOmez}";
    return remaining(std::move(line), static_cast<Extended>(g_.DruhaTretina) + g_.SrazBezOmez);
}

ExplanationLine GarnishmentPage::afterConcurrence(ExplanationLine line) const
{
    line.operands.push_back(crowns("SrazNepr", g_.SrazNepr));
    line.operands.push_back(crowns("DruhaTretina", g_.DruhaTretina));
    line.operands.push_back(protectedOperand());
    line.rule = "Čistá mzda {N} − přednostní {SrazNepr} − nepřednostní {DruhaTretina}";
    addNote(line, "Při souběhu zůstává dlužníkovi totéž co po samotné přednostní srážce.");
    return remaining(std::move(line), static_cast<Extended>(g_.SrazNepr) + g_.DruhaTretina);
}

}  // namespace

std::vector<ExplanationLine> garnishmentLines(const TKalkulajda& form) { return GarnishmentPage(form).lines(); }

}  // namespace platomer::explaining
