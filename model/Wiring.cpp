// Which handler each event of a control reaches.
#include "model/Kalkulajda.h"

namespace platomer {

using K = TKalkulajda;

const std::vector<TKalkulajda::WiringRow>& TKalkulajda::wiring()
{
    static const std::vector<WiringRow> table{
        {"PcHlav", Event::Change, &K::PcHlavChange},
        {"EdHruba", Event::Click, &K::EdHrubaClick},
        {"EdHruba", Event::Exit, &K::SpoctiTo},
        {"EdCista", Event::Click, &K::EdCistaClick},
        {"EdCista", Event::Exit, &K::EditCistaExit},
        {"ChckBSocAno", Event::Click, &K::SpoctiTo},
        {"ChckBZdrAno", Event::Click, &K::SpoctiTo},
        {"CHckBNezdM", Event::Click, &K::SpoctiTo},
        {"CHckBNezdS", Event::Click, &K::SpoctiTo},
        {"CHckBNezdI", Event::Click, &K::SpoctiTo},
        {"CHckBNezdP", Event::Click, &K::SpoctiTo},
        {"CHckBNezdZTP", Event::Click, &K::SpoctiTo},
        {"CHckBNezdV", Event::Click, &K::CHckBNezdVClick},
        {"ChckBxDeti1", Event::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti2", Event::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti3", Event::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti4", Event::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti1z", Event::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti2z", Event::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti3z", Event::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti4z", Event::Click, &K::ChckBxDetiClick},
        {"CHckBPodpis", Event::Click, &K::CHckBPodpisClick},
        {"CheckBxDpp", Event::Click, &K::CheckBxDppClick},
        {"CheckBxDpc", Event::Click, &K::CheckBxDpcClick},
        {"ChckBDuchodce", Event::Click, &K::SpoctiTo},
        {"ChckBVyjimkaZP", Event::Click, &K::SpoctiTo},
        {"EdZakladRok", Event::Exit, &K::EdZakladRokExit},
        {"ChckBxHrzCis", Event::Click, &K::ChckBxHrzCisClick},
        {"lWeb", Event::Click, &K::lWebClick},
        {"Label12", Event::Click, &K::lWebClick},
        {"Lbrovina", Event::Click, &K::LbrovinaClick},
        {"Label16", Event::Click, &K::LbrovinaClick},
        {"EdExekCm", Event::Change, &K::EdExekCmChange},
        {"EdExekCm", Event::Exit, &K::EdExekCmExit},
        {"EdDeti", Event::Change, &K::CiExek},
        {"EdPoniz", Event::Change, &K::EdPonizChange},
    };
    return table;
}

}  // namespace platomer
