#pragma once
// The keys the window takes for itself before any control sees them: they show, copy, print and
// save the computation and move between the calculator and the window "Postup výpočtu", so they
// neither type into an entry (and beep) nor reach the model.

#include <QKeySequence>
#include <optional>

class QKeyEvent;

namespace platomer {

enum class WindowShortcut : unsigned char {
    Computation,      // F1: the window "Postup výpočtu"
    CopyComputation,  // Ctrl+Shift+C: the computation of the page to the clipboard
    Print,            // Ctrl+P: the printed page through the print dialog
    SavePdf,          // Ctrl+S: the printed page to a PDF file
    OtherWindow,      // F6: the focus into the open window "Postup výpočtu" and back
};

// The shortcut a key press stands for; none for every other key, which goes on as before.
std::optional<WindowShortcut> windowShortcutOf(const QKeyEvent& event);
// The key of a shortcut, as a menu shows it beside its item.
QKeySequence sequenceOf(WindowShortcut shortcut);

}  // namespace platomer
