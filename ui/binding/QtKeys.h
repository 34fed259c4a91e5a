#pragma once
// The key table in Qt's terms: which key event is which user action, and back.

#include <Qt>
#include <optional>

#include "model/Keys.h"

class QKeyEvent;

namespace platomer {

struct QtKey {
    Qt::Key code;
    Qt::KeyboardModifiers modifiers;
};

// The key event the desktop sends for an action.
QtKey qtKeyOf(Key key);
// The action a key event stands for; none for a key that types its character.
std::optional<Key> keyOf(const QKeyEvent& event);

}  // namespace platomer
