// The integer parses and the real-to-text form on arbitrary input: the two parses agree, a
// parsed value printed again parses back equal, and a real's text reads back as that real to
// 15 significant digits.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "model/AmountText.h"

namespace platomer {
namespace {

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "amount text: %s: '%.*s'\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

void checkParses(std::string_view text)
{
    std::optional<std::int32_t> value = TryStrToInt(text);
    bool thrown = false;
    std::int32_t strict = 0;
    try {
        strict = StrToInt(text);
    } catch (const ConvertError& e) {
        thrown = true;
        // The message is a C string: a text with a zero byte is quoted up to it.
        std::string expected = "'" + std::string(text) + "' is not a valid integer value";
        if (std::string(e.what()) != expected.c_str()) fail("the error does not quote the text", text);
    }
    if (thrown == value.has_value()) fail("the strict parse and the try disagree", text);
    if (StrToIntDef(text, -7) != value.value_or(-7)) fail("the lenient parse does not default", text);
    if (!value) return;
    if (strict != *value) fail("the strict parse reads another value", text);
    // Printed again, plain or padded with blanks, as an integer or as a real, it reads back.
    const std::string printed = IntToStr(*value);
    if (TryStrToInt(printed) != value || TryStrToInt("       " + printed) != value)
        fail("the printed value does not parse back", text);
    if (FloatToStr(*value, ',') != printed) fail("a whole real is not written as its integer", text);
}

// Digits, an optional fraction after the separator and an optional exponent after "E".
bool wellFormed(const std::string& text, char separator)
{
    std::size_t i = text[0] == '-' ? 1 : 0;
    int significant = 0;
    bool leading = true, fraction = false, digits = false;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        char c = text[i];
        if (c == separator && !fraction && digits) {
            fraction = true;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            leading = leading && c == '0';
            if (!leading) ++significant;
        } else {
            return false;
        }
    }
    if (!digits || significant > 15 || text[i - 1] == separator) return false;
    // A fraction never ends in a zero.
    if (fraction && text[i - 1] == '0') return false;
    if (i == text.size()) return true;
    std::size_t e = i + 1 + (i + 1 < text.size() && text[i + 1] == '-');
    if (e == text.size() || text[e] == '0') return false;
    for (; e < text.size(); ++e)
        if (text[e] < '0' || text[e] > '9') return false;
    return true;
}

void checkReal(long double value, char separator)
{
    const std::string text = FloatToStr(value, separator);
    if (std::isnan(value)) {
        if (text != "NAN") fail("not a number is not NAN", text);
        return;
    }
    if (std::isinf(value)) {
        if (text != (value > 0 ? "INF" : "-INF")) fail("an infinity is misnamed", text);
        return;
    }
    if (!wellFormed(text, separator)) fail("the real's text is malformed", text);
    std::string c = text;
    std::replace(c.begin(), c.end(), separator, '.');
    std::replace(c.begin(), c.end(), 'E', 'e');
    long double back = std::strtold(c.c_str(), nullptr);
    // Fifteen significant digits: within half a unit of the fifteenth, which a tie reaches, and
    // the reading back's own rounding.
    if (std::fabs(back - value) > std::fabs(value) * (5e-15L + 4 * LDBL_EPSILON))
        fail("the real's text reads back as another real", text);
    // Whole values below 10^15 are written as integers.
    if (std::fabs(value) < 1e15L && value == std::trunc(value) &&
        text.find_first_of(std::string(1, separator) + "E") != std::string::npos)
        fail("a whole real is written with a fraction or an exponent", text);
}

}  // namespace
}  // namespace platomer

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platomer;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    checkParses(text);
    // The same bytes as reals: a double, and whole crowns scaled to amounts with a fraction.
    if (size >= 9) {
        double d;
        std::memcpy(&d, data + 1, sizeof d);
        char separator = data[0] & 1 ? '.' : ',';
        checkReal(d, separator);
        std::int64_t whole;
        std::memcpy(&whole, data + 1, sizeof whole);
        checkReal(static_cast<long double>(whole % 10000000000000LL) / (1 << (data[0] % 8)), separator);
        checkReal(static_cast<long double>(whole), separator);
    }
    return 0;
}
