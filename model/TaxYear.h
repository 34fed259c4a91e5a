#pragma once
// The rules of one tax year: its rates, credits, limits and subsistence figures, and the few
// rules that differ between years, each a named variant chosen by the year's data. Integers are
// 32-bit, reals are doubles; all are zero until the window is activated and constant afterwards.
// Every rule reads the chosen year's object; none asks which year it is.

#include <cstdint>
#include <string>

namespace platomer {

// How a figure "rounded up" or "rounded down" to whole crowns is rounded.
enum class Rounding : unsigned char {
    // The window's own: half a crown less a thousandth added or taken before rounding to the
    // nearest. Exact at the rates of the window's year, whose products never end in ,001.
    WithinThousandth,
    // The true ceiling or floor of the exact product, computed in whole thousandths.
    Exact,
};

// How the health insurance total is split between the employee and the employer.
enum class HealthSplit : unsigned char {
    EmployerTwice,  // the employee's third to the nearest crown, the employer twice that
    EmployerRest,   // the employee's third rounded up, the employer the rest of the total
};

// What the personal credits are taken off on a signed declaration.
enum class CreditsAgainst : unsigned char {
    BasicPart,  // the 15 % part only; the 23 % part is added afterwards
    WholeTax,   // the 15 % and 23 % parts added and rounded up once
};

// How the remainder of a net wage above the protected amount is divided into thirds.
enum class Thirds : unsigned char {
    EachRounded,       // each third to the nearest crown
    DivisibleByThree,  // the remainder first rounded down to whole crowns divisible by three
};

// Who is insured.
enum class Participation : unsigned char {
    // The window's own: the insurance boxes alone decide, but for the agreement to perform work,
    // which pays none up to its limit, and small-scale work without a declaration, whose boxes the
    // window unticks up to its limit.
    Boxes,
    // The law's: by the kind of work and the gross. Social insurance from the decisive income in
    // an employment and in an agreement on work activity, health insurance in an employment at any
    // gross and in that agreement from the decisive income; an agreement to perform work above its
    // limit. The boxes still say whether the insurance is paid at all.
    KindOfWork,
};

struct TaxYear {
    std::int32_t Rok = 0;  // the year's number, for the texts that name it
    std::int32_t SlevaPopl = 0, SlevaStud = 0, ZvyhDite1 = 0, PriplDite2 = 0, PriplDite3 = 0;
    std::int32_t SlevaCInv = 0, SlevaPInv = 0, SlevaZtp = 0, HraniceVyssi = 0;
    std::int32_t ZivMin = 0, NormBydlo = 0, TretinyNezab = 0, ZakladNezab = 0;
    double SazbaVyssi = 0, SazbaSraz = 0, SazbaZal = 0, SazbaSocZam = 0, SazbaSocFir = 0, SazbaZdr = 0;
    double MinBonus = 0, MaxBonus = 0, LimitDpp = 0, LimitMr = 0, PodilOsoba = 0, HraniceSrazek = 0;
    double NezabOsoba = 0;
    // The basic rate of the tax after credits as a whole percentage: the declaration's tax takes
    // the base / 100 × 15, not the base × SazbaZal, although both mean 15 %.
    std::int32_t SazbaZaklProcent = 0;

    // The rules that differ between years.
    Rounding Zaokrouhleni = Rounding::WithinThousandth;
    HealthSplit DeleniZdr = HealthSplit::EmployerTwice;
    CreditsAgainst SlevyZ = CreditsAgainst::BasicPart;
    Thirds Tretiny = Thirds::EachRounded;
    bool SlevaStudPlati = true;  // whether students may claim their credit at all
    // The smallest gross from which a bonus is paid (half the minimum wage); 0: at any gross.
    std::int32_t MinHrubaBonus = 0;
    std::int32_t MinMzda = 0;  // the monthly minimum wage, for the bonus condition and the explanations
    // Small-scale work is insured from this gross (the law's "rozhodný příjem")...
    std::int32_t MalyRozsahOd = 0;
    // ...and the window's rule for small-scale work without a declaration leaves out the
    // insurance up to and including this gross.
    double LimitMrPojisteni = 0;
    // Who is insured, and whether the window asks for the employee's circumstances: the kind of
    // work, an old-age pension, the exemption from the health minimum, the base earned earlier.
    Participation Ucast = Participation::Boxes;
    // The health insurance minimum base: a gross below it pays the premium of this base, the
    // employer its usual share of the premium of the gross; 0 where the window knows none.
    std::int32_t MinZakladZdr = 0;
    // The working pensioner's relief: this rate of the social base comes off the employee's
    // social insurance, each part rounded up on its own; 0 where there is none.
    double SazbaSlevaDuchodce = 0;
    // The annual cap of the social insurance base (48 × the average wage); 0 where there is none.
    std::int64_t StropSocZakladu = 0;
    // The debtor's own protected share of the garnishment base, as a fraction.
    std::int32_t PodilNezabCitatel = 0, PodilNezabJmenovatel = 1;
    double KoefHranice = 0;  // the limit above which everything is seized, in multiples of the base
    // What the housing amount of the garnishment is that year, as the page's label names it.
    std::string NazevBydleni;
    std::string BydleniVeVete;  // the same in a sentence: "součet životního minima a …"

    // The base of the protected amount and each dependent person's share of it, derived from the
    // subsistence minimum, the housing amount and the debtor's share: a person protects a
    // quarter of the debtor's own share, not rounded.
    void deriveGarnishmentBase()
    {
        ZakladNezab = ZivMin + NormBydlo;
        NezabOsoba = static_cast<double>(static_cast<long double>(ZakladNezab) * PodilNezabCitatel /
                                         PodilNezabJmenovatel * PodilOsoba);
    }

    // The monthly advantage for the child in `order` (1 to 4): the first child's amount, with the
    // supplement of the second or of the third and every later child; twice that with a ZTP-P card.
    std::int32_t childAdvantage(int order, bool ztp) const
    {
        const std::int32_t plain = order == 1   ? ZvyhDite1
                                   : order == 2 ? ZvyhDite1 + PriplDite2
                                                : ZvyhDite1 + PriplDite3;
        return ztp ? plain * 2 : plain;
    }
};

// Whether an amount stays within one of the year's limits, which are doubles: compared exactly,
// without narrowing either side. A limit is inclusive: the limit itself still qualifies.
inline bool withinLimit(std::int64_t amount, double limit)
{
    return static_cast<long double>(amount) <= static_cast<long double>(limit);
}

}  // namespace platomer
