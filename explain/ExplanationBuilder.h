#pragma once
// What the explanations of both pages are built of: amounts and rates in Czech form, operands,
// the labels beside the controls, and the lines for figures that cannot be explained.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "explain/Explanation.h"

namespace platomer::explaining {

// Digits are grouped by thousands and a unit is joined to its number by a no-break space, so
// that a tooltip never breaks a figure across lines.
inline constexpr const char* NoBreakSpace = "\u00A0";

// "45 000", "−6 362", "1 258,75": up to 15 significant digits, a decimal comma.
std::string czechNumber(Extended value);
std::string czechCrowns(Extended value);  // "45 000 Kč"
std::string czechRate(double rate);       // 0.065 as "6,5 %"

// An operand by its name, with the one label of that name.
Operand crowns(std::string_view name, Extended value, bool derived = false);
Operand rate(std::string_view name, double value);
Operand count(std::string_view name, Extended value);

// The text with its first letter in capitals (Czech letters included).
std::string capitalised(std::string text);

// A control looked up by name in a window that is only read.
const Control& named(const TKalkulajda& form, std::string_view name);
// The text beside a control on its page; a captioned tick box is named by its caption.
std::string labelFor(std::string_view control);
// The label with the caption of the control's frame in front, where the frame has one:
// "Roční slevy na dani – Studenti".
std::string labelInFrame(const TKalkulajda& form, const Control& control);
// The text of a control without the blanks that pad an amount field.
std::string withoutPadding(std::string_view text);

// A line for the control with its label and its text filled in.
ExplanationLine lineFor(const Control& control, LineKind kind);
// Adds a sentence to the note.
void addNote(ExplanationLine& line, std::string_view sentence);
// The line of a control that does not show a result of the calculation, with the reason.
ExplanationLine notComputed(const Control& control, std::string_view reason);

// The lines of each page in the order of the computation.
std::vector<ExplanationLine> wageLines(const TKalkulajda& form);
std::vector<ExplanationLine> garnishmentLines(const TKalkulajda& form);

}  // namespace platomer::explaining
