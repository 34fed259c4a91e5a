#pragma once
// What one garnishment calculation leaves behind: the non-seizable amount, the part seized
// without limit and the thirds. Every real is a double holding a whole number of crowns.

#include <cstdint>

namespace platomer {

struct GarnishmentState {
    double NezabCastka = 0;  // non-seizable amount after the reduction
    double ZbytekCiste = 0;  // the net wage above it, from which deductions are taken
    double PrvniTretina = 0, DruhaTretina = 0;
    double SrazBezOmez = 0;                 // the part above the limit, seized in full
    double SrazPrednost = 0;                // priority claim alone
    double SrazNepr = 0;                    // non-priority claim alone; the priority claim under concurrence
    double MzdaPoPred = 0, MzdaPoNepr = 0;  // what remains after each
    std::int32_t Ponizeni = 0;              // the reduction read from its field
};

}  // namespace platomer
