#pragma once
// The keys that are user actions of their own, one row each: the name a replay script gives it,
// and the key and the Ctrl and Shift modifiers the desktop sends for it. Every other key types
// its character. Ctrl with a letter is a character too (Ctrl+A is character 1), which the
// amount fields refuse like any other; the keys with Insert and Delete are the clipboard's. A new key is one row here;
// the model, the Qt input filter and the replay tool all read this table.

#include <optional>
#include <string_view>

// ROW(name, Qt key, Ctrl, Shift)
#define PLATOMER_KEYS(ROW)                      \
    ROW(Enter, Key_Return, false, false)        \
    ROW(Tab, Key_Tab, false, false)             \
    ROW(Backtab, Key_Backtab, false, true)      \
    ROW(Space, Key_Space, false, false)         \
    ROW(Backspace, Key_Backspace, false, false) \
    ROW(Delete, Key_Delete, false, false)       \
    ROW(Home, Key_Home, false, false)           \
    ROW(End, Key_End, false, false)             \
    ROW(Left, Key_Left, false, false)           \
    ROW(Right, Key_Right, false, false)         \
    ROW(CtrlTab, Key_Tab, true, false)          \
    ROW(CtrlShiftTab, Key_Backtab, true, true)  \
    ROW(ShiftLeft, Key_Left, false, true)       \
    ROW(ShiftRight, Key_Right, false, true)     \
    ROW(ShiftHome, Key_Home, false, true)       \
    ROW(ShiftEnd, Key_End, false, true)         \
    ROW(CtrlInsert, Key_Insert, true, false)    \
    ROW(ShiftInsert, Key_Insert, false, true)   \
    ROW(ShiftDelete, Key_Delete, false, true)   \
    ROW(CtrlA, Key_A, true, false)              \
    ROW(CtrlC, Key_C, true, false)              \
    ROW(CtrlV, Key_V, true, false)              \
    ROW(CtrlX, Key_X, true, false)              \
    ROW(CtrlZ, Key_Z, true, false)              \
    ROW(CtrlR, Key_R, true, false)              \
    ROW(Menu, Key_Menu, false, false)           \
    ROW(ShiftF10, Key_F10, false, true)

namespace platomer {

enum class Key {
#define PLATOMER_KEY_ENUM(name, qtKey, ctrl, shift) name,
    PLATOMER_KEYS(PLATOMER_KEY_ENUM)
#undef PLATOMER_KEY_ENUM
};

// The key a replay script names, if there is one.
std::optional<Key> keyNamed(std::string_view name);

}  // namespace platomer
