#pragma once
// The window's controls as data: one row per control, in creation order within each parent.
// The form model and the Qt binding are both built from this one table.

#include <cstdint>
#include <string_view>
#include <vector>

namespace platomer {

enum class Kind : std::uint8_t {
    Window,       // the one top-level window
    PageControl,  // the two-tab page set
    Page,         // one tab of the page control
    GroupBox,     // frame with a sunken border and an optional title
    Panel,        // bevelled container panel
    Label,        // static one-line text
    Display,      // bevelled read-only panel, text right-aligned
    TickBox,      // check box
    Entry,        // plain single-line edit
    NumericEntry  // amount field: key filter, padding, empties itself on a click
};

enum ControlFlag : unsigned {
    Ticked = 1u,        // tick box starts ticked
    Hidden = 2u,        // control starts invisible
    TabStop = 4u,       // container panel that the keyboard order stops on
    BgYellow = 8u,      // amount field starts with the yellow background
    BgInfo = 16u,       // amount field starts with the tooltip background
    ShortAmount = 32u,  // amount field of at most nine digits
};
inline constexpr int ShortAmountDigits = 9;

struct ControlRow {
    const char* name;
    Kind kind;
    const char* parent;            // "" for the window itself
    const char* text;              // caption of a label, panel, frame, tick box or page; start text of an entry
    int left, top, width, height;  // 96-dpi pixels, relative to the parent's inside area
    int position;                  // the place among its siblings: the keyboard order, and for a
                                   // page its index in the page control; -1 for labels
    unsigned flags;
};

// Every control of the window, the window itself first.
const std::vector<ControlRow>& controlTable();

// The row of the control of that name, found through an index of the names made once; nullptr
// for a name the table does not have.
const ControlRow* controlRow(std::string_view name);

}  // namespace platomer
