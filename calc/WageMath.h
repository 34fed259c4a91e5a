#pragma once
// The arithmetic of the gross-to-net steps as pure functions, so that the steps on the window
// and the net-to-gross search compute every figure the same way.

#include <cstdint>

#include "model/Rounding.h"
#include "model/TaxYear.h"

namespace platomer {

struct Insurance {
    std::int32_t SocZam = 0, SocFir = 0, ZdrZam = 0, ZdrFir = 0;
};

// The health insurance of a gross before it is split: the rate of the gross, rounded up.
std::int64_t healthTotal(const TaxYear& y, std::int32_t hruba);

// Social insurance rounded up for each side on its own; health insurance rounded up in total,
// the employee paying the nearest crown to a third and the employer twice that.
Insurance insurance(const TaxYear& y, std::int32_t hruba, bool social, bool health);

// The base of the tax advance: up to the next whole hundred above 100 crowns, else the
// amount itself. Widened to 64 bits so that the largest wages keep their base.
std::int64_t ZaokrouhliZaklad(double x);

struct AdvanceBase {
    double ZakladZaokr = 0, ZakladVyssi = 0, ZakladZakl = 0, DanVyssi = 0, DanZakl = 0;
};
// The base split at the higher-rate threshold, with the unrounded tax at each rate.
AdvanceBase advanceBase(const TaxYear& y, std::int32_t hruba);

// The withholding tax on the gross itself, rounded down.
double withholdingTax(const TaxYear& y, std::int32_t zakladSraz);

struct SignedTax {
    std::int64_t tax = 0;  // tax after credits plus the higher-rate tax, rounded up
    double bonus = 0;
};
// With a signed declaration: credits and child advantage against the basic 15 %, the unused
// child advantage paid as a bonus from MinBonus upwards.
// The declaration's basic tax: the whole percentage of the base up to the higher rate's
// threshold, with its fraction kept; nothing for a base that is not above zero.
Extended basicTax(const TaxYear& y, double zakladZakl);

struct SignedTaxInput {
    double zakladZakl, danVyssi;  // the base up to the higher rate's threshold, the higher-rate tax
    std::int32_t zvyhDeti, slevyCelkem;
};
SignedTax signedTax(const TaxYear& y, const SignedTaxInput& in);

enum class Route { Signed, Withholding, Advance };
// Which tax the employee pays; the limits of small-scale work and of the agreement are inclusive.
Route taxRoute(const TaxYear& y, bool podepsal, bool dpp, std::int32_t hruba);

// Under an agreement to perform work no insurance is paid up to the agreement's limit.
bool agreementFreesInsurance(const TaxYear& y, bool dpp, std::int32_t hruba);
// In small-scale work without a declaration no insurance is paid.
bool smallScaleFreesInsurance(const TaxYear& y, bool podepsal, std::int32_t hruba);

// The unsigned advance: both rates, no credits, rounded up.
std::int64_t advanceTax(double danZakl, double danVyssi);

// What the net wage depends on besides the gross.
struct WageOptions {
    bool podepsal = true, dpp = false, social = true, health = true;
    std::int32_t zvyhDeti = 0, slevyCelkem = 0;
};

// The net wage without the bonus for a gross, as the recalculation shows it; only for gross
// wages that leave the insurance boxes alone (the agreement rule is the window's business).
std::int64_t netWage(const TaxYear& y, const WageOptions& o, std::int32_t hruba);

}  // namespace platomer
