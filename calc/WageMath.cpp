#include "calc/WageMath.h"

namespace platomer {

std::int64_t healthTotal(const TaxYear& y, std::int32_t hruba)
{
    return RoundUp(static_cast<Extended>(hruba) * y.SazbaZdr);
}

Extended basicTax(const TaxYear& y, double zakladZakl)
{
    return zakladZakl > 0 ? static_cast<Extended>(zakladZakl) / 100 * y.SazbaZaklProcent : 0;
}

Insurance insurance(const TaxYear& y, std::int32_t hruba, bool social, bool health)
{
    Insurance i;
    if (social) {
        i.SocZam = Low32(RoundUp(static_cast<Extended>(hruba) * y.SazbaSocZam));
        i.SocFir = Low32(RoundUp(static_cast<Extended>(hruba) * y.SazbaSocFir));
    }
    if (health) {
        const std::int64_t total = healthTotal(y, hruba);
        // The employer's share is twice the employee's, not the rest of the total.
        i.ZdrZam = Low32(Round(static_cast<Extended>(total) / 3));
        i.ZdrFir = Low32(2 * static_cast<std::int64_t>(i.ZdrZam));
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

double withholdingTax(const TaxYear& y, std::int32_t zakladSraz)
{
    return static_cast<double>(RoundDown(static_cast<Extended>(zakladSraz) * y.SazbaSraz));
}

SignedTax signedTax(const TaxYear& y, const SignedTaxInput& in)
{
    const double zakladZakl = in.zakladZakl, danVyssi = in.danVyssi;
    const std::int32_t zvyhDeti = in.zvyhDeti, slevyCelkem = in.slevyCelkem;
    Extended zakladni = basicTax(y, zakladZakl);
    Extended poSlevach = zakladni > 0 ? zakladni - zvyhDeti - slevyCelkem : 0;
    Extended kandidat = zakladni - slevyCelkem > 0 ? zvyhDeti - (zakladni - slevyCelkem) : zvyhDeti;
    SignedTax s;
    Extended dan = 0;
    if (poSlevach >= 0) {
        dan = poSlevach;
    } else {
        // Personal credits are never paid out; only the unused child advantage is.
        s.bonus = static_cast<double>(kandidat);
        if (!(s.bonus >= y.MinBonus)) s.bonus = 0;
        if (s.bonus > y.MaxBonus) s.bonus = y.MaxBonus;
    }
    s.tax = RoundUp(dan + danVyssi);
    return s;
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
    return !podepsal && withinLimit(hruba, y.LimitMr);
}

std::int64_t advanceTax(double danZakl, double danVyssi) { return RoundUp(static_cast<Extended>(danZakl) + danVyssi); }

std::int64_t netWage(const TaxYear& y, const WageOptions& o, std::int32_t hruba)
{
    Insurance i = insurance(y, hruba, o.social, o.health);
    std::int64_t tax = 0;
    switch (taxRoute(y, o.podepsal, o.dpp, hruba)) {
    case Route::Signed: {
        AdvanceBase b = advanceBase(y, hruba);
        tax = signedTax(y, {b.ZakladZakl, b.DanVyssi, o.zvyhDeti, o.slevyCelkem}).tax;
        break;
    }
    case Route::Withholding: tax = static_cast<std::int64_t>(withholdingTax(y, hruba)); break;
    case Route::Advance: {
        AdvanceBase b = advanceBase(y, hruba);
        tax = advanceTax(b.DanZakl, b.DanVyssi);
        break;
    }
    }
    return static_cast<std::int64_t>(hruba) - tax - i.SocZam - i.ZdrZam;
}

}  // namespace platomer
