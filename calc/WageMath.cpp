#include "calc/WageMath.h"

#include <algorithm>
#include <cmath>

namespace platomer {

namespace {

// A rate of the year in whole thousandths: every rate of the law is one (7,1 % is 71).
std::int64_t thousandths(double rate) { return std::llround(static_cast<Extended>(rate) * 1000); }

// Quotients rounded towards minus and plus infinity, for either sign of the dividend.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }
std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

// An amount of whole crowns, or of hundredths where a base below 100 crowns keeps its fraction.
std::int64_t hundredths(Extended amount) { return std::llround(amount * 100); }

}  // namespace

std::int64_t rateRoundedUp(const TaxYear& y, Extended amount, double rate)
{
    if (y.Zaokrouhleni == Rounding::WithinThousandth) return RoundUp(amount * rate);
    return ceilDiv(hundredths(amount) * thousandths(rate), 100000);
}

std::int64_t rateRoundedDown(const TaxYear& y, Extended amount, double rate)
{
    if (y.Zaokrouhleni == Rounding::WithinThousandth) return RoundDown(amount * rate);
    return floorDiv(hundredths(amount) * thousandths(rate), 100000);
}

std::int64_t healthTotal(const TaxYear& y, std::int32_t hruba) { return rateRoundedUp(y, hruba, y.SazbaZdr); }

std::int64_t healthEmployeeShare(const TaxYear& y, std::int64_t total)
{
    if (y.DeleniZdr == HealthSplit::EmployerTwice) return Round(static_cast<Extended>(total) / 3);
    return ceilDiv(total, 3);
}

std::int64_t healthEmployerShare(const TaxYear& y, std::int64_t total, std::int64_t employee)
{
    // The window's employer pays twice the employee's share, not the rest of the total.
    return y.DeleniZdr == HealthSplit::EmployerTwice ? 2 * employee : total - employee;
}

Extended basicTax(const TaxYear& y, double zakladZakl)
{
    return zakladZakl > 0 ? static_cast<Extended>(zakladZakl) / 100 * y.SazbaZaklProcent : 0;
}

bool sociallyInsured(const TaxYear& y, const Employee& e, std::int32_t hruba)
{
    if (y.Ucast == Participation::Boxes) return true;
    if (e.work == Work::Dpp) return !withinLimit(hruba, y.LimitDpp);
    return hruba >= y.MalyRozsahOd;
}

bool healthInsured(const TaxYear& y, const Employee& e, std::int32_t hruba)
{
    if (y.Ucast == Participation::Boxes) return true;
    switch (e.work) {
    case Work::Employment: return hruba > 0;
    case Work::Dpc: return hruba >= y.MalyRozsahOd;
    case Work::Dpp: return !withinLimit(hruba, y.LimitDpp);
    }
    return true;
}

std::int64_t capLeft(const TaxYear& y, const Employee& e)
{
    return std::max<std::int64_t>(0, y.StropSocZakladu - std::max<std::int64_t>(0, e.earlierBase));
}

std::int64_t socialBase(const TaxYear& y, const Employee& e, std::int32_t hruba)
{
    if (y.StropSocZakladu <= 0 || hruba <= 0) return hruba;
    return std::min<std::int64_t>(hruba, capLeft(y, e));
}

std::int64_t pensionerRelief(const TaxYear& y, const Employee& e, std::int64_t base)
{
    if (!e.pensioner || y.SazbaSlevaDuchodce <= 0) return 0;
    return rateRoundedUp(y, static_cast<Extended>(base), y.SazbaSlevaDuchodce);
}

std::int64_t healthMinimumTotal(const TaxYear& y) { return healthTotal(y, y.MinZakladZdr); }

bool healthMinimumApplies(const TaxYear& y, const Employee& e, std::int32_t hruba)
{
    return y.MinZakladZdr > 0 && !e.exempt && hruba > 0 && hruba < y.MinZakladZdr;
}

Insurance insurance(const TaxYear& y, std::int32_t hruba, bool social, bool health, const Employee& e)
{
    Insurance i;
    if (social && sociallyInsured(y, e, hruba)) {
        const std::int64_t base = socialBase(y, e, hruba);
        i.SocZam = Low32(rateRoundedUp(y, static_cast<Extended>(base), y.SazbaSocZam) - pensionerRelief(y, e, base));
        i.SocFir = Low32(rateRoundedUp(y, static_cast<Extended>(base), y.SazbaSocFir));
    }
    if (health && healthInsured(y, e, hruba)) {
        const std::int64_t total = healthTotal(y, hruba);
        i.ZdrZam = Low32(healthEmployeeShare(y, total));
        i.ZdrFir = Low32(healthEmployerShare(y, total, i.ZdrZam));
        // Below the minimum the employer pays its share of the actual premium, the employee the
        // rest of the minimum's.
        if (healthMinimumApplies(y, e, hruba)) i.ZdrZam = Low32(healthMinimumTotal(y) - i.ZdrFir);
    }
    return i;
}

std::int64_t ZaokrouhliZaklad(double x)
{
    if (!(x >= 0)) x = 0;
    if (x > 100) return Round(static_cast<Extended>(x) / 100 + RoundingMargin) * 100;
    return Round(x - RoundingMargin);
}

AdvanceBase advanceBase(const TaxYear& y, std::int32_t hruba)
{
    AdvanceBase b;
    b.ZakladZaokr = static_cast<double>(ZaokrouhliZaklad(hruba));
    Extended excess = static_cast<Extended>(b.ZakladZaokr) - y.HraniceVyssi;
    b.ZakladVyssi = excess > 0 ? static_cast<double>(excess) : 0;
    b.DanVyssi = static_cast<double>(static_cast<Extended>(b.ZakladVyssi) * y.SazbaVyssi);
    b.ZakladZakl = static_cast<double>(static_cast<Extended>(b.ZakladZaokr) - b.ZakladVyssi);
    b.DanZakl = static_cast<double>(static_cast<Extended>(b.ZakladZakl) * y.SazbaZal);
    return b;
}

AdvanceBase advanceBaseOf(const WageState& w)
{
    return {w.ZakladZaokr, w.ZakladVyssi, w.ZakladZakl, w.DanVyssi, w.DanZakl};
}

double withholdingTax(const TaxYear& y, std::int32_t zakladSraz)
{
    return static_cast<double>(rateRoundedDown(y, zakladSraz, y.SazbaSraz));
}

std::int64_t advanceTax(const TaxYear& y, const AdvanceBase& b)
{
    if (y.Zaokrouhleni == Rounding::WithinThousandth) return RoundUp(static_cast<Extended>(b.DanZakl) + b.DanVyssi);
    // Both parts in hundred-thousandths of a crown, added and rounded up once.
    return ceilDiv(
        hundredths(b.ZakladZakl) * thousandths(y.SazbaZal) + hundredths(b.ZakladVyssi) * thousandths(y.SazbaVyssi),
        100000);
}

bool bonusPaidAt(const TaxYear& y, std::int32_t hruba) { return y.MinHrubaBonus <= 0 || hruba >= y.MinHrubaBonus; }

namespace {

// The unused advantage as the bonus paid: from MinBonus upwards, never above MaxBonus.
void payBonus(const TaxYear& y, std::int32_t hruba, SignedTax& s)
{
    s.bonus = static_cast<double>(s.nevyuziteZvyh);
    if (!(s.bonus >= y.MinBonus)) {
        s.bonus = 0;
        s.bonusUnderMinimum = true;
    } else if (!bonusPaidAt(y, hruba)) {
        s.bonus = 0;
        s.bonusUnderGross = true;
    }
    if (s.bonus > y.MaxBonus) s.bonus = y.MaxBonus;
}

// The window's rule: the credits come off the 15 % part, the 23 % part is added afterwards.
SignedTax creditsOffBasicPart(const TaxYear& y, const SignedTaxInput& in)
{
    SignedTax s;
    s.predSlevami = basicTax(y, in.base.ZakladZakl);
    s.poSlevach = s.predSlevami > 0 ? s.predSlevami - in.zvyhDeti - in.slevyCelkem : 0;
    s.nevyuziteZvyh = s.predSlevami - in.slevyCelkem > 0 ? in.zvyhDeti - (s.predSlevami - in.slevyCelkem) : in.zvyhDeti;
    Extended dan = 0;
    if (s.poSlevach >= 0)
        dan = s.poSlevach;
    else
        // Personal credits are never paid out; only the unused child advantage is.
        payBonus(y, in.hruba, s);
    s.tax = RoundUp(dan + in.base.DanVyssi);
    return s;
}

// The law's rule: both parts rounded up once, the personal credits off that tax (never below
// nothing), then the child advantage; what is left of the advantage is the bonus.
SignedTax creditsOffWholeTax(const TaxYear& y, const SignedTaxInput& in)
{
    SignedTax s;
    s.predSlevami = static_cast<Extended>(advanceTax(y, in.base));
    const Extended poOsobnich = std::max<Extended>(0, s.predSlevami - in.slevyCelkem);
    s.poSlevach = poOsobnich - in.zvyhDeti;
    if (s.poSlevach >= 0) {
        s.tax = static_cast<std::int64_t>(s.poSlevach);
    } else {
        s.nevyuziteZvyh = -s.poSlevach;
        payBonus(y, in.hruba, s);
    }
    return s;
}

}  // namespace

SignedTax signedTax(const TaxYear& y, const SignedTaxInput& in)
{
    return y.SlevyZ == CreditsAgainst::BasicPart ? creditsOffBasicPart(y, in) : creditsOffWholeTax(y, in);
}

Route taxRoute(const TaxYear& y, bool podepsal, bool dpp, std::int32_t hruba)
{
    if (podepsal) return Route::Signed;
    if ((withinLimit(hruba, y.LimitMr) && !dpp) || (withinLimit(hruba, y.LimitDpp) && dpp)) return Route::Withholding;
    return Route::Advance;
}

bool agreementFreesInsurance(const TaxYear& y, bool dpp, std::int32_t hruba)
{
    return dpp && withinLimit(hruba, y.LimitDpp);
}

bool smallScaleFreesInsurance(const TaxYear& y, bool podepsal, std::int32_t hruba)
{
    // Where the law's participation rules decide, the boxes stay the user's.
    return y.Ucast == Participation::Boxes && !podepsal && withinLimit(hruba, y.LimitMrPojisteni);
}

std::int64_t netWage(const TaxYear& y, const WageOptions& o, std::int32_t hruba)
{
    Insurance i = insurance(y, hruba, o.social, o.health, o.employee);
    std::int64_t tax = 0;
    switch (taxRoute(y, o.podepsal, o.dpp, hruba)) {
    case Route::Signed: tax = signedTax(y, {advanceBase(y, hruba), hruba, o.zvyhDeti, o.slevyCelkem}).tax; break;
    case Route::Withholding: tax = static_cast<std::int64_t>(withholdingTax(y, hruba)); break;
    case Route::Advance: tax = advanceTax(y, advanceBase(y, hruba)); break;
    }
    return static_cast<std::int64_t>(hruba) - tax - i.SocZam - i.ZdrZam;
}

}  // namespace platomer
