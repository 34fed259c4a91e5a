#include "explain/Explanation.h"

#include <stdexcept>

#include "explain/ExplanationBuilder.h"

namespace platomer {

using namespace explaining;

const Operand* ExplanationLine::operand(std::string_view name) const
{
    for (const Operand& o : operands)
        if (o.name == name) return &o;
    return nullptr;
}

std::vector<ExplanationLine> computation(const TKalkulajda& form, int page)
{
    if (page == 0) return wageLines(form);
    if (page == 1) return garnishmentLines(form);
    throw std::invalid_argument("Stránka " + std::to_string(page) + " neexistuje");
}

ExplanationLine explain(const TKalkulajda& form, std::string_view control)
{
    const int page = form.pageOf(named(form, control));
    if (page == 0 || page == 1)
        for (ExplanationLine& line : computation(form, page))
            if (line.control == control) return std::move(line);
    throw std::invalid_argument("Ovládací prvek " + std::string(control) + " nenese žádnou částku");
}

namespace {

// The rule or note with every {name} replaced by the value of its operand.
std::string withValues(const ExplanationLine& line, const std::string& text)
{
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('{', at);
        const std::size_t close = open == std::string::npos ? open : text.find('}', open);
        if (close == std::string::npos) break;
        out.append(text, at, open - at);
        const Operand* o = line.operand(std::string_view(text).substr(open + 1, close - open - 1));
        out += o ? o->value : text.substr(open, close - open + 1);
        at = close + 1;
    }
    return out + text.substr(std::min(at, text.size()));
}

}  // namespace

std::string render(const ExplanationLine& line)
{
    std::string text = line.rule.empty() ? line.result : withValues(line, line.rule) + " = " + line.result;
    if (!text.empty()) {
        if (!line.rounding.empty()) text += " (" + line.rounding + ")";
        text += '.';
    }
    if (!line.note.empty()) text += (text.empty() ? "" : " ") + withValues(line, line.note);
    return text;
}

std::string copyText(const TKalkulajda& form, int page) { return copyText(form, computation(form, page)); }

std::string copyText(const TKalkulajda& form, const std::vector<ExplanationLine>& lines)
{
    std::string text =
        form.parts().Kalkulajda.text() + " \u2013 pravidla roku " + named(form, "LabelRok").text() + "\n";
    for (const ExplanationLine& line : lines)
        text += line.label + "\t" + line.shown + "\n";
    return text;
}

}  // namespace platomer
