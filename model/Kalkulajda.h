#pragma once
// The one window of the wage calculator, as a model.
//
// Every user action is one event on one control; the wiring sends it to a handler of
// TKalkulajda. Leaving the gross field or clicking an option box runs SpoctiTo: insurance and
// base, credits, tax, results, padding, then the net wage is handed to the garnishment page,
// whose own inputs run CiExek. Handlers nest: a handler that sets a box or a text by code runs
// that control's handler at once, and the outermost run's results stand.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/FormModel.h"
#include "model/GarnishmentState.h"
#include "model/Rounding.h"
#include "model/TaxYear.h"
#include "model/WageState.h"
#include "model/Years.h"

namespace platomer {


// The state is grouped as the rules group it: the year's parameters, the wage calculation and
// the garnishment. The handlers use the fields by their own names; others read them whole.
class TKalkulajda : public FormModel, protected TaxYear, protected WageState, protected GarnishmentState {
public:
    explicit TKalkulajda(Platform& platform);

    using Handler = void (TKalkulajda::*)(Control& Sender);

    // Window-wide behaviour.
    void FormActivate(Control& Sender);
    // Sees every typed character before the focused control; sets Key to 0 to consume it.
    void FormKeyPress(Control& Sender, char32_t& Key);
    void PcHlavChange(Control& Sender);
    void lWebClick(Control& Sender);
    void LbrovinaClick(Control& Sender);

    // The year's parameters and their panels.
    void NastavParametry();
    // Chooses the rules of another year and recalculates both pages by them; before the window
    // is activated it only sets the year it starts with. An unknown year or the year already
    // chosen does nothing. Returns whether the year changed.
    bool ZvolRok(int rok);
    const YearRow& rok() const { return *rok_; }
    // "Platomer 2023": the program's name with the chosen year, the caption of every message.
    std::string applicationTitle() const;

    // Gross to net.
    void SpoctiTo(Control& Sender);
    void SpoctiPojistne();
    void SpoctiSlevy();
    void SpoctiDan();
    void ZobrazVysledky();

    // Net to gross.
    void HledejHrubou();
    void EditCistaExit(Control& Sender);

    // The option boxes and the two amount fields.
    void CHckBPodpisClick(Control& Sender);
    void CheckBxDppClick(Control& Sender);
    void ChckBxDetiClick(Control& Sender);
    void CHckBNezdVClick(Control& Sender);
    void ChckBxHrzCisClick(Control& Sender);
    void EdHrubaClick(Control& Sender);
    void EdCistaClick(Control& Sender);

    // Garnishment.
    void CiExek(Control& Sender);
    void EdExekCmChange(Control& Sender);
    void EdExekCmExit(Control& Sender);
    void EdPonizChange(Control& Sender);

    // Texts of amounts in the user's locale.
    std::string NumText(Extended value) const;

    // Runs the handler bound to an event, if any.
    void raise(Control& sender, Event event) override;

    // How deep handlers have nested since the last reset: each event raised by code inside a
    // handler runs its own handler at once. A bound stops a cascade that would never end.
    static constexpr int MaxNesting = 64;
    int deepestNesting() const { return deepestNesting_; }
    void resetDeepestNesting() { deepestNesting_ = nesting_; }
    // How many times the results of the wage page were written.
    std::uint64_t wageResultsWritten() const { return wageResultsWritten_; }

    const TaxYear& year() const { return *this; }
    const WageState& wage() const { return *this; }
    const GarnishmentState& garnishment() const { return *this; }

    // The controls the handlers use, by their names.
    Control &Kalkulajda, &PcHlav;
    Control &EdHruba, &EdCista, &EdNaklZam, &PZakladDane, &PCelkemN, &POdpd, &PDanN, &PDan20p, &PDan15;
    Control &DanBonus, &PSocialni, &PZdravotni, &CprBezBon, &ChckBSocAno, &ChckBZdrAno, &ChckBxHrzCis;
    Control &GBNezdanC, &CHckBNezdM, &CHckBNezdS, &CHckBNezdI, &CHckBNezdP, &CHckBNezdZTP, &CHckBNezdV;
    Control &GroupBxDeti, &ChckBxDeti1, &ChckBxDeti2, &ChckBxDeti3, &ChckBxDeti4;
    Control &ChckBxDeti1z, &ChckBxDeti2z, &ChckBxDeti3z, &ChckBxDeti4z;
    Control &PojSum, &ZPF, &SPF, &CHckBPodpis, &CheckBxDpp;
    Control &pNezdM, &pNezdS, &pNezdI, &pNezdP, &pNezdztp, &pDite1, &pDite2, &pDite3;
    Control &pDite1ztp, &pDite2ztp, &pDite3ztp, &p2SazDanod, &pMr;
    Control &EdExekCm, &EdDeti, &EdPoniz, &pZivMinJ, &pNormBydlo, &pNezabKc, &pSrazBezO;
    Control &pBezSPrednost, &pBezSNepr, &pMzdaBezP, &pMzdaBezN, &pSoubehPred, &pSoubehNepr, &pMzdaSoub;

private:
    bool anyChildTicked() const;
    // Under an agreement the insurance boxes follow the agreement's limit; returns whether
    // either box changed (and so recalculated).
    bool insuranceByAgreement();
    // The student's credit box, locked in a year without the credit.
    void studentCreditByYear();
    const YearRow* rok_ = &defaultYear();
    // The click, change and exit handlers of each control, in the slots of their events.
    static std::size_t slot(Event event);
    std::vector<std::array<Handler, 3>> bound_;
    int nesting_ = 0;
    int deepestNesting_ = 0;
    std::uint64_t wageResultsWritten_ = 0;
};

}  // namespace platomer
