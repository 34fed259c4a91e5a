// The wage page as a whole: which figure each panel shows, the inputs and the ticks, and what
// a figure shows when the calculation has not run or its results were cleared.
#include "explain/WagePage.h"

#include <string>
#include <utility>
#include <vector>

#include "calc/WagePanels.h"
#include "model/AmountText.h"

namespace platomer::explaining {

WagePage::WagePage(const TKalkulajda& k) : k_(k), y_(k.year()), w_(k.wage())
{
    computed_ = y_.SazbaSocZam != 0 && !k.parts().PSocialni.text().empty();
    netMode_ = k.parts().ChckBxHrzCis.ticked();
    route_ = wageRoute(k);
    base_ = advanceBaseOf(w_);
    healthTotal_ = k.parts().ChckBZdrAno.ticked() ? platomer::healthTotal(y_, w_.Hruba) : 0;
    signed_ = platomer::signedTax(y_, {base_, w_.Hruba, w_.ZvyhDeti, w_.SlevyCelkem});
    advanceTax_ = platomer::advanceTax(y_, base_);
    net_ = wholeNumber(w_.TextCista).value_or(0);
    if (k.rok().law != nullptr) {
        lawYear_ = k.rok().law();
        law_ = &lawYear_;
    }

    // A click into an amount field writes 0 into the results without a calculation; a figure
    // that shows 0 where the calculation wrote something else was cleared that way.
    for (const Figure& f : figures())
        if (withoutPadding(f.control->text()) == "0" && f.expected != "0") cleared_ = true;
    if (netMode_)
        pending_ = withoutPadding(k.parts().EdCista.text()) != w_.TextCista;
    else
        pending_ = StrToIntDef(k.parts().EdHruba.text(), 0) != w_.Hruba;
}

std::vector<WagePage::Figure> WagePage::figures() const
{
    const TKalkulajda& k = k_;
    WagePanelTexts t = wagePanelTexts(k);
    return {
        {&k.parts().PSocialni, std::move(t.PSocialni), &WagePage::social},
        {&k.parts().PZdravotni, std::move(t.PZdravotni), &WagePage::health},
        {&k.parts().PZakladDane, std::move(t.PZakladDane), &WagePage::base},
        {&k.parts().PCelkemN, std::move(t.PCelkemN), &WagePage::credits},
        {&k.parts().POdpd, std::move(t.POdpd), &WagePage::children},
        {&k.parts().PDanN, std::move(t.PDanN), &WagePage::signedTax},
        {&k.parts().PDan20p, std::move(t.PDan20p), &WagePage::advance},
        {&k.parts().PDan15, std::move(t.PDan15), &WagePage::withholding},
        {&k.parts().DanBonus, std::move(t.DanBonus), &WagePage::bonus},
        {&k.parts().EdCista, std::move(t.EdCista), &WagePage::net},
        {&k.parts().CprBezBon, std::move(t.CprBezBon), &WagePage::netWithBonus},
        {&k.parts().SPF, std::move(t.SPF), &WagePage::employerSocial},
        {&k.parts().ZPF, std::move(t.ZPF), &WagePage::employerHealth},
        {&k.parts().PojSum, std::move(t.PojSum), &WagePage::employerInsurance},
        {&k.parts().EdNaklZam, std::move(t.EdNaklZam), &WagePage::employerCost},
    };
}

std::vector<ExplanationLine> WagePage::lines() const
{
    std::vector<ExplanationLine> out{grossInput()};
    const TKalkulajda::Controls& c = k_.parts();
    // The employee's circumstances, where the year asks for them.
    const bool asked = y_.Ucast == Participation::KindOfWork;
    if (asked) out.push_back(earlierBaseInput());
    for (const Control* box : {&c.CHckBPodpis, &c.CheckBxDpp, &c.ChckBxHrzCis, &c.ChckBSocAno, &c.ChckBZdrAno,
                               &c.CHckBNezdM, &c.CHckBNezdS, &c.CHckBNezdI, &c.CHckBNezdP, &c.CHckBNezdZTP})
        out.push_back(tick(*box));
    if (asked)
        for (const Control* box : {&c.CheckBxDpc, &c.ChckBDuchodce, &c.ChckBVyjimkaZP})
            out.push_back(tick(*box));
    for (const ChildBoxes<const Control>& child : c.ChckBxDeti)
        out.push_back(tick(child.plain));
    for (const ChildBoxes<const Control>& child : c.ChckBxDeti)
        out.push_back(tick(child.ztp));
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
    if (&c == &k_.parts().EdCista && netMode_ && pending_ && !cleared_) return wantedNet();
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
    if (&c == &k_.parts().EdCista && netMode_)
        addNote(line, "Počítá se hrubá mzda z čisté: do tohoto pole se píše požadovaná čistá mzda.");
    return line;
}

ExplanationLine WagePage::grossInput() const
{
    if (!computed_) return notComputed(k_.parts().EdHruba, "Výpočet ještě neproběhl.");
    ExplanationLine line = lineFor(k_.parts().EdHruba, LineKind::Input);
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

ExplanationLine WagePage::earlierBaseInput() const
{
    ExplanationLine line = lineFor(k_.parts().EdZakladRok, LineKind::Input);
    line.result = czechCrowns(static_cast<Extended>(earlierSocialBase(k_.parts().EdZakladRok.text())));
    addNote(line,
            "Vyměřovací základ sociálního pojištění, který zaměstnanec u tohoto zaměstnavatele dosáhl dříve "
            "v tomto kalendářním roce; co není celé číslo, se počítá jako 0 Kč.");
    return line;
}

ExplanationLine WagePage::wantedNet() const
{
    ExplanationLine line = lineFor(k_.parts().EdCista, LineKind::Input);
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
    if (&box == &k_.parts().ChckBSocAno || &box == &k_.parts().ChckBZdrAno)
        line.label += " (srážet)";
    else
        line.label = labelInFrame(k_, box);
    line.result = line.shown = box.ticked() ? "ano" : "ne";
    if (!box.hint().empty())
        addNote(line, box.hint());
    else if (!box.enabled())
        addNote(line, "Bez podepsaného prohlášení je políčko vypnuté.");
    return line;
}

void WagePage::addLawFigure(ExplanationLine& line, Extended windowFigure, Extended lawFigure,
                            std::string_view why) const
{
    if (windowFigure == lawFigure) return;
    addNote(line, "Podle zákona: " + czechCrowns(lawFigure) + " (" + std::string(why) + ").");
}

std::vector<ExplanationLine> wageLines(const TKalkulajda& form) { return WagePage(form).lines(); }

}  // namespace platomer::explaining
