#pragma once
// The model counts the characters of a text; Qt's strings count UTF-16 units, two for a
// character outside the basic plane.

#include <QString>

namespace platomer {

// The UTF-16 offset of the character at `characters`.
int utf16Offset(const QString& text, int characters);
// The number of characters before the UTF-16 offset.
int characterIndex(const QString& text, int utf16);

}  // namespace platomer
