#pragma once
// Creates the widgets of the window from the control table and the look table: one widget per
// control, named after it, at its place and size. The widgets only show; input is the binding's.

#include <string>
#include <unordered_map>

class QWidget;
class QTabWidget;

namespace platomer {
class FormModel;

struct BuiltWindow {
    QWidget* window = nullptr;   // the top-level window, client area 604 x 521
    QTabWidget* tabs = nullptr;  // PcHlav; its tab bar is the control that takes the focus
    // Every control of the table except the window itself, by its name. Kinds map to:
    // PageControl -> the QTabWidget, Page -> its page widget, GroupBox -> QGroupBox,
    // Panel -> BevelFrame (a QFrame), Label -> QLabel, Display -> DisplayPanel, TickBox -> TickBox (a QCheckBox),
    // Entry -> QLineEdit, NumericEntry -> MaskeditCis (a QLineEdit).
    std::unordered_map<std::string, QWidget*> widgets;
};

// Builds the window for the model's controls with their current texts, ticks and states. The
// application is switched to the classic style first (ui/ClassicLook.h), which the layout needs.
BuiltWindow buildWindow(const FormModel& form);

// The pages are as tall as what they show: a frame shown below a page's own height (the employee's
// circumstances of the later years) makes the pages, the page control and the window taller by
// what it needs, and they go back to the table's size when it hides.
void fitPagesToShown(const FormModel& form, const BuiltWindow& built);

}  // namespace platomer
