#pragma once
// The computation of each page as the window's features read it: the explanation of every figure,
// made once for each state of the window and only when something reads it. A tooltip, the
// descriptions a screen reader hears, the window "Postup výpočtu" and the clipboard all take
// their lines from here, so an action that changes the window costs one computation of a page at
// most, however many of them read it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "explain/Explanation.h"

namespace platomer {

class PageComputations {
public:
    explicit PageComputations(const TKalkulajda& form) : form_(form) {}

    // The lines of a page (0 the wage, 1 the garnishment), as computation() makes them.
    const std::vector<ExplanationLine>& lines(int page) const;
    // The line of one control, as explain() makes it; throws std::invalid_argument for a control
    // that holds no figure.
    const ExplanationLine& line(std::string_view control) const;

    // The texts of explain/ComputationText.h, from the lines kept here.
    std::string tooltip(std::string_view control) const;
    std::string description(std::string_view control) const { return render(line(control)); }
    std::string text(int page) const;
    std::string copy(int page) const;

private:
    struct Page {
        std::uint64_t revision = 0;
        bool built = false;
        std::vector<ExplanationLine> lines;
        std::unordered_map<std::string_view, std::size_t> byControl;
    };
    Page& page(int page) const;

    const TKalkulajda& form_;
    mutable std::array<Page, 2> pages_;
};

}  // namespace platomer
