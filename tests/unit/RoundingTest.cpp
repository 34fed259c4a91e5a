// Whole-crown rounding: nearest with ties to even, up and down by 0.499, and the low 32 bits
// that a 32-bit field keeps of a wider result.
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "model/Rounding.h"

namespace platomer {

namespace {

struct RoundCase {
    const char* rule;
    Extended value;
    std::int64_t rounded;
};

class RoundToNearestEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToNearestEven, Rounds) { EXPECT_EQ(Round(GetParam().value), GetParam().rounded); }

INSTANTIATE_TEST_SUITE_P(Rounding, RoundToNearestEven,
                         testing::Values(RoundCase{"whole_value_unchanged", 17300.0L, 17300},
                                         RoundCase{"below_half_goes_down", 2.4L, 2},
                                         RoundCase{"above_half_goes_up", 2.6L, 3},
                                         RoundCase{"tie_half_goes_to_even_zero", 0.5L, 0},
                                         RoundCase{"tie_one_and_a_half_goes_to_even_two", 1.5L, 2},
                                         RoundCase{"tie_two_and_a_half_goes_to_even_two", 2.5L, 2},
                                         RoundCase{"tie_third_of_the_garnishment_limit_goes_down", 10228.5L, 10228},
                                         RoundCase{"tie_seized_without_limit_goes_down", 15676.5L, 15676},
                                         RoundCase{"tie_odd_below_goes_up", 10229.5L, 10230},
                                         RoundCase{"negative_tie_goes_to_even", -1.5L, -2},
                                         RoundCase{"negative_half_goes_to_zero", -0.5L, 0},
                                         RoundCase{"negative_third_rounds_to_nearest", -4546.0L, -4546},
                                         RoundCase{"beyond_32_bits", 5000000000.5L, 5000000000}),
                         [](const auto& info) { return std::string(info.param.rule); });

struct DirectedCase {
    const char* rule;
    Extended value;
    std::int64_t up;
    std::int64_t down;
};

class RoundUpAndDown : public testing::TestWithParam<DirectedCase> {};

TEST_P(RoundUpAndDown, AddsOrSubtractsTheConstant)
{
    EXPECT_EQ(RoundUp(GetParam().value), GetParam().up);
    EXPECT_EQ(RoundDown(GetParam().value), GetParam().down);
    EXPECT_EQ(Round(GetParam().value + 0.499L), GetParam().up);
    EXPECT_EQ(Round(GetParam().value - 0.499L), GetParam().down);
}

INSTANTIATE_TEST_SUITE_P(Rounding, RoundUpAndDown,
                         testing::Values(
                             // 17300 × 0.065: the employee's social insurance goes up to 1125.
                             DirectedCase{"half_crown_social_insurance", 17300 * 0.065L, 1125, 1124},
                             // 3333 × 0.15 = 499.95: the withholding tax goes down to 499.
                             DirectedCase{"withholding_tax_fraction", 3333 * 0.15L, 500, 499},
                             DirectedCase{"whole_value_stays_put_both_ways", 600.0L, 600, 600},
                             DirectedCase{"zero_stays_zero", 0.0L, 0, 0},
                             DirectedCase{"fraction_above_a_thousandth_goes_up", 2.0015L, 3, 2},
                             // 2.001 + 0.499 is a tie that goes to the even 2.
                             DirectedCase{"one_thousandth_is_a_tie_to_even", 2.001L, 2, 2},
                             DirectedCase{"one_person_share_rounds_up", 17047.5L, 17048, 17047},
                             DirectedCase{"negative_fraction", -2.3L, -2, -3}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST(Rounding, MarginIsTheExtendedValueNearestTo0499) { EXPECT_EQ(RoundingMargin, 0.499L); }

struct Low32Case {
    const char* rule;
    std::int64_t value;
    std::int32_t low;
};

class Low32Bits : public testing::TestWithParam<Low32Case> {};

TEST_P(Low32Bits, KeepsTheLow32Bits) { EXPECT_EQ(Low32(GetParam().value), GetParam().low); }

INSTANTIATE_TEST_SUITE_P(Rounding, Low32Bits,
                         testing::Values(Low32Case{"small_positive_unchanged", 17300, 17300},
                                         Low32Case{"small_negative_unchanged", -638, -638},
                                         Low32Case{"highest_32_bit_value", INT32_MAX, INT32_MAX},
                                         Low32Case{"lowest_32_bit_value", INT32_MIN, INT32_MIN},
                                         Low32Case{"one_above_wraps_to_the_lowest", 2147483648LL, INT32_MIN},
                                         Low32Case{"all_low_bits_set_is_minus_one", 4294967295LL, -1},
                                         Low32Case{"bit_32_is_dropped", 4294967296LL + 5, 5},
                                         Low32Case{"rounded_base_above_the_range", 2147483700LL, -2147483596},
                                         Low32Case{"lowest_64_bit_value_keeps_zero", INT64_MIN, 0},
                                         Low32Case{"highest_64_bit_value_keeps_minus_one", INT64_MAX, -1},
                                         Low32Case{"negative_beyond_32_bits", -4294967296LL - 7, -7}),
                         [](const auto& info) { return std::string(info.param.rule); });

}  // namespace

}  // namespace platomer
