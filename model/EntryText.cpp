#include "model/EntryText.h"

#include <algorithm>

namespace platomer {

std::u32string toChars(std::string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        auto b = static_cast<unsigned char>(text[i]);
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        ++i;
        for (int k = 0; k < extra && i < text.size(); ++k, ++i)
            c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        out.push_back(c);
    }
    return out;
}

std::string fromChars(std::u32string_view chars)
{
    std::string out;
    for (char32_t c : chars) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool carriedIntoEntry(char32_t character) { return character != 0xFEFF; }

std::string carriedIntoEntry(std::string_view text)
{
    std::u32string chars = toChars(text);
    std::erase_if(chars, [](char32_t c) { return !carriedIntoEntry(c); });
    return fromChars(chars);
}

int textLength(std::string_view text) { return static_cast<int>(toChars(text).size()); }

namespace {

// The selection clamped to the text.
void clampSelection(const std::u32string& chars, int& start, int& length)
{
    int size = static_cast<int>(chars.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
}

EditedText erase(std::u32string chars, int from, int count)
{
    chars.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(count));
    return {fromChars(chars), from};
}

}  // namespace

EditedText replaceSelection(std::string_view text, int selStart, int selLength, std::string_view inserted)
{
    std::u32string chars = toChars(text);
    clampSelection(chars, selStart, selLength);
    std::u32string add = toChars(inserted);
    chars.replace(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength), add);
    return {fromChars(chars), selStart + static_cast<int>(add.size())};
}

EditedText eraseBackward(std::string_view text, int selStart, int selLength)
{
    std::u32string chars = toChars(text);
    clampSelection(chars, selStart, selLength);
    if (selLength > 0) return erase(chars, selStart, selLength);
    if (selStart == 0) return {std::string(text), 0};
    return erase(chars, selStart - 1, 1);
}

EditedText eraseForward(std::string_view text, int selStart, int selLength)
{
    std::u32string chars = toChars(text);
    clampSelection(chars, selStart, selLength);
    if (selLength > 0) return erase(chars, selStart, selLength);
    if (selStart == static_cast<int>(chars.size())) return {std::string(text), selStart};
    return erase(chars, selStart, 1);
}

}  // namespace platomer
