// The texts of amounts: integers and reals written as the panels show them, and the two
// integer parses that read them back.
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "model/AmountText.h"

namespace platomer {

namespace {

struct IntTextCase {
    const char* rule;
    std::int64_t value;
    const char* text;
};

class IntToStrRule : public testing::TestWithParam<IntTextCase> {};

TEST_P(IntToStrRule, WritesPlainDecimalDigits) { EXPECT_EQ(IntToStr(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(AmountText, IntToStrRule,
                         testing::Values(IntTextCase{"zero_is_a_single_digit", 0, "0"},
                                         IntTextCase{"no_grouping_of_thousands", 161296, "161296"},
                                         IntTextCase{"negative_gets_a_leading_minus", -638, "-638"},
                                         IntTextCase{"lowest_32_bit_value", INT32_MIN, "-2147483648"},
                                         IntTextCase{"highest_32_bit_value", INT32_MAX, "2147483647"},
                                         IntTextCase{"wider_than_32_bits", 267600000000LL, "267600000000"}),
                         [](const auto& info) { return std::string(info.param.rule); });

struct FloatTextCase {
    const char* rule;
    long double value;
    char separator;
    const char* text;
};

class FloatToStrRule : public testing::TestWithParam<FloatTextCase> {};

TEST_P(FloatToStrRule, WritesTheGeneralFormat)
{
    EXPECT_EQ(FloatToStr(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    AmountText, FloatToStrRule,
    testing::Values(
        FloatTextCase{"zero", 0.0L, ',', "0"}, FloatTextCase{"whole_value_has_no_separator", 4000.0L, ',', "4000"},
        FloatTextCase{"whole_negative_value", -9092.0L, ',', "-9092"},
        FloatTextCase{"fraction_uses_the_locale_separator", 1258.75L, ',', "1258,75"},
        FloatTextCase{"fraction_with_a_dot_separator", 1258.75L, '.', "1258.75"},
        FloatTextCase{"half_below_one", 0.5L, ',', "0,5"}, FloatTextCase{"negative_fraction", -3409.5L, ',', "-3409,5"},
        FloatTextCase{"no_trailing_zeros_after_the_fraction", 8.25L, ',', "8,25"},
        FloatTextCase{"a_third_keeps_fifteen_significant_digits", 1.0L / 3.0L, ',', "0,333333333333333"},
        FloatTextCase{"two_thirds_round_in_the_fifteenth_digit", 2.0L / 3.0L, ',', "0,666666666666667"},
        FloatTextCase{"binary_noise_beyond_fifteen_digits_is_dropped", 0.1 + 0.2, ',', "0,3"},
        FloatTextCase{"twelve_nines_print_in_full", 999999999999.0L, ',', "999999999999"},
        FloatTextCase{"fifteen_digits_print_without_exponent", 999999999999999.0L, ',', "999999999999999"},
        FloatTextCase{"fraction_beyond_fifteen_digits_is_rounded", 123456789012345.6L, ',', "123456789012346"},
        FloatTextCase{"sixteen_digits_take_the_exponent_form", 1e15L, ',', "1E15"},
        FloatTextCase{"exponent_form_keeps_fifteen_digits", 1234567890123456.0L, ',', "1,23456789012346E15"},
        FloatTextCase{"negative_exponent_form", -2.5e16L, ',', "-2,5E16"}),
    [](const auto& info) { return std::string(info.param.rule); });

struct ParseCase {
    const char* rule;
    const char* text;
    std::optional<std::int32_t> value;  // none when the text is not a valid integer
};

class IntegerParseRule : public testing::TestWithParam<ParseCase> {};

TEST_P(IntegerParseRule, StrictParseReadsOrFails)
{
    const ParseCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(StrToInt(c.text), *c.value);
    } else {
        EXPECT_THROW(StrToInt(c.text), ConvertError);
    }
}

TEST_P(IntegerParseRule, LenientParseReadsOrFallsBackToTheDefault)
{
    const ParseCase& c = GetParam();
    EXPECT_EQ(StrToIntDef(c.text, 0), c.value.value_or(0));
    // A default other than 0 shows that a failure really takes the default.
    EXPECT_EQ(StrToIntDef(c.text, -77), c.value.value_or(-77));
}

INSTANTIATE_TEST_SUITE_P(
    AmountText, IntegerParseRule,
    testing::Values(
        ParseCase{"plain_digits", "17300", 17300}, ParseCase{"zero", "0", 0}, ParseCase{"leading_zeros", "007", 7},
        ParseCase{"leading_blanks_of_a_padded_field_are_skipped", "       17300", 17300},
        ParseCase{"thirteen_blanks_then_a_digit", "             0", 0}, ParseCase{"minus_sign", "-638", -638},
        ParseCase{"plus_sign", "+25", 25}, ParseCase{"blanks_before_the_sign", "   -5", -5},
        ParseCase{"dollar_hex_upper_case", "$1F", 31}, ParseCase{"dollar_hex_lower_case", "$1f", 31},
        ParseCase{"x_hex_lower_prefix", "x10", 16}, ParseCase{"x_hex_upper_prefix", "XfF", 255},
        ParseCase{"zero_x_hex", "0x7fffffff", INT32_MAX}, ParseCase{"zero_upper_x_hex", "0XAb", 171},
        ParseCase{"blanks_before_a_hex_number", "  $10", 16},
        ParseCase{"highest_32_bit_value", "2147483647", INT32_MAX},
        ParseCase{"lowest_32_bit_value", "-2147483648", INT32_MIN},
        ParseCase{"one_above_the_32_bit_range_fails", "2147483648", std::nullopt},
        ParseCase{"one_below_the_32_bit_range_fails", "-2147483649", std::nullopt},
        ParseCase{"eleven_digits_fail", "12345678901", std::nullopt},
        ParseCase{"hex_above_the_signed_range_fails", "$80000000", std::nullopt},
        ParseCase{"trailing_blank_fails", "17300 ", std::nullopt},
        ParseCase{"padded_text_with_a_trailing_blank_fails", "       17300 ", std::nullopt},
        ParseCase{"empty_text_fails", "", std::nullopt}, ParseCase{"blanks_only_fail", "             ", std::nullopt},
        ParseCase{"lone_minus_fails", "-", std::nullopt}, ParseCase{"lone_plus_fails", "+", std::nullopt},
        ParseCase{"blanks_and_a_lone_sign_fail", "   -", std::nullopt},
        ParseCase{"blank_between_sign_and_digits_fails", "- 5", std::nullopt},
        ParseCase{"two_signs_fail", "--5", std::nullopt}, ParseCase{"decimal_point_fails", "17.5", std::nullopt},
        ParseCase{"decimal_comma_fails", "17,5", std::nullopt},
        ParseCase{"digits_then_a_letter_fail", "12a", std::nullopt}, ParseCase{"letters_fail", "abc", std::nullopt},
        ParseCase{"hex_digit_without_a_prefix_fails", "1F", std::nullopt},
        ParseCase{"sign_before_a_hex_prefix_fails", "-$10", std::nullopt},
        ParseCase{"dollar_without_digits_fails", "$", std::nullopt},
        ParseCase{"zero_x_without_digits_fails", "0x", std::nullopt},
        ParseCase{"non_hex_letter_after_the_prefix_fails", "$1G", std::nullopt}),
    [](const auto& info) { return std::string(info.param.rule); });

struct ErrorTextCase {
    const char* rule;
    const char* text;
    const char* message;
};

class StrictParseErrorText : public testing::TestWithParam<ErrorTextCase> {};

TEST_P(StrictParseErrorText, QuotesTheTextVerbatim)
{
    try {
        StrToInt(GetParam().text);
        FAIL() << "no error for '" << GetParam().text << "'";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AmountText, StrictParseErrorText,
    testing::Values(ErrorTextCase{"letters_after_digits", "12a", "'12a' is not a valid integer value"},
                    ErrorTextCase{"empty_text", "", "'' is not a valid integer value"},
                    ErrorTextCase{"blanks_are_kept_in_the_quotes", "  12 ", "'  12 ' is not a valid integer value"},
                    ErrorTextCase{"out_of_range", "2147483648", "'2147483648' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST(AmountText, IntegerTextReadsBackUnderBothParses)
{
    for (std::int32_t v : {0, 1, -1, 17300, -638, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(StrToInt(IntToStr(v)), v);
        EXPECT_EQ(StrToIntDef(IntToStr(v), 99), v);
    }
}

TEST(AmountText, WholeRealTextReadsBackAsAnInteger)
{
    // The net wage is computed from tax texts written as reals and read back strictly.
    EXPECT_EQ(StrToInt(FloatToStr(2595.0L, ',')), 2595);
    EXPECT_EQ(StrToInt(FloatToStr(-4546.0L, ',')), -4546);
}

}  // namespace

}  // namespace platomer
