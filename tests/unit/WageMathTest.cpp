// The arithmetic of a monthly wage with the 2023 figures: the rounded base, the split at the
// higher-rate threshold, the insurance shares, the withholding tax, the tax after credits with
// its bonus, the tax route, and wages near the top of the 32-bit range.
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "calc/WageMath.h"
#include "model/TaxYear.h"

namespace {

const TaxYear& year()
{
    static const TaxYear y = taxYear2023();
    return y;
}

// ---- The rounded base of the tax advance ----

struct BaseCase {
    const char* rule;
    double gross;
    std::int64_t base;
};

class RoundedBase : public testing::TestWithParam<BaseCase> {};

TEST_P(RoundedBase, Rounds) { EXPECT_EQ(ZaokrouhliZaklad(GetParam().gross), GetParam().base); }

INSTANTIATE_TEST_SUITE_P(WageMath, RoundedBase,
                         testing::Values(BaseCase{"zero_stays_zero", 0, 0}, BaseCase{"one_crown_is_its_own_base", 1, 1},
                                         BaseCase{"up_to_100_the_gross_itself", 55, 55},
                                         BaseCase{"exactly_100_is_not_rounded", 100, 100},
                                         BaseCase{"above_100_goes_to_the_next_hundred", 101, 200},
                                         BaseCase{"a_whole_hundred_is_unchanged", 17300, 17300},
                                         BaseCase{"one_crown_over_a_hundred_goes_up", 17301, 17400},
                                         BaseCase{"the_threshold_itself_goes_up", 161296, 161300},
                                         BaseCase{"negative_counts_as_zero", -250, 0},
                                         BaseCase{"negative_below_100_counts_as_zero", -1, 0},
                                         BaseCase{"largest_gross_is_widened_past_32_bits", 2147483647.0, 2147483700LL}),
                         [](const testing::TestParamInfo<BaseCase>& info) { return std::string(info.param.rule); });

TEST(RoundedBaseInput, NotANumberCountsAsZero)
{
    EXPECT_EQ(ZaokrouhliZaklad(std::numeric_limits<double>::quiet_NaN()), 0);
}

// ---- The split at the higher-rate threshold of 161296 ----

TEST(HigherRateSplit, BaseBelowTheThresholdHasNoHigherPart)
{
    AdvanceBase b = advanceBase(year(), 161200);
    EXPECT_DOUBLE_EQ(b.ZakladZaokr, 161200);
    EXPECT_DOUBLE_EQ(b.ZakladVyssi, 0);
    EXPECT_DOUBLE_EQ(b.DanVyssi, 0);
    EXPECT_DOUBLE_EQ(b.ZakladZakl, 161200);
    EXPECT_DOUBLE_EQ(b.DanZakl, 24180);
}

TEST(HigherRateSplit, GrossBelowTheThresholdStillPaysTheHigherRateOnItsBase)
{
    // 161201 has the base 161300: 4 crowns above the threshold at 23 %.
    for (std::int32_t gross : {161201, 161296, 161300}) {
        AdvanceBase b = advanceBase(year(), gross);
        EXPECT_DOUBLE_EQ(b.ZakladZaokr, 161300) << gross;
        EXPECT_DOUBLE_EQ(b.ZakladVyssi, 4) << gross;
        EXPECT_DOUBLE_EQ(b.DanVyssi, 0.92) << gross;
        EXPECT_DOUBLE_EQ(b.ZakladZakl, 161296) << gross;
        EXPECT_DOUBLE_EQ(b.DanZakl, 24194.4) << gross;
    }
}

TEST(HigherRateSplit, TaxesAreKeptWithTheirFractions)
{
    AdvanceBase b = advanceBase(year(), 200000);
    EXPECT_DOUBLE_EQ(b.ZakladVyssi, 38704);
    EXPECT_DOUBLE_EQ(b.DanVyssi, 8901.92);
    EXPECT_DOUBLE_EQ(b.ZakladZakl, 161296);
    EXPECT_DOUBLE_EQ(advanceBase(year(), 55).DanZakl, 8.25);
}

TEST(HigherRateSplit, UnsignedAdvanceRoundsTheSumOfBothRatesUp)
{
    EXPECT_EQ(advanceTax(24194.4, 8901.92), 33097);
    EXPECT_EQ(advanceTax(24194.4, 0.92), 24196);
    EXPECT_EQ(advanceTax(24180, 0), 24180);
}

// ---- Insurance ----

struct HealthCase {
    const char* rule;
    std::int32_t gross;
    std::int32_t employee, employer;
};

class HealthSplit : public testing::TestWithParam<HealthCase> {};

TEST_P(HealthSplit, EmployerPaysTwiceTheEmployee)
{
    Insurance i = insurance(year(), GetParam().gross, true, true);
    EXPECT_EQ(i.ZdrZam, GetParam().employee);
    EXPECT_EQ(i.ZdrFir, GetParam().employer);
    EXPECT_EQ(i.ZdrFir, 2 * i.ZdrZam);
}

// The total is 13.5 % rounded up; the employee pays the nearest crown to its third.
INSTANTIATE_TEST_SUITE_P(WageMath, HealthSplit,
                         testing::Values(HealthCase{"total_2337_remainder_0_shares_make_the_total", 17310, 779, 1558},
                                         HealthCase{"total_2341_remainder_1_shares_one_short", 17340, 780, 1560},
                                         HealthCase{"total_2336_remainder_2_shares_one_over", 17300, 779, 1558},
                                         HealthCase{"total_1_is_no_share_at_all", 1, 0, 0},
                                         HealthCase{"total_2700_divides_evenly", 20000, 900, 1800}),
                         [](const testing::TestParamInfo<HealthCase>& info) { return std::string(info.param.rule); });

TEST(SocialInsurance, EachSideIsRoundedUpOnItsOwn)
{
    Insurance i = insurance(year(), 17300, true, true);
    EXPECT_EQ(i.SocZam, 1125);  // 1124.5
    EXPECT_EQ(i.SocFir, 4291);  // 4290.4
    Insurance one = insurance(year(), 1, true, true);
    EXPECT_EQ(one.SocZam, 1);  // 0.065
    EXPECT_EQ(one.SocFir, 1);  // 0.248
}

TEST(SocialInsurance, UntickedBoxesDeductNothing)
{
    Insurance none = insurance(year(), 17300, false, false);
    EXPECT_EQ(none.SocZam, 0);
    EXPECT_EQ(none.SocFir, 0);
    EXPECT_EQ(none.ZdrZam, 0);
    EXPECT_EQ(none.ZdrFir, 0);
    Insurance healthOnly = insurance(year(), 17300, false, true);
    EXPECT_EQ(healthOnly.SocZam, 0);
    EXPECT_EQ(healthOnly.ZdrZam, 779);
}

// ---- The withholding tax: 15 % of the gross itself, rounded down ----

TEST(WithholdingTax, RoundsDownToWholeCrowns)
{
    EXPECT_DOUBLE_EQ(withholdingTax(year(), 3333), 499);  // 499.95
    EXPECT_DOUBLE_EQ(withholdingTax(year(), 1), 0);       // 0.15
    EXPECT_DOUBLE_EQ(withholdingTax(year(), 3500), 525);
    EXPECT_DOUBLE_EQ(withholdingTax(year(), 17301), 2595);  // not the rounded base 17400
    EXPECT_DOUBLE_EQ(withholdingTax(year(), 200000), 30000);
}

// ---- Tax after credits and the bonus of a signed declaration ----

constexpr std::int32_t Taxpayer = 2570;

SignedTax signedFor(std::int32_t gross, std::int32_t children, std::int32_t credits)
{
    AdvanceBase b = advanceBase(year(), gross);
    return signedTax(year(), b.ZakladZakl, b.DanVyssi, children, credits);
}

TEST(SignedTax, CreditsComeOffTheBasicTax)
{
    SignedTax s = signedFor(17300, 0, Taxpayer);
    EXPECT_EQ(s.tax, 25);  // 2595 - 2570
    EXPECT_DOUBLE_EQ(s.bonus, 0);
    EXPECT_EQ(signedFor(40000, 3127, Taxpayer).tax, 303);
}

TEST(SignedTax, HigherRateTaxIsAddedInFullAndTheSumRoundedUp)
{
    SignedTax s = signedFor(200000, 0, Taxpayer);
    EXPECT_EQ(s.tax, 30527);                               // 21624.4 + 8901.92
    EXPECT_EQ(signedFor(161201, 0, Taxpayer).tax, 21626);  // 21624.4 + 0.92
}

TEST(SignedTax, UnusedChildAdvantageIsPaidAsBonus)
{
    SignedTax s = signedFor(20000, 3127, Taxpayer);
    EXPECT_EQ(s.tax, 0);
    EXPECT_DOUBLE_EQ(s.bonus, 2697);  // 3127 - (3000 - 2570)
}

TEST(SignedTax, BonusOfExactlyFiftyIsPaid)
{
    SignedTax s = signedFor(29200, 1860, Taxpayer);  // 1860 - (4380 - 2570)
    EXPECT_EQ(s.tax, 0);
    EXPECT_DOUBLE_EQ(s.bonus, 50);
}

TEST(SignedTax, BonusBelowFiftyIsNotPaid)
{
    SignedTax s = signedFor(29300, 1860, Taxpayer);  // 35
    EXPECT_EQ(s.tax, 0);
    EXPECT_DOUBLE_EQ(s.bonus, 0);
    EXPECT_DOUBLE_EQ(signedFor(25300, 1267, Taxpayer).bonus, 0);  // 42
}

TEST(SignedTax, BonusKeepsTheFractionOfABaseBelowOneHundred)
{
    SignedTax s = signedFor(55, 1267, 0);  // 1267 - 8.25
    EXPECT_EQ(s.tax, 0);
    EXPECT_DOUBLE_EQ(s.bonus, 1258.75);
}

TEST(SignedTax, PersonalCreditsAreNeverPaidOut)
{
    // No children: whatever the credits exceed the tax by is lost.
    SignedTax s = signedFor(10000, 0, Taxpayer);
    EXPECT_EQ(s.tax, 0);
    EXPECT_DOUBLE_EQ(s.bonus, 0);
    // With credits above the basic tax the whole child advantage is paid.
    EXPECT_DOUBLE_EQ(signedFor(29300, 15534, 4880).bonus, 15534);
}

TEST(SignedTax, NoGrossNoBonus)
{
    SignedTax s = signedFor(0, 1267, Taxpayer);
    EXPECT_EQ(s.tax, 0);
    EXPECT_DOUBLE_EQ(s.bonus, 0);
}

// ---- The tax route ----

TEST(TaxRoute, SignedDeclarationAlwaysTakesTheSignedRoute)
{
    EXPECT_EQ(taxRoute(year(), true, false, 3500), Route::Signed);
    EXPECT_EQ(taxRoute(year(), true, true, 9000), Route::Signed);
}

TEST(TaxRoute, SmallScaleLimitIsInclusiveAt4000)
{
    EXPECT_EQ(taxRoute(year(), false, false, 4000), Route::Withholding);
    EXPECT_EQ(taxRoute(year(), false, false, 4001), Route::Advance);
}

TEST(TaxRoute, AgreementLimitIsInclusiveAt10000)
{
    EXPECT_EQ(taxRoute(year(), false, true, 10000), Route::Withholding);
    EXPECT_EQ(taxRoute(year(), false, true, 10001), Route::Advance);
}

// ---- Net wage, as the panels show it ----

TEST(NetWage, SubtractsTheWholeCrownTaxOfEachRoute)
{
    EXPECT_EQ(netWage(year(), WageOptions{true, false, true, true, 0, Taxpayer}, 17300), 15371);
    EXPECT_EQ(netWage(year(), WageOptions{false, false, true, true, 0, 0}, 3500), 2589);
    EXPECT_EQ(netWage(year(), WageOptions{false, false, true, true, 0, 0}, 4001), 2945);
    EXPECT_EQ(netWage(year(), WageOptions{false, false, true, true, 0, 0}, 200000), 144903);
    EXPECT_EQ(netWage(year(), WageOptions{true, false, true, true, 0, Taxpayer}, 200000), 147473);
}

// ---- The largest wages ----

TEST(LargeWage, InsuranceOfTheLargestGrossFitsItsFields)
{
    Insurance i = insurance(year(), 2147483647, true, true);
    EXPECT_EQ(i.SocZam, 139586438);
    EXPECT_EQ(i.SocFir, 532575945);
    EXPECT_EQ(i.ZdrZam, 96636764);  // a third of 289910293
    EXPECT_EQ(i.ZdrFir, 193273528);
}

TEST(LargeWage, BaseAndHigherRateAreNotWrapped)
{
    AdvanceBase b = advanceBase(year(), 2147483647);
    EXPECT_DOUBLE_EQ(b.ZakladZaokr, 2147483700.0);
    EXPECT_DOUBLE_EQ(b.ZakladVyssi, 2147322404.0);
    EXPECT_DOUBLE_EQ(b.DanVyssi, 493884152.92);
    EXPECT_DOUBLE_EQ(b.ZakladZakl, 161296);
    EXPECT_EQ(signedTax(year(), b.ZakladZakl, b.DanVyssi, 0, Taxpayer).tax, 493905778);
    EXPECT_EQ(advanceTax(b.DanZakl, b.DanVyssi), 493908348);
}

TEST(LargeWage, NetWageOfTheLargestGrossStaysPositive)
{
    EXPECT_EQ(netWage(year(), WageOptions{true, false, true, true, 0, Taxpayer}, 2147483647), 1417354667);
    EXPECT_EQ(netWage(year(), WageOptions{false, false, true, true, 0, 0}, 2147483647), 1417352097);
    EXPECT_EQ(netWage(year(), WageOptions{true, false, true, true, 0, Taxpayer}, 2000000000), 1320015473);
}

}  // namespace
