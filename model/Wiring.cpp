#include "model/Wiring.h"

namespace platomer {

using K = TKalkulajda;

const std::vector<Binding>& wiring()
{
    static const std::vector<Binding> table{
        {"Kalkulajda", Binds::Activate, &K::FormActivate},
        {"Kalkulajda", Binds::KeyPress, nullptr},
        {"PcHlav", Binds::Change, &K::PcHlavChange},
        {"EdHruba", Binds::Click, &K::EdHrubaClick},
        {"EdHruba", Binds::Exit, &K::SpoctiTo},
        {"EdCista", Binds::Click, &K::EdCistaClick},
        {"EdCista", Binds::Exit, &K::EditCistaExit},
        {"ChckBSocAno", Binds::Click, &K::SpoctiTo},
        {"ChckBZdrAno", Binds::Click, &K::SpoctiTo},
        {"CHckBNezdM", Binds::Click, &K::SpoctiTo},
        {"CHckBNezdS", Binds::Click, &K::SpoctiTo},
        {"CHckBNezdI", Binds::Click, &K::SpoctiTo},
        {"CHckBNezdP", Binds::Click, &K::SpoctiTo},
        {"CHckBNezdZTP", Binds::Click, &K::SpoctiTo},
        {"CHckBNezdV", Binds::Click, &K::CHckBNezdVClick},
        {"ChckBxDeti1", Binds::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti2", Binds::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti3", Binds::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti4", Binds::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti1z", Binds::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti2z", Binds::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti3z", Binds::Click, &K::ChckBxDetiClick},
        {"ChckBxDeti4z", Binds::Click, &K::ChckBxDetiClick},
        {"CHckBPodpis", Binds::Click, &K::CHckBPodpisClick},
        {"CheckBxDpp", Binds::Click, &K::CheckBxDppClick},
        {"ChckBxHrzCis", Binds::Click, &K::ChckBxHrzCisClick},
        {"lWeb", Binds::Click, &K::lWebClick},
        {"Label12", Binds::Click, &K::lWebClick},
        {"Lbrovina", Binds::Click, &K::LbrovinaClick},
        {"Label16", Binds::Click, &K::LbrovinaClick},
        {"EdExekCm", Binds::Change, &K::EdExekCmChange},
        {"EdExekCm", Binds::Exit, &K::EdExekCmExit},
        {"EdDeti", Binds::Change, &K::CiExek},
        {"EdPoniz", Binds::Change, &K::EdPonizChange},
    };
    return table;
}

}  // namespace platomer
