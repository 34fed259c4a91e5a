#include "ui/binding/QtKeys.h"

#include <QKeyEvent>
#include <utility>

namespace platomer {

namespace {

constexpr Qt::KeyboardModifiers modifiers(bool ctrl, bool shift)
{
    return (ctrl ? Qt::ControlModifier : Qt::NoModifier) | (shift ? Qt::ShiftModifier : Qt::NoModifier);
}

const std::pair<Key, QtKey> rows[] = {
#define PLATOMER_QT_KEY(key, qtKey, ctrl, shift) {Key::key, {Qt::qtKey, modifiers(ctrl, shift)}},
    PLATOMER_KEYS(PLATOMER_QT_KEY)
#undef PLATOMER_QT_KEY
};

}  // namespace

QtKey qtKeyOf(Key key)
{
    for (const auto& [k, qt] : rows)
        if (k == key) return qt;
    return {Qt::Key_unknown, Qt::NoModifier};
}

std::optional<Key> keyOf(const QKeyEvent& event)
{
    // The keypad's Enter is Enter; Shift+Tab may arrive as Tab with Shift or as Backtab.
    auto code = static_cast<Qt::Key>(event.key());
    const Qt::KeyboardModifiers held = event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (code == Qt::Key_Enter) code = Qt::Key_Return;
    if (code == Qt::Key_Tab && (held & Qt::ShiftModifier)) code = Qt::Key_Backtab;
    // Backtab implies Shift, whether the desktop says so or not.
    const Qt::KeyboardModifiers wanted = code == Qt::Key_Backtab ? held | Qt::ShiftModifier : held;
    for (const auto& [key, qt] : rows)
        if (qt.code == code && qt.modifiers == wanted) return key;
    // Modifiers that no row distinguishes for this key are ignored: Shift+Enter is Enter.
    for (const auto& [key, qt] : rows)
        if (qt.code == code && qt.modifiers == Qt::NoModifier && !(held & Qt::ControlModifier)) return key;
    return std::nullopt;
}

}  // namespace platomer
