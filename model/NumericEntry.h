#pragma once
// The amount field's own behaviour: its key filter and the padding that right-aligns a number
// in a field that draws its text from the left.

#include "model/Control.h"

namespace platomer {

// Digits, ".", backspace, tab and carriage return pass; everything else is refused with a beep.
bool NumericKeyAllowed(char32_t key);

// Puts blanks in front of the text, one write per blank, so a field with a change handler
// sees one change per blank. Not idempotent: the blanks count in the next call's length.
void PadToWidth(Control& field);

}  // namespace platomer
