#pragma once
// The ordinary editing of a single-line entry, as the desktop's edit field has it: moving and
// extending the selection, selecting a word, the clipboard, undo, and the context menu's items.
// Every change of the text goes through the form's user edit, so it raises the entry's change
// event like typing does; a selection alone raises nothing.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/FormModel.h"

namespace platomer {

// The characters a double click on the character at `index` selects: the run of blanks or of
// other characters it belongs to. Returns the start and the length.
std::pair<int, int> wordAt(std::string_view text, int index);

// Where a drag from the character `start` over `length` characters ends. A drag may end far
// beyond the text, on either side; the selection then reaches the text's end or start.
int dragEnd(int start, int length);

// Moves the caret, with Shift extending the selection from its anchor.
void moveCaret(FormModel& form, Control& entry, int caret, bool extend);
void selectAll(FormModel& form, Control& entry);
void selectWord(FormModel& form, Control& entry, int index);

// The clipboard: copying an empty selection leaves the clipboard alone.
void copySelection(FormModel& form, Control& entry);
void cutSelection(FormModel& form, Control& entry);
void pasteText(FormModel& form, Control& entry, const std::string& text);
void pasteClipboard(FormModel& form, Control& entry);
void eraseSelection(FormModel& form, Control& entry);
// Undoes the last change the user made, once.
void undoEdit(FormModel& form, Control& entry);

struct MenuItem {
    const char* text;  // "-" is the separator
    bool enabled;
    bool checked = false;  // the choice in force, in a menu of choices
};
// The entry's context menu, each item enabled only when it can act.
std::vector<MenuItem> entryMenu(const FormModel& form, const Control& entry);
// Runs the item of that text; false when there is none.
bool runMenuItem(FormModel& form, Control& entry, std::string_view text);

}  // namespace platomer
