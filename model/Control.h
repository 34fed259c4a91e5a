#pragma once
// One control of the window: its fixed description and its current state.

#include <optional>
#include <string>
#include <vector>

#include "model/ControlTable.h"

namespace platomer {

class FormModel;

enum class Colour : unsigned char { None, Yellow, InfoBk };
// The names the amount fields' two backgrounds have always had: "clYellow", "clInfoBk", or "-"
// for a control without one.
const char* colourName(Colour colour);

class Control {
public:
    Control(FormModel& form, const ControlRow& row, int index, int parent);

    const std::string& name() const { return name_; }
    Kind kind() const { return row_->kind; }
    const ControlRow& row() const { return *row_; }
    int index() const { return index_; }
    int parent() const { return parent_; }
    bool isEntry() const { return kind() == Kind::Entry || kind() == Kind::NumericEntry; }
    // Whether the keyboard order stops here: the tab strip, the tick boxes, the entries and the
    // container panels marked as stops.
    bool isKeyboardStop() const;

    // Reading never fails and raises nothing.
    const std::string& text() const { return text_; }
    bool ticked() const { return ticked_; }
    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    Colour colour() const { return colour_; }
    // Why the control is as it is, where the rules of the year say so; shown as its tooltip.
    const std::string& hint() const { return hint_; }
    bool focused() const;

    // Writes follow the event rules: an entry's change event only when the text differs,
    // a tick box's click only when its state changes; panels and labels raise nothing.
    void setText(const std::string& text);
    void setTicked(bool ticked);
    void setEnabled(bool enabled);
    void setVisible(bool visible);
    void setColour(Colour colour);
    void setHint(const std::string& hint);
    void setFocus();

    // The children of a frame: its labels first, then the others, each in creation order.
    int childCount() const { return static_cast<int>(children_.size()); }
    Control& child(int i) const;
    bool isTickBox() const { return kind() == Kind::TickBox; }

    // Caret and selection of an entry, in characters. The caret stands at the end of the
    // selection unless a selection made leftwards put it at the start. They and the undo are an
    // entry's editing state, which the editing rules (EntryText, EntryEditing) compute as a whole
    // and the window mirrors; no rule of the control itself guards them, so they stay open.
    // NOLINTBEGIN(misc-non-private-member-variables-in-classes)
    int selStart = 0;
    int selLength = 0;
    bool caretAtStart = false;
    int caret() const { return caretAtStart ? selStart : selStart + selLength; }
    int anchor() const { return caretAtStart ? selStart + selLength : selStart; }

    // What the last change made by the user replaced, until it is undone or code writes the text.
    struct Undo {
        std::string text;
        int selStart, selLength;
    };
    std::optional<Undo> undo;
    // NOLINTEND(misc-non-private-member-variables-in-classes)

private:
    friend class FormModel;
    FormModel* form_;
    const ControlRow* row_;
    std::string name_;
    int index_;
    int parent_;
    std::vector<int> children_;
    std::string text_;
    bool ticked_;
    bool enabled_ = true;
    bool visible_;
    Colour colour_;
    std::string hint_;
};

}  // namespace platomer
