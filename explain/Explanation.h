#pragma once
// How each figure of the two pages came about, told from the calculation state and the year's
// parameters: one structured line per figure (the rule with its operands, the rounding, the
// result and what the control shows), rendered to Czech text for a tooltip, for the step-by-step
// computation of a page and for the clipboard. Nothing here computes a figure afresh: results
// are the ones the calculation kept, and what it does not keep is derived from what it keeps by
// the same rule. A figure that no longer shows the calculation's result (cleared by a click into
// an amount field, or not computed yet) says so instead of being explained.

#include <string>
#include <string_view>
#include <vector>

#include "model/Kalkulajda.h"
#include "model/Rounding.h"

namespace platomer {

// One amount, rate or count that a rule works with.
struct Operand {
    std::string name;      // the state field or parameter it is ("Hruba", "SazbaSocZam"), or the step it names
    std::string label;     // what it is, in words: "hrubá mzda"
    std::string value;     // as shown: "45 000 Kč", "6,5 %", "2"
    Extended number = 0;   // the value itself: crowns, a rate as a fraction, a count
    bool derived = false;  // not kept by the calculation, derived from what it keeps by the rule
};

enum class LineKind : unsigned char {
    Input,       // an amount field or a count typed by the user
    Tick,        // an option box
    Parameter,   // a figure of the year's rules
    Result,      // a figure explained from the calculation
    Cleared,     // a result reset to 0 by a click into an amount field, not yet computed again
    NotComputed  // the control does not show a result of the calculation (none has run yet)
};

struct ExplanationLine {
    std::string control;  // the name of the control
    std::string label;    // the text beside it on the page: "Sociální zaměstnanec"
    LineKind kind = LineKind::Result;
    // The rule in words, each operand written as {name}: "{SazbaSocZam} z hrubé mzdy {Hruba}".
    // Empty when the figure follows from a condition alone (the note then says which).
    std::string rule;
    std::vector<Operand> operands;
    std::string rounding;  // "zaokrouhleno nahoru na celé koruny"; empty when nothing is rounded
    std::string result;    // as shown in Czech: "2 925 Kč", "ano"
    std::string shown;     // the control's text without its padding blanks: "2925"
    // Whole sentences: the condition behind a figure, where the program knowingly differs from
    // common payroll practice, why a figure is not explained. May hold {name} like the rule.
    std::string note;

    // The operand of that name, or nullptr.
    const Operand* operand(std::string_view name) const;
    // Whether the line says more than its result: a rule, a rounding or a note. A tick or an
    // input that only shows itself does not.
    bool explainsMore() const { return !rule.empty() || !rounding.empty() || !note.empty(); }
};

// The line of one control: every result and parameter panel of both pages, EdCista and
// EdNaklZam, the amount fields and inputs and the option boxes. Throws std::invalid_argument
// for a control that holds no figure.
ExplanationLine explain(const TKalkulajda& form, std::string_view control);

// The whole computation of a page (0 the wage, 1 the garnishment): the inputs and the ticks
// first, then every figure in the order the calculation reaches it, the year's figures last.
std::vector<ExplanationLine> computation(const TKalkulajda& form, int page);

// The line as plain Czech text: the rule with its operands, the result, the rounding, the note.
std::string render(const ExplanationLine& line);

// The computation of a page for the clipboard: a title line with the year's rules, then one line
// per input, tick and figure, the label, a tab and the control's text without padding.
std::string copyText(const TKalkulajda& form, int page);
// The same of lines already made.
std::string copyText(const TKalkulajda& form, const std::vector<ExplanationLine>& lines);

}  // namespace platomer
