#include "model/Keys.h"

#include <utility>

namespace platomer {

std::optional<Key> keyNamed(std::string_view name)
{
    static constexpr std::pair<std::string_view, Key> names[] = {
#define PLATOMER_KEY_NAME(key, qtKey, ctrl, shift) {#key, Key::key},
        PLATOMER_KEYS(PLATOMER_KEY_NAME)
#undef PLATOMER_KEY_NAME
    };
    for (const auto& [n, key] : names)
        if (n == name) return key;
    return std::nullopt;
}

}  // namespace platomer
