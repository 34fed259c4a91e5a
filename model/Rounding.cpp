#include "model/Rounding.h"

#include <cmath>
#include <stdexcept>

namespace platomer {

std::int64_t Round(Extended value)
{
    // The default floating-point environment rounds to nearest with ties to even.
    Extended rounded = std::rint(value);
    if (!(rounded >= -9223372036854775808.0L && rounded < 9223372036854775808.0L))
        throw std::range_error("Invalid floating point operation");
    return std::llrint(rounded);
}

std::int32_t Low32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace platomer
