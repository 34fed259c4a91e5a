// The base of the tax, the personal credits, the child advantage and the year's figures on the page.
#include <string>
#include <utility>
#include <vector>

#include "explain/WagePage.h"
#include "model/AmountText.h"

namespace platomer::explaining {

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
        line.operands.push_back(crowns("HraniceVyssi", y_.HraniceVyssi));
        line.operands.push_back(crowns("ZakladVyssi", w_.ZakladVyssi));
        line.operands.push_back(rate("SazbaVyssi", y_.SazbaVyssi));
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
        const char* phrase;  // as the rule names it
        std::int32_t amount;
    };
    const Credit all[] = {{k_.parts().CHckBNezdM, "SlevaPopl", "sleva na poplatníka", y_.SlevaPopl},
                          {k_.parts().CHckBNezdS, "SlevaStud", "sleva na studenta", y_.SlevaStud},
                          {k_.parts().CHckBNezdI, "SlevaCInv", "sleva na částečnou invaliditu", y_.SlevaCInv},
                          {k_.parts().CHckBNezdP, "SlevaPInv", "sleva na úplnou invaliditu", y_.SlevaPInv},
                          {k_.parts().CHckBNezdZTP, "SlevaZtp", "sleva držitele průkazu ZTP-P", y_.SlevaZtp}};
    std::int64_t sum = 0;
    for (const Credit& c : all) {
        if (!c.box.ticked()) continue;
        line.rule += line.rule.empty() ? capitalised(c.phrase) : std::string(" + ") + c.phrase;
        line.rule += std::string(" {") + c.name + "}";
        line.operands.push_back(crowns(c.name, c.amount));
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
    const char* const ordinals[] = {"první", "druhé", "třetí", "čtvrté"};
    std::int64_t sum = 0;
    for (int order = 1; order <= 4 && k_.parts().CHckBNezdV.ticked(); ++order) {
        const auto& [plain, card] = k_.parts().ChckBxDeti[static_cast<std::size_t>(order - 1)];
        if (!plain.ticked()) continue;
        const bool ztp = card.ticked();
        const std::string name = "Dite" + std::to_string(order);
        const std::string phrase =
            std::string(ordinals[order - 1]) + (ztp ? " dítě s průkazem ZTP-P, dvojnásobně" : " dítě");
        line.rule += line.rule.empty() ? capitalised(phrase) : " + " + phrase;
        line.rule += " {" + name + "}";
        line.operands.push_back(crowns(name, y_.childAdvantage(order, ztp)));
        sum += y_.childAdvantage(order, ztp);
    }
    if (sum != w_.ZvyhDeti) {
        line.rule.clear();
        addNote(line, "Zaškrtnuté děti neodpovídají poslednímu výpočtu.");
    }
    if (line.operands.empty()) addNote(line, "Žádné dítě není zaškrtnuté.");
    if (k_.parts().ChckBxDeti[3].plain.ticked() && k_.parts().CHckBNezdV.ticked())
        addNote(line, "Čtvrté a každé další dítě se počítá jako třetí.");
    if (!w_.Podepsal && w_.ZvyhDeti != 0) addNote(line, "Bez podepsaného prohlášení se zvýhodnění od daně neodečítá.");
    return line;
}

ExplanationLine WagePage::parameter(const Control& c, std::int64_t value, std::string rule,
                                    std::vector<Operand> operands, std::string_view note) const
{
    ExplanationLine line = lineFor(c, LineKind::Parameter);
    line.label = labelInFrame(k_, c);
    const std::string expected = &c == &k_.parts().pMr ? k_.NumText(static_cast<Extended>(value)) : IntToStr(value);
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
    const Operand first = crowns("ZvyhDite1", y_.ZvyhDite1);
    const Operand add2 = crowns("PriplDite2", y_.PriplDite2);
    const Operand add3 = crowns("PriplDite3", y_.PriplDite3);
    const std::string ztp = "Dítě s průkazem ZTP-P se počítá dvojnásobně.";
    auto credit = [&](const Control& c, const char* name, std::int32_t amount) {
        return parameter(c, 12LL * amount, std::string("12 × {") + name + "}", {crowns(name, amount)}, monthly);
    };
    return {
        credit(k_.parts().pNezdM, "SlevaPopl", y_.SlevaPopl),
        credit(k_.parts().pNezdS, "SlevaStud", y_.SlevaStud),
        credit(k_.parts().pNezdI, "SlevaCInv", y_.SlevaCInv),
        credit(k_.parts().pNezdP, "SlevaPInv", y_.SlevaPInv),
        credit(k_.parts().pNezdztp, "SlevaZtp", y_.SlevaZtp),
        parameter(k_.parts().pDite1, annual(1, false), "12 × {ZvyhDite1}", {first}, monthly),
        parameter(k_.parts().pDite2, annual(2, false), "12 × ({ZvyhDite1} + {PriplDite2})", {first, add2}, monthly),
        parameter(k_.parts().pDite3, annual(3, false), "12 × ({ZvyhDite1} + {PriplDite3})", {first, add3},
                  std::string(monthly) + " Stejná částka platí pro čtvrté a každé další dítě."),
        parameter(k_.parts().pDite1ztp, annual(1, true), "24 × {ZvyhDite1}", {first}, ztp),
        parameter(k_.parts().pDite2ztp, annual(2, true), "24 × ({ZvyhDite1} + {PriplDite2})", {first, add2}, ztp),
        parameter(k_.parts().pDite3ztp, annual(3, true), "24 × ({ZvyhDite1} + {PriplDite3})", {first, add3}, ztp),
        parameter(k_.parts().p2SazDanod, y_.HraniceVyssi, "", {rate("SazbaVyssi", y_.SazbaVyssi)},
                  "Část zaokrouhleného základu daně nad touto částkou se daní sazbou {SazbaVyssi}."),
        parameter(k_.parts().pMr, static_cast<std::int64_t>(y_.LimitMr), "",
                  {rate("SazbaSraz", y_.SazbaSraz), crowns("LimitDpp", y_.LimitDpp)},
                  "Bez podepsaného prohlášení se z hrubé mzdy do této částky včetně platí srážková daň {SazbaSraz}; "
                  "u dohody o provedení práce platí limit {LimitDpp}."),
    };
}

}  // namespace platomer::explaining
