#include "ui/figures/WindowShortcuts.h"

#include <QKeyEvent>

namespace platomer {

namespace {

struct Row {
    WindowShortcut shortcut;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const Row rows[] = {
    {WindowShortcut::Computation, Qt::Key_F1, Qt::NoModifier},
    {WindowShortcut::CopyComputation, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
    {WindowShortcut::Print, Qt::Key_P, Qt::ControlModifier},
    {WindowShortcut::SavePdf, Qt::Key_S, Qt::ControlModifier},
    {WindowShortcut::OtherWindow, Qt::Key_F6, Qt::NoModifier},
};

}  // namespace

std::optional<WindowShortcut> windowShortcutOf(const QKeyEvent& event)
{
    // Alt and Meta make another key; the keypad flag does not.
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    for (const Row& row : rows)
        if (event.key() == row.key && held == row.modifiers) return row.shortcut;
    return std::nullopt;
}

QKeySequence sequenceOf(WindowShortcut shortcut)
{
    for (const Row& row : rows)
        if (row.shortcut == shortcut) return QKeySequence(row.modifiers | row.key);
    return {};
}

}  // namespace platomer
