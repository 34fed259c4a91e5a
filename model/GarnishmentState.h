#pragma once
// What one garnishment calculation leaves behind: its inputs, the protected amount, the part
// seized without limit and the thirds. Every real is a double holding a whole number of crowns
// (but the debtor's share, which the law does not round on its own).

#include <cstdint>

namespace platomer {

struct GarnishmentState {
    std::int32_t Cista = 0;      // the net wage read from its field
    std::int32_t PocetOsob = 0;  // the dependent persons read from their field
    std::int32_t Ponizeni = 0;   // the reduction read from its field
    double Dluznik = 0;          // the debtor's own protected share of the base, not rounded
    std::int64_t Chraneno = 0;   // the protected amount before the reduction, rounded up
    double NezabCastka = 0;      // non-seizable amount after the reduction, never below nothing
    double ZbytekCiste = 0;      // the net wage above it, from which deductions are taken
    double ZbytekDelitelny = 0;  // the remainder up to the limit, down to a multiple of three
    double PrvniTretina = 0, DruhaTretina = 0;
    double SrazBezOmez = 0;                 // the part above the limit, seized in full
    double SrazPrednost = 0;                // priority claim alone
    double SrazNepr = 0;                    // non-priority claim alone; the priority claim under concurrence
    double MzdaPoPred = 0, MzdaPoNepr = 0;  // what remains after each
};

}  // namespace platomer
