#pragma once
// The texts the window makes of the explanations: a figure's tooltip and the step-by-step
// computation of a page. Without Qt, so that the replay tool's model mode writes exactly what the
// window shows; everything in them comes from explain/Explanation.h, nothing is computed here.

#include <string>
#include <string_view>
#include <vector>

#include "explain/Explanation.h"

namespace platomer {

// The controls whose tooltip explains their figure: every display panel of both pages (results
// and the year's figures, EdNaklZam among them) and the net wage field, which shows a result
// while the gross is computed.
inline bool explainsFigure(const Control& control)
{
    return control.kind() == Kind::Display || control.name() == "EdCista";
}

// A figure's tooltip: the label beside it on a line of its own, then how it came about.
inline std::string tooltipText(const TKalkulajda& form, std::string_view control)
{
    const ExplanationLine line = explain(form, control);
    return line.label + "\n" + render(line);
}

// The text of a control of a window that is only read.
inline std::string textOf(const TKalkulajda& form, std::string_view control)
{
    const Control* c = form.find(control);
    return c ? c->text() : std::string();
}

// The caption of a tab page: "Výpočet mzdy".
inline std::string pageCaption(const TKalkulajda& form, int page)
{
    for (const char* name : {"TabVypocet", "Nezabav"}) {
        const Control* c = form.find(name);
        if (c && c->row().position == page) return c->text();
    }
    return {};
}

// The year whose rules the calculation follows, as the window's heading shows it: "2023".
inline std::string rulesYear(const TKalkulajda& form) { return textOf(form, "LabelRok"); }

// The heading under which a line of the computation stands. A figure that shows no result of the
// calculation stays under the heading of the lines around it.
inline const char* computationSection(LineKind kind, const char* current)
{
    switch (kind) {
    case LineKind::Input: return "Zadání";
    case LineKind::Tick: return "Volby";
    case LineKind::Parameter: return "Částky pravidel roku";
    case LineKind::Result:
    case LineKind::Cleared: return "Výpočet";
    case LineKind::NotComputed: break;
    }
    return current ? current : "Zadání";
}

// The computation of a page as the window "Postup výpočtu" shows it: a title with the page and
// the year's rules, then each line of the computation in its order under its heading, as
// "label: explanation"; the steps of the calculation are numbered.
inline std::string computationText(const TKalkulajda& form, int page, const std::vector<ExplanationLine>& lines)
{
    std::string text =
        "Postup výpočtu \u2013 " + pageCaption(form, page) + " (pravidla roku " + rulesYear(form) + ")\n";
    const char* section = nullptr;
    int step = 0;
    for (const ExplanationLine& line : lines) {
        const char* next = computationSection(line.kind, section);
        if (next != section) {
            section = next;
            text += std::string("\n") + section + "\n";
        }
        if (std::string_view(section) == "Výpočet") text += std::to_string(++step) + ". ";
        text += line.label + ": " + render(line) + "\n";
    }
    return text;
}

inline std::string computationText(const TKalkulajda& form, int page)
{
    return computationText(form, page, computation(form, page));
}

}  // namespace platomer
