#include "model/Kalkulajda.h"

#include <stdexcept>
#include <string_view>

#include "model/AmountText.h"

namespace platomer {

namespace {

// A control of the table by its name, from the form or from a const view of it.
template <class Form>
auto& named(Form& form, std::string_view name)
{
    auto* control = form.find(name);
    if (control == nullptr) throw std::logic_error("no control " + std::string(name));
    return *control;
}

}  // namespace

template <class C>
KalkulajdaControls<C>::KalkulajdaControls(Form& form)
    : Kalkulajda(named(form, "Kalkulajda")),
      PcHlav(named(form, "PcHlav")),
      EdHruba(named(form, "EdHruba")),
      EdCista(named(form, "EdCista")),
      EdNaklZam(named(form, "EdNaklZam")),
      PZakladDane(named(form, "PZakladDane")),
      PCelkemN(named(form, "PCelkemN")),
      POdpd(named(form, "POdpd")),
      PDanN(named(form, "PDanN")),
      PDan20p(named(form, "PDan20p")),
      PDan15(named(form, "PDan15")),
      DanBonus(named(form, "DanBonus")),
      PSocialni(named(form, "PSocialni")),
      PZdravotni(named(form, "PZdravotni")),
      CprBezBon(named(form, "CprBezBon")),
      ChckBSocAno(named(form, "ChckBSocAno")),
      ChckBZdrAno(named(form, "ChckBZdrAno")),
      ChckBxHrzCis(named(form, "ChckBxHrzCis")),
      GBNezdanC(named(form, "GBNezdanC")),
      CHckBNezdM(named(form, "CHckBNezdM")),
      CHckBNezdS(named(form, "CHckBNezdS")),
      CHckBNezdI(named(form, "CHckBNezdI")),
      CHckBNezdP(named(form, "CHckBNezdP")),
      CHckBNezdZTP(named(form, "CHckBNezdZTP")),
      CHckBNezdV(named(form, "CHckBNezdV")),
      GroupBxDeti(named(form, "GroupBxDeti")),
      ChckBxDeti{{{named(form, "ChckBxDeti1"), named(form, "ChckBxDeti1z")},
                  {named(form, "ChckBxDeti2"), named(form, "ChckBxDeti2z")},
                  {named(form, "ChckBxDeti3"), named(form, "ChckBxDeti3z")},
                  {named(form, "ChckBxDeti4"), named(form, "ChckBxDeti4z")}}},
      PojSum(named(form, "PojSum")),
      ZPF(named(form, "ZPF")),
      SPF(named(form, "SPF")),
      CHckBPodpis(named(form, "CHckBPodpis")),
      CheckBxDpp(named(form, "CheckBxDpp")),
      GBoxZamestnanec(named(form, "GBoxZamestnanec")),
      CheckBxDpc(named(form, "CheckBxDpc")),
      ChckBDuchodce(named(form, "ChckBDuchodce")),
      ChckBVyjimkaZP(named(form, "ChckBVyjimkaZP")),
      EdZakladRok(named(form, "EdZakladRok")),
      pNezdM(named(form, "pNezdM")),
      pNezdS(named(form, "pNezdS")),
      pNezdI(named(form, "pNezdI")),
      pNezdP(named(form, "pNezdP")),
      pNezdztp(named(form, "pNezdztp")),
      pDite1(named(form, "pDite1")),
      pDite2(named(form, "pDite2")),
      pDite3(named(form, "pDite3")),
      pDite1ztp(named(form, "pDite1ztp")),
      pDite2ztp(named(form, "pDite2ztp")),
      pDite3ztp(named(form, "pDite3ztp")),
      p2SazDanod(named(form, "p2SazDanod")),
      pMr(named(form, "pMr")),
      EdExekCm(named(form, "EdExekCm")),
      EdDeti(named(form, "EdDeti")),
      EdPoniz(named(form, "EdPoniz")),
      pZivMinJ(named(form, "pZivMinJ")),
      pNormBydlo(named(form, "pNormBydlo")),
      pNezabKc(named(form, "pNezabKc")),
      pSrazBezO(named(form, "pSrazBezO")),
      pBezSPrednost(named(form, "pBezSPrednost")),
      pBezSNepr(named(form, "pBezSNepr")),
      pMzdaBezP(named(form, "pMzdaBezP")),
      pMzdaBezN(named(form, "pMzdaBezN")),
      pSoubehPred(named(form, "pSoubehPred")),
      pSoubehNepr(named(form, "pSoubehNepr")),
      pMzdaSoub(named(form, "pMzdaSoub"))
{
}

template struct KalkulajdaControls<Control>;
template struct KalkulajdaControls<const Control>;

TKalkulajda::TKalkulajda(Platform& platform)
    : FormModel(platform),
      KalkulajdaControls<Control>(static_cast<FormModel&>(*this)),
      parts_(static_cast<const FormModel&>(*this)),
      bound_(controls().size())
{
    for (const WiringRow& w : wiring())
        bound_[static_cast<std::size_t>(control(w.control).index())][slot(w.event)] = w.handler;
}

std::size_t TKalkulajda::slot(Event event)
{
    switch (event) {
    case Event::Click: return 0;
    case Event::Change: return 1;
    case Event::Exit: return 2;
    }
    return 0;
}

void TKalkulajda::raise(Control& sender, Event event)
{
    Handler h = bound_[static_cast<std::size_t>(sender.index())][slot(event)];
    if (!h) return;
    if (nesting_ >= MaxNesting) throw std::runtime_error("Výpočet se zacyklil a byl přerušen");
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
    } depth(nesting_);
    if (watch_ != nullptr) watch_->handlerEntered(nesting_);
    // A handler changes the calculation's state, which the controls may not show.
    changed();
    (this->*h)(sender);
}

std::string TKalkulajda::NumText(Extended value) const { return FloatToStr(value, platform().decimalSeparator()); }

}  // namespace platomer
