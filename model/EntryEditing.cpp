#include "model/EntryEditing.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/EntryText.h"

namespace platomer {

namespace {

std::string selectedText(const Control& entry)
{
    const std::u32string chars = toChars(entry.text());
    const auto start = static_cast<std::size_t>(std::min<int>(entry.selStart, static_cast<int>(chars.size())));
    return fromChars(std::u32string_view(chars).substr(start, static_cast<std::size_t>(entry.selLength)));
}

bool isBlank(char32_t c) { return c == ' ' || c == '\t' || c == 0xA0; }

}  // namespace

std::pair<int, int> wordAt(std::string_view text, int index)
{
    const std::u32string chars = toChars(text);
    const int size = static_cast<int>(chars.size());
    if (size == 0) return {0, 0};
    index = std::clamp(index, 0, size - 1);
    const bool blank = isBlank(chars[static_cast<std::size_t>(index)]);
    int start = index, end = index + 1;
    while (start > 0 && isBlank(chars[static_cast<std::size_t>(start - 1)]) == blank)
        --start;
    while (end < size && isBlank(chars[static_cast<std::size_t>(end)]) == blank)
        ++end;
    return {start, end - start};
}

int dragEnd(int start, int length)
{
    const std::int64_t end = std::int64_t{start} + length;
    return static_cast<int>(
        std::clamp<std::int64_t>(end, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void moveCaret(FormModel& form, Control& entry, int caret, bool extend)
{
    form.userSelect(entry, extend ? entry.anchor() : caret, caret);
}

void selectAll(FormModel& form, Control& entry) { form.userSelect(entry, 0, textLength(entry.text())); }

void selectWord(FormModel& form, Control& entry, int index)
{
    const auto [start, length] = wordAt(entry.text(), index);
    form.userSelect(entry, start, start + length);
}

void copySelection(FormModel& form, Control& entry)
{
    if (entry.selLength > 0) form.platform().setClipboardText(selectedText(entry));
}

void cutSelection(FormModel& form, Control& entry)
{
    if (entry.selLength == 0) return;
    copySelection(form, entry);
    eraseSelection(form, entry);
}

void pasteText(FormModel& form, Control& entry, const std::string& text)
{
    EditedText e = replaceSelection(entry.text(), entry.selStart, entry.selLength, carriedIntoEntry(text));
    form.userEdit(entry, e.text, e.caret);
}

void pasteClipboard(FormModel& form, Control& entry)
{
    // An empty clipboard pastes nothing, as the menu's "Vložit" is then disabled: the selection stays.
    const std::string text = form.platform().clipboardText();
    if (!text.empty()) pasteText(form, entry, text);
}

void eraseSelection(FormModel& form, Control& entry)
{
    if (entry.selLength > 0) pasteText(form, entry, "");
}

void undoEdit(FormModel& form, Control& entry)
{
    if (!entry.undo) return;
    const Control::Undo before = *entry.undo;
    form.userEdit(entry, before.text, before.selStart, false);
    if (before.selLength > 0) form.userSelect(entry, before.selStart, before.selStart + before.selLength);
}

std::vector<MenuItem> entryMenu(const FormModel& form, const Control& entry)
{
    const bool selected = entry.selLength > 0;
    const int length = textLength(entry.text());
    return {{"Zpět", entry.undo.has_value()},
            {"Vyjmout", selected},
            {"Kopírovat", selected},
            {"Vložit", !form.platform().clipboardText().empty()},
            {"Odstranit", selected},
            {"-", false},
            {"Vybrat vše", length > 0 && entry.selLength < length}};
}

bool runMenuItem(FormModel& form, Control& entry, std::string_view text)
{
    using Action = void (*)(FormModel&, Control&);
    static constexpr std::pair<std::string_view, Action> actions[] = {
        {"Zpět", undoEdit},         {"Vyjmout", cutSelection},     {"Kopírovat", copySelection},
        {"Vložit", pasteClipboard}, {"Odstranit", eraseSelection}, {"Vybrat vše", selectAll}};
    for (const MenuItem& item : entryMenu(form, entry)) {
        if (text != item.text) continue;
        for (const auto& [name, action] : actions)
            if (item.enabled && name == text) action(form, entry);
        return true;
    }
    return false;
}

}  // namespace platomer
