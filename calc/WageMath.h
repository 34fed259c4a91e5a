#pragma once
// The arithmetic of the gross-to-net steps as pure functions of the year's rules, so that the
// steps on the window, the net-to-gross search and the explanations compute every figure the
// same way: each rule has its home here and nowhere else.

#include <cstdint>
#include <string_view>

#include "model/Rounding.h"
#include "model/TaxYear.h"
#include "model/WageState.h"

namespace platomer {

// An amount times one of the year's rates, rounded up or down to whole crowns by the year's
// rounding.
std::int64_t rateRoundedUp(const TaxYear& y, Extended amount, double rate);
std::int64_t rateRoundedDown(const TaxYear& y, Extended amount, double rate);

struct Insurance {
    std::int32_t SocZam = 0, SocFir = 0, ZdrZam = 0, ZdrFir = 0;
};

// The health insurance of a gross before it is split: the rate of the gross, rounded up.
std::int64_t healthTotal(const TaxYear& y, std::int32_t hruba);
// The employee's part of the health insurance total: a third, to the nearest crown or rounded
// up as the year splits it.
std::int64_t healthEmployeeShare(const TaxYear& y, std::int64_t total);
// The employer's part: twice the employee's, or the rest of the total.
std::int64_t healthEmployerShare(const TaxYear& y, std::int64_t total, std::int64_t employee);

// Whether the employee's work pays social or health insurance at a gross, by the year's rules of
// participation (the boxes aside).
bool sociallyInsured(const TaxYear& y, const Employee& e, std::int32_t hruba);
bool healthInsured(const TaxYear& y, const Employee& e, std::int32_t hruba);

// The month's social insurance base: the gross, but no more than what the earlier base leaves of
// the year's cap.
std::int64_t socialBase(const TaxYear& y, const Employee& e, std::int32_t hruba);
// What is left of the year's cap after the base earned earlier, never below nothing.
std::int64_t capLeft(const TaxYear& y, const Employee& e);
// The working pensioner's relief on a social base: its rate of the base, rounded up.
std::int64_t pensionerRelief(const TaxYear& y, const Employee& e, std::int64_t base);

// The premium of the health insurance minimum base.
std::int64_t healthMinimumTotal(const TaxYear& y);
// Whether the premium of a gross is raised to the minimum's: health insurance paid, a gross above
// nothing and below the minimum base, the employee not exempt.
bool healthMinimumApplies(const TaxYear& y, const Employee& e, std::int32_t hruba);

// Social insurance rounded up for each side on its own, of the month's social base, the
// pensioner's relief off the employee's; health insurance rounded up in total and split by the
// year's rule, the employee paying the rest of the minimum's premium where it applies. Only what
// the boxes allow and the work is insured for.
Insurance insurance(const TaxYear& y, std::int32_t hruba, bool social, bool health, const Employee& e = {});

// The base of the tax advance: up to the next whole hundred above 100 crowns, else the
// amount itself. Widened to 64 bits so that the largest wages keep their base.
std::int64_t ZaokrouhliZaklad(double x);

struct AdvanceBase {
    double ZakladZaokr = 0, ZakladVyssi = 0, ZakladZakl = 0, DanVyssi = 0, DanZakl = 0;
};
// The base split at the higher-rate threshold, with the unrounded tax at each rate.
AdvanceBase advanceBase(const TaxYear& y, std::int32_t hruba);

// The base as the calculation state keeps it.
AdvanceBase advanceBaseOf(const WageState& w);

// The withholding tax on the gross itself, rounded down.
double withholdingTax(const TaxYear& y, std::int32_t zakladSraz);

// The unsigned advance: both rates, no credits, rounded up once.
std::int64_t advanceTax(const TaxYear& y, const AdvanceBase& b);

// The declaration's basic tax: the whole percentage of the base up to the higher rate's
// threshold, with its fraction kept; nothing for a base that is not above zero.
Extended basicTax(const TaxYear& y, double zakladZakl);

struct SignedTaxInput {
    AdvanceBase base;
    std::int32_t hruba = 0;  // the gross, for the bonus condition
    std::int32_t zvyhDeti = 0, slevyCelkem = 0;
};

// The tax of a signed declaration with every figure on the way to it.
struct SignedTax {
    // The tax the credits come off: the basic part alone, or both parts rounded up once.
    Extended predSlevami = 0;
    // After the personal credits and the child advantage (below zero when the advantage exceeds
    // what the credits left), or nothing for a tax that was not above zero.
    Extended poSlevach = 0;
    Extended nevyuziteZvyh = 0;  // the child advantage left unused: the bonus before its conditions
    std::int64_t tax = 0;        // the tax after credits, plus the higher-rate tax where it is apart
    double bonus = 0;
    bool bonusUnderMinimum = false;  // left unpaid: the unused advantage is below MinBonus
    bool bonusUnderGross = false;    // left unpaid: the gross is below the year's MinHrubaBonus
};
// Credits and child advantage against the tax, the unused child advantage paid as a bonus from
// MinBonus upwards and, where the year asks it, only from a gross of MinHrubaBonus.
SignedTax signedTax(const TaxYear& y, const SignedTaxInput& in);

// Whether a gross is high enough for a bonus to be paid.
bool bonusPaidAt(const TaxYear& y, std::int32_t hruba);

enum class Route { Signed, Withholding, Advance };
// Which tax the employee pays; the limits of small-scale work and of the agreement are inclusive.
Route taxRoute(const TaxYear& y, bool podepsal, bool dpp, std::int32_t hruba);

// Under an agreement to perform work no insurance is paid up to the agreement's limit.
bool agreementFreesInsurance(const TaxYear& y, bool dpp, std::int32_t hruba);
// In small-scale work without a declaration no insurance is paid.
bool smallScaleFreesInsurance(const TaxYear& y, bool podepsal, std::int32_t hruba);

// The social base earned earlier this year as its field holds it: a whole number of at most nine
// digits after any padding blanks; anything else counts as none.
std::int64_t earlierSocialBase(std::string_view text);

// What the net wage depends on besides the gross.
struct WageOptions {
    bool podepsal = true, dpp = false, social = true, health = true;
    std::int32_t zvyhDeti = 0, slevyCelkem = 0;
    Employee employee{};
};

// The net wage without the bonus for a gross, as the recalculation shows it; only for gross
// wages that leave the insurance boxes alone (the agreement rule is the window's business).
std::int64_t netWage(const TaxYear& y, const WageOptions& o, std::int32_t hruba);

}  // namespace platomer
