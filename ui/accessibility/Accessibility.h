#pragma once
// What a screen reader hears: every entry, tick box, display panel and container stop is named
// by the label beside it (model/ControlLabels.h), a hint doubles as the description, the amount
// fields and the display panels report their figures without padding blanks, the windows are
// frames, and what a user action changed is told once at its end (ui/accessibility/Announcements.h).

class QWidget;

namespace platomer {
struct BuiltWindow;

// Gives the entries and the display panels their accessible interfaces. Called before the first
// widget is made: a widget's first change of text already asks for its interface, which is kept.
void useAccessibleFields();

// Names the window's controls by their labels, with their hints as descriptions, and gives the
// window its announcements.
void setUpAccessibility(const BuiltWindow& built);

// Tells a screen reader that a display panel shows a new figure: at once outside a user action, at
// its end within one; a panel whose figure stayed as it was raises nothing.
void announceTextChange(QWidget& widget);

}  // namespace platomer
