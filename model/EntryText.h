#pragma once
// Editing the text of a single-line entry: characters, caret and selection.

#include <string>
#include <string_view>

namespace platomer {

// The length of a text in characters (UTF-8 code points).
int textLength(std::string_view text);

struct EditedText {
    std::string text;
    int caret;
};

// The selection replaced by `inserted`; the caret after it.
EditedText replaceSelection(std::string_view text, int selStart, int selLength, std::string_view inserted);
// Backspace: the selection, or else the character before the caret.
EditedText eraseBackward(std::string_view text, int selStart, int selLength);
// Delete: the selection, or else the character after the caret.
EditedText eraseForward(std::string_view text, int selStart, int selLength);
// The desktop's text conversions drop the zero-width no-break space (a byte order mark), so no
// typed or pasted text carries it into an entry.
bool carriedIntoEntry(char32_t character);
// The text as it arrives in an entry: without the characters that never get there.
std::string carriedIntoEntry(std::string_view text);
// Splits a text into its characters.
std::u32string toChars(std::string_view text);
std::string fromChars(std::u32string_view chars);

}  // namespace platomer
