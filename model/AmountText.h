#pragma once
// Amounts as the window holds them: texts written and read back with the integer parses.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platomer {

// The error of a failed strict integer parse; its text is what the error box shows.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decimal digits with a leading "-" when negative, no grouping.
std::string IntToStr(std::int64_t value);

// General format, at most 15 significant digits, the decimal separator only when there is a
// fraction, exponent form only beyond 15 digits ("1E15", "1,5E-7").
std::string FloatToStr(long double value, char decimalSeparator);

// Leading blanks skipped, an optional sign and decimal digits, or a hexadecimal number after
// "$", "x" or "0x"; nothing after the digits; within the 32-bit signed range.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// Strict parse: fails with "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// Lenient parse: the default for any text the strict parse cannot read.
std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue);

// A whole number as the calculation writes it (digits with an optional "-"), in 64 bits;
// nothing for any other text.
std::optional<std::int64_t> wholeNumber(std::string_view text);

}  // namespace platomer
