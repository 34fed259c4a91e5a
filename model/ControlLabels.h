#pragma once
// What names each control that a person reads or fills in: the static text beside it. An entry
// or a display panel is named by the label on its row, a tick box by its own caption (or, without
// one, by the label of its row), a container panel that the keyboard stops on by its heading, and
// a panel of the garnishment grid by its column heading together with its row caption.

#include <string>
#include <string_view>
#include <vector>

namespace platomer {

struct ControlLabel {
    const char* control;
    const char* label;    // the control whose text names it; a captioned tick box names itself
    const char* heading;  // the heading above a grid column, "" elsewhere
};

// One row for every entry, tick box and display panel of the window and for every container
// panel that is a keyboard stop.
const std::vector<ControlLabel>& controlLabels();

// The row of a control, or nullptr for a control that no text names (labels, frames, pages).
const ControlLabel* labelOf(std::string_view control);

// The name as the control table's texts give it: each text without its outer blanks and with a
// run of blanks inside read as one, the heading first, then " – " and the row caption.
const std::string& labelCaption(const ControlLabel& label);

}  // namespace platomer
