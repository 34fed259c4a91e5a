#include "explain/PageComputations.h"

#include <stdexcept>

#include "explain/ComputationText.h"

namespace platomer {

PageComputations::Page& PageComputations::page(int page) const
{
    if (page != 0 && page != 1) throw std::invalid_argument("Stránka " + std::to_string(page) + " neexistuje");
    Page& kept = pages_[static_cast<std::size_t>(page)];
    if (kept.built && kept.revision == form_.revision()) return kept;
    kept.lines = computation(form_, page);
    kept.byControl.clear();
    for (std::size_t i = 0; i < kept.lines.size(); ++i)
        kept.byControl.emplace(kept.lines[i].control, i);
    kept.revision = form_.revision();
    kept.built = true;
    return kept;
}

const std::vector<ExplanationLine>& PageComputations::lines(int page) const { return this->page(page).lines; }

const ExplanationLine& PageComputations::line(std::string_view control) const
{
    const Control* c = form_.find(control);
    const int index = c ? form_.pageOf(*c) : -1;
    if (index == 0 || index == 1) {
        const Page& kept = page(index);
        auto it = kept.byControl.find(control);
        if (it != kept.byControl.end()) return kept.lines[it->second];
    }
    throw std::invalid_argument("Ovládací prvek " + std::string(control) + " nenese žádnou částku");
}

std::string PageComputations::tooltip(std::string_view control) const
{
    const ExplanationLine& l = line(control);
    return l.label + "\n" + render(l);
}

std::string PageComputations::text(int page) const { return computationText(form_, page, lines(page)); }

std::string PageComputations::copy(int page) const { return copyText(form_, lines(page)); }

}  // namespace platomer
