#pragma once
// What one gross-to-net calculation carries from step to step: the gross, the insurance, the
// bases and taxes, the credits and the bonus. Integers are 32-bit, reals are doubles, as the
// fields of the original window; texts are the tax and the net as they were shown.

#include <cstdint>
#include <string>

namespace platomer {

// The kind of work: an employment contract unless an agreement says otherwise.
enum class Work : unsigned char {
    Employment,
    Dpp,  // an agreement to perform work (dohoda o provedení práce)
    Dpc,  // an agreement on work activity (dohoda o pracovní činnosti)
};

// What the law needs to know of the employee besides the gross, where the year asks for it.
struct Employee {
    Work work = Work::Employment;
    bool pensioner = false;  // draws an old-age pension
    // Exempt from the health insurance minimum base: by the exemption box, as a pensioner or as
    // the holder of a ZTP-P card.
    bool exempt = false;
    std::int64_t earlierBase = 0;  // the social base earned earlier this year with this employer
};

struct WageState {
    bool Podepsal = false;                                        // the tax declaration is signed
    std::int32_t Hruba = 0;                                       // the gross wage read from its field
    std::int32_t SocZam = 0, ZdrZam = 0, SocFir = 0, ZdrFir = 0;  // insurance, employee and employer
    std::int32_t ZakladSraz = 0;                                  // the base of the withholding tax: the gross itself
    double DanSrazkova = 0;
    double ZakladZaokr = 0, ZakladVyssi = 0, DanVyssi = 0, ZakladZakl = 0, DanZakl = 0;
    std::int32_t ZvyhDeti = 0, SlevyCelkem = 0;  // child advantage and personal credits, monthly
    double ZakladZobr = 0;                       // the base as shown
    double Bonus = 0;                            // the tax bonus of a signed declaration
    std::string TextDanN, TextCista;             // the tax after credits and the net wage, as texts
    Employee Zamestnanec;                        // the employee's circumstances the insurance was computed for
};

}  // namespace platomer
