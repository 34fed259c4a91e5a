// The arithmetic of a monthly wage with the 2023 figures: the rounded base, the split at the
// higher-rate threshold, the insurance shares, the withholding tax, the tax after credits with
// its bonus, the tax route, and wages near the top of the 32-bit range.
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "calc/WageMath.h"
#include "model/Years.h"

namespace platomer {

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
    // The base's parts with their unrounded tax: 161 296 at 15 % and 38 704 or 4 at 23 %.
    EXPECT_EQ(advanceTax(year(), {200000, 38704, 161296, 8901.92, 24194.4}), 33097);
    EXPECT_EQ(advanceTax(year(), {161300, 4, 161296, 0.92, 24194.4}), 24196);
    EXPECT_EQ(advanceTax(year(), {161200, 0, 161200, 0, 24180}), 24180);
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

// ---- The largest wages ----

constexpr std::int32_t Taxpayer = 2570;

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
    EXPECT_EQ(signedTax(year(), {b, 2147483647, 0, Taxpayer}).tax, 493905778);
    EXPECT_EQ(advanceTax(year(), b), 493908348);
}

TEST(LargeWage, NetWageOfTheLargestGrossStaysPositive)
{
    EXPECT_EQ(netWage(year(), WageOptions{true, false, true, true, 0, Taxpayer}, 2147483647), 1417354667);
    EXPECT_EQ(netWage(year(), WageOptions{false, false, true, true, 0, 0}, 2147483647), 1417352097);
    EXPECT_EQ(netWage(year(), WageOptions{true, false, true, true, 0, Taxpayer}, 2000000000), 1320015473);
}

}  // namespace

}  // namespace platomer
