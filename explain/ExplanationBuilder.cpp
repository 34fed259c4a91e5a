#include "explain/ExplanationBuilder.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <utility>

#include "explain/Operands.h"
#include "model/AmountText.h"
#include "model/ControlLabels.h"

namespace platomer::explaining {

std::string czechNumber(Extended value)
{
    std::string plain = FloatToStr(value, ',');
    // Only the digits before the comma are grouped; an exponent form is left as it is.
    if (plain.find('E') != std::string::npos) return plain;
    const std::size_t sign = !plain.empty() && plain[0] == '-' ? 1 : 0;
    const std::size_t end = std::min(plain.find(','), plain.size());
    // A negative figure carries the minus sign that the rules use for subtraction.
    std::string out = sign ? "\u2212" : "";
    for (std::size_t i = sign; i < end; ++i) {
        if (i > sign && (end - i) % 3 == 0) out += NoBreakSpace;
        out += plain[i];
    }
    return out + plain.substr(end);
}

std::string czechCrowns(Extended value) { return czechNumber(value) + NoBreakSpace + "Kč"; }

std::string czechRate(double rate) { return czechNumber(static_cast<Extended>(rate) * 100) + NoBreakSpace + "%"; }

Operand crowns(std::string_view name, Extended value, bool derived)
{
    return {std::string(name), std::string(operandLabel(name)), czechCrowns(value), value, derived};
}

Operand rate(std::string_view name, double value)
{
    return {std::string(name), std::string(operandLabel(name)), czechRate(value), static_cast<Extended>(value), false};
}

Operand count(std::string_view name, Extended value)
{
    return {std::string(name), std::string(operandLabel(name)), czechNumber(value), value, false};
}

std::string capitalised(std::string text)
{
    if (text.empty()) return text;
    auto b0 = static_cast<unsigned char>(text[0]);
    if (b0 >= 'a' && b0 <= 'z') {
        text[0] = static_cast<char>(b0 - 'a' + 'A');
    } else if (text.size() > 1 && (b0 == 0xC3 || b0 == 0xC4 || b0 == 0xC5)) {
        // Two-byte letters: in Latin-1 the capital lies 0x20 lower (á Á); in Latin Extended-A
        // it is the code point before the small letter, which is odd (č Č, ř Ř) except in the
        // two runs from Ĺ to ň and from Ź to ž, where it is even.
        const unsigned code = ((b0 & 0x1Fu) << 6) | (static_cast<unsigned char>(text[1]) & 0x3Fu);
        const bool evenSmall = (code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E);
        unsigned upper = code;
        if (code >= 0xE0 && code <= 0xFE && code != 0xF7) upper = code - 0x20;
        if (code >= 0x100 && code <= 0x17F && code % 2 == (evenSmall ? 0u : 1u)) upper = code - 1;
        text[0] = static_cast<char>(0xC0 | (upper >> 6));
        text[1] = static_cast<char>(0x80 | (upper & 0x3F));
    }
    return text;
}

const Control& named(const TKalkulajda& form, std::string_view name)
{
    if (const Control* c = form.find(name)) return *c;
    throw std::invalid_argument("Ovládací prvek " + std::string(name) + " neexistuje");
}

std::string labelFor(std::string_view control)
{
    const ControlLabel* label = labelOf(control);
    return label ? labelCaption(*label) : std::string(control);
}

std::string labelInFrame(const TKalkulajda& form, const Control& control)
{
    const Control& frame = form.controls()[static_cast<std::size_t>(control.parent())];
    if (frame.text().empty()) return labelFor(control.name());
    return frame.text() + " \u2013 " + labelFor(control.name());
}

std::string withoutPadding(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

ExplanationLine lineFor(const Control& control, LineKind kind)
{
    ExplanationLine line;
    line.control = control.name();
    line.label = labelFor(control.name());
    line.kind = kind;
    line.shown = withoutPadding(control.text());
    return line;
}

void addNote(ExplanationLine& line, std::string_view sentence)
{
    if (sentence.empty()) return;
    if (!line.note.empty()) line.note += ' ';
    line.note += sentence;
}

ExplanationLine notComputed(const Control& control, std::string_view reason)
{
    ExplanationLine line = lineFor(control, LineKind::NotComputed);
    line.result = line.shown;
    addNote(line, reason);
    return line;
}

}  // namespace platomer::explaining
