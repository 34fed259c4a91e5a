// The editing of an entry's text on arbitrary bytes and arbitrary carets: every edit keeps the
// characters outside the selection, puts the caret inside the new text, and the characters
// of a text survive the round trip to bytes and back.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/EntryText.h"
#include "tests/fuzz/FuzzBytes.h"

namespace platomer {
namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "entry text: %s\n", what);
    std::abort();
}

// A caret or selection length: small ones are the interesting ones; the rest reach the extremes.
std::int32_t nextCaret(FuzzBytes& in)
{
    const std::uint32_t v = in.next32();
    return (v & 0x80000000u) ? static_cast<std::int32_t>(v) : static_cast<std::int32_t>(v % 64);
}

// The characters of a text, which must read back from their bytes unchanged.
std::u32string charsOf(const std::string& text)
{
    std::u32string chars = toChars(text);
    if (static_cast<int>(chars.size()) != textLength(text)) fail("the length is not the number of characters");
    if (toChars(fromChars(chars)) != chars) fail("the characters do not survive the round trip");
    return chars;
}

void expect(const EditedText& e, const std::u32string& chars, int caret)
{
    if (e.caret != caret) fail("the caret is not where the edit leaves it");
    if (e.caret < 0 || e.caret > textLength(e.text)) fail("the caret is outside the text");
    if (toChars(e.text) != chars) fail("the edit changed characters outside the selection");
}

}  // namespace
}  // namespace platomer

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platomer;
    FuzzBytes in(data, size);
    std::string text = in.take(in.next());
    while (!in.done()) {
        std::uint8_t op = in.next();
        std::int32_t start = nextCaret(in), length = nextCaret(in);
        const std::u32string chars = charsOf(text);
        const int n = static_cast<int>(chars.size());
        // The selection as the edits see it: clamped into the text.
        const int s = std::clamp(start, 0, n);
        const int l = std::clamp(length, 0, n - s);
        const std::u32string before = chars.substr(0, static_cast<std::size_t>(s));
        const std::u32string after = chars.substr(static_cast<std::size_t>(s) + static_cast<std::size_t>(l));
        EditedText e;
        switch (op % 4) {
        case 0: {
            std::string inserted = in.take(in.next());
            const std::u32string added = toChars(inserted);
            e = replaceSelection(text, start, length, inserted);
            std::u32string expected = before;
            expected.append(added).append(after);
            expect(e, expected, s + static_cast<int>(added.size()));
            break;
        }
        case 1:
            e = eraseBackward(text, start, length);
            if (l > 0 || s == 0)
                expect(e, before + after, s);
            else
                expect(e, before.substr(0, before.size() - 1) + after, s - 1);
            break;
        case 2:
            e = eraseForward(text, start, length);
            if (l > 0 || s == n)
                expect(e, before + after, s);
            else
                expect(e, before + after.substr(1), s);
            break;
        default: {
            // Any 32-bit values as characters; the bytes of those a text can hold read back.
            std::u32string arbitrary;
            for (int i = op % 8; i > 0; --i)
                arbitrary += static_cast<char32_t>(static_cast<std::uint32_t>(nextCaret(in)) * 2654435761u);
            std::string bytes = fromChars(arbitrary);
            bool representable =
                std::all_of(arbitrary.begin(), arbitrary.end(), [](char32_t c) { return c < 0x200000; });
            if (representable && toChars(bytes) != arbitrary) fail("characters do not read back from their bytes");
            e = {text, 0};
            break;
        }
        }
        text = e.text;
        if (text.size() > 100000) text.clear();
    }
    return 0;
}
