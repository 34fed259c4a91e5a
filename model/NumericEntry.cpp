#include "model/NumericEntry.h"

#include "model/EntryText.h"

namespace platomer {

bool NumericKeyAllowed(char32_t key)
{
    return key == 8 || key == 9 || key == 13 || key == '.' || (key >= '0' && key <= '9');
}

void PadToWidth(Control& field)
{
    int length = textLength(field.text());
    // The correction by length: longer numbers get fewer blanks, nine characters none.
    int correction = 0;
    if (length == 3)
        correction = -1;
    else if (length >= 5 && length <= 9)
        correction = length - 4;
    for (int n = length + correction; n <= 12; ++n)
        field.setText(" " + field.text());
}

}  // namespace platomer
