#pragma once
// The years whose rules the calculator knows: one row each, in order. The menu of years, the
// program's --rok option, the launcher's actions and every text that names the years are made
// from this list.

#include <span>
#include <string>
#include <string_view>

#include "model/TaxYear.h"

namespace platomer {

struct YearRow {
    int rok;
    TaxYear (*rules)();  // the year's rules as the window computes them
    // The same figures under the law's own rules, for the sentence "Podle zákona: …" of the
    // explanations where the window's rules knowingly differ; nullptr where they are the law's.
    TaxYear (*law)();
};

TaxYear taxYear2023();
TaxYear taxYear2023Law();
TaxYear taxYear2024();
TaxYear taxYear2025();
TaxYear taxYear2026();

// Every year, the window's own first.
std::span<const YearRow> years();
// The row of a year, or nullptr for a year the calculator does not know.
const YearRow* findYear(int rok);
// The row the window starts with.
const YearRow& defaultYear();
// The row of a year written as its four digits ("2025"), or nullptr.
const YearRow* yearNamed(std::string_view text);
// The one line that answers a year the calculator does not know.
std::string unknownYearMessage(std::string_view text);
// "Platomer 2023": the program's name with the year whose rules it follows.
std::string applicationTitle(int rok);
// "2023, 2024, 2025 a 2026".
std::string yearListText();

}  // namespace platomer
