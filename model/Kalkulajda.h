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
#include <type_traits>
#include <vector>

#include "model/FormModel.h"
#include "model/GarnishmentState.h"
#include "model/Rounding.h"
#include "model/TaxYear.h"
#include "model/WageState.h"
#include "model/Years.h"

namespace platomer {

// A child's box and the box of the child's ZTP-P card, which counts only with the child's own.
template <class C>
struct ChildBoxes {
    C& plain;
    C& ztp;
};

// The controls the handlers use, by their names: read and written by the handlers, read through
// a view of const controls by everything else.
template <class C>
struct KalkulajdaControls {
    using Form = std::conditional_t<std::is_const_v<C>, const FormModel, FormModel>;
    explicit KalkulajdaControls(Form& form);

    C &Kalkulajda, &PcHlav;
    C &EdHruba, &EdCista, &EdNaklZam, &PZakladDane, &PCelkemN, &POdpd, &PDanN, &PDan20p, &PDan15;
    C &DanBonus, &PSocialni, &PZdravotni, &CprBezBon, &ChckBSocAno, &ChckBZdrAno, &ChckBxHrzCis;
    C &GBNezdanC, &CHckBNezdM, &CHckBNezdS, &CHckBNezdI, &CHckBNezdP, &CHckBNezdZTP, &CHckBNezdV;
    C& GroupBxDeti;
    // The first to the fourth child, in the order of their advantages.
    std::array<ChildBoxes<C>, 4> ChckBxDeti;
    C &PojSum, &ZPF, &SPF, &CHckBPodpis, &CheckBxDpp;
    // The employee's circumstances, asked from the years that follow the law's participation rules.
    C &GBoxZamestnanec, &CheckBxDpc, &ChckBDuchodce, &ChckBVyjimkaZP, &EdZakladRok;
    C &pNezdM, &pNezdS, &pNezdI, &pNezdP, &pNezdztp, &pDite1, &pDite2, &pDite3;
    C &pDite1ztp, &pDite2ztp, &pDite3ztp, &p2SazDanod, &pMr;
    C &EdExekCm, &EdDeti, &EdPoniz, &pZivMinJ, &pNormBydlo, &pNezabKc, &pSrazBezO;
    C &pBezSPrednost, &pBezSNepr, &pMzdaBezP, &pMzdaBezN, &pSoubehPred, &pSoubehNepr, &pMzdaSoub;
};

// Told when a handler starts, and how deep it nests, and when the results of the wage page are
// written: what a check that watches the window from outside counts.
class HandlerWatch {
public:
    virtual ~HandlerWatch() = default;
    virtual void handlerEntered(int depth) = 0;
    virtual void wageResultsWritten() = 0;
};

class UserActions;

// The state is grouped as the rules group it: the year's parameters, the wage calculation and
// the garnishment. The handlers use the fields and the controls by their own names; others read
// them whole. The wiring binds the handlers; the user's actions run the window's own two.
class TKalkulajda : public FormModel,
                    protected TaxYear,
                    protected WageState,
                    protected GarnishmentState,
                    protected KalkulajdaControls<Control> {
public:
    explicit TKalkulajda(Platform& platform);

    // Chooses the rules of another year and recalculates both pages by them; before the window
    // is activated it only sets the year it starts with. An unknown year or the year already
    // chosen does nothing. Returns whether the year changed.
    bool ZvolRok(int rok);
    const YearRow& rok() const { return *rok_; }
    // "Platomer 2023": the program's name with the chosen year, the caption of every message.
    std::string applicationTitle() const;

    // Texts of amounts in the user's locale.
    std::string NumText(Extended value) const;

    const TaxYear& year() const { return *this; }
    const WageState& wage() const { return *this; }
    const GarnishmentState& garnishment() const { return *this; }
    using Controls = KalkulajdaControls<const Control>;
    const Controls& parts() const { return parts_; }

    void setWatch(HandlerWatch* watch) { watch_ = watch; }

protected:
    // Runs the handler bound to an event, if any.
    void raise(Control& sender, Event event) override;

    // Window-wide behaviour.
    void FormActivate(Control& Sender);
    // Sees every typed character before the focused control; sets Key to 0 to consume it.
    void FormKeyPress(Control& Sender, char32_t& Key);
    void PcHlavChange(Control& Sender);
    void lWebClick(Control& Sender);
    void LbrovinaClick(Control& Sender);

    // The year's parameters and their panels.
    void NastavParametry();

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
    void CheckBxDpcClick(Control& Sender);
    void EdZakladRokExit(Control& Sender);
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

private:
    friend class UserActions;

    using Handler = void (TKalkulajda::*)(Control& Sender);
    // Which handler each event of a control reaches. The window's activation and its key
    // preview are not events of a control: the user actions call FormActivate and FormKeyPress
    // themselves.
    struct WiringRow {
        const char* control;
        Event event;
        Handler handler;
    };
    static const std::vector<WiringRow>& wiring();

    bool anyChildTicked() const;
    // Under an agreement the insurance boxes follow the agreement's limit; returns whether
    // either box changed (and so recalculated).
    bool insuranceByAgreement();
    // The student's credit box, locked in a year without the credit.
    void studentCreditByYear();
    // The employee's circumstances, shown in a year that asks for them.
    void employeeByYear();
    // The employee's circumstances as the boxes and the earlier base give them.
    Employee employee() const;
    // The figures emptied for new input after a click into either amount field.
    void clearResults();
    // One candidate of the search through the insurance, tax and results steps; its net wage.
    std::int32_t tryGross(std::int64_t gross);
    const YearRow* rok_ = &defaultYear();
    Controls parts_;
    // The click, change and exit handlers of each control, in the slots of their events.
    static std::size_t slot(Event event);
    std::vector<std::array<Handler, 3>> bound_;
    // How deep handlers have nested: each event raised by code inside a handler runs its own
    // handler at once. A bound stops a cascade that would never end.
    static constexpr int MaxNesting = 64;
    int nesting_ = 0;
    HandlerWatch* watch_ = nullptr;
};

}  // namespace platomer
