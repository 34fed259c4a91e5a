#pragma once
// Whole-crown rounding. Real arithmetic runs in extended precision (long double on x86-64).

#include <cstdint>

namespace platomer {

using Extended = long double;

// Just under a half: adding it before rounding to the nearest rounds up to whole crowns (any
// fraction above a thousandth), subtracting it rounds down. The extended value nearest 0.499.
inline constexpr Extended RoundingMargin = 0.499L;

// Nearest integer, a tie going to the even neighbour, as a 64-bit integer.
std::int64_t Round(Extended value);

// A 32-bit field keeps only the low 32 bits of a 64-bit result.
std::int32_t Low32(std::int64_t value);

inline std::int64_t RoundUp(Extended value) { return Round(value + RoundingMargin); }
inline std::int64_t RoundDown(Extended value) { return Round(value - RoundingMargin); }

}  // namespace platomer
