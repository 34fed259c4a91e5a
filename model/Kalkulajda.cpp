#include "model/Kalkulajda.h"

#include <algorithm>
#include <stdexcept>

#include "model/AmountText.h"
#include "model/Wiring.h"

namespace platomer {

TKalkulajda::TKalkulajda(Platform& platform)
    : FormModel(platform),
      Kalkulajda(control("Kalkulajda")),
      PcHlav(control("PcHlav")),
      EdHruba(control("EdHruba")),
      EdCista(control("EdCista")),
      EdNaklZam(control("EdNaklZam")),
      PZakladDane(control("PZakladDane")),
      PCelkemN(control("PCelkemN")),
      POdpd(control("POdpd")),
      PDanN(control("PDanN")),
      PDan20p(control("PDan20p")),
      PDan15(control("PDan15")),
      DanBonus(control("DanBonus")),
      PSocialni(control("PSocialni")),
      PZdravotni(control("PZdravotni")),
      CprBezBon(control("CprBezBon")),
      ChckBSocAno(control("ChckBSocAno")),
      ChckBZdrAno(control("ChckBZdrAno")),
      ChckBxHrzCis(control("ChckBxHrzCis")),
      GBNezdanC(control("GBNezdanC")),
      CHckBNezdM(control("CHckBNezdM")),
      CHckBNezdS(control("CHckBNezdS")),
      CHckBNezdI(control("CHckBNezdI")),
      CHckBNezdP(control("CHckBNezdP")),
      CHckBNezdZTP(control("CHckBNezdZTP")),
      CHckBNezdV(control("CHckBNezdV")),
      GroupBxDeti(control("GroupBxDeti")),
      ChckBxDeti1(control("ChckBxDeti1")),
      ChckBxDeti2(control("ChckBxDeti2")),
      ChckBxDeti3(control("ChckBxDeti3")),
      ChckBxDeti4(control("ChckBxDeti4")),
      ChckBxDeti1z(control("ChckBxDeti1z")),
      ChckBxDeti2z(control("ChckBxDeti2z")),
      ChckBxDeti3z(control("ChckBxDeti3z")),
      ChckBxDeti4z(control("ChckBxDeti4z")),
      PojSum(control("PojSum")),
      ZPF(control("ZPF")),
      SPF(control("SPF")),
      CHckBPodpis(control("CHckBPodpis")),
      CheckBxDpp(control("CheckBxDpp")),
      pNezdM(control("pNezdM")),
      pNezdS(control("pNezdS")),
      pNezdI(control("pNezdI")),
      pNezdP(control("pNezdP")),
      pNezdztp(control("pNezdztp")),
      pDite1(control("pDite1")),
      pDite2(control("pDite2")),
      pDite3(control("pDite3")),
      pDite1ztp(control("pDite1ztp")),
      pDite2ztp(control("pDite2ztp")),
      pDite3ztp(control("pDite3ztp")),
      p2SazDanod(control("p2SazDanod")),
      pMr(control("pMr")),
      EdExekCm(control("EdExekCm")),
      EdDeti(control("EdDeti")),
      EdPoniz(control("EdPoniz")),
      pZivMinJ(control("pZivMinJ")),
      pNormBydlo(control("pNormBydlo")),
      pNezabKc(control("pNezabKc")),
      pSrazBezO(control("pSrazBezO")),
      pBezSPrednost(control("pBezSPrednost")),
      pBezSNepr(control("pBezSNepr")),
      pMzdaBezP(control("pMzdaBezP")),
      pMzdaBezN(control("pMzdaBezN")),
      pSoubehPred(control("pSoubehPred")),
      pSoubehNepr(control("pSoubehNepr")),
      pMzdaSoub(control("pMzdaSoub")),
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
        explicit Depth(int& d, int& deepest) : depth(d) { deepest = std::max(deepest, ++depth); }
        ~Depth() { --depth; }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
    } depth(nesting_, deepestNesting_);
    (this->*h)(sender);
}

std::string TKalkulajda::NumText(Extended value) const { return FloatToStr(value, platform().decimalSeparator()); }

}  // namespace platomer
