#include "model/Years.h"

#include <array>

namespace platomer {

namespace {

constexpr std::array Rows = {
    YearRow{2023, &taxYear2023, &taxYear2023Law},
    YearRow{2024, &taxYear2024, nullptr},
    YearRow{2025, &taxYear2025, nullptr},
    YearRow{2026, &taxYear2026, nullptr},
};

}  // namespace

std::span<const YearRow> years() { return Rows; }

const YearRow* findYear(int rok)
{
    for (const YearRow& row : Rows)
        if (row.rok == rok) return &row;
    return nullptr;
}

const YearRow& defaultYear() { return Rows.front(); }

const YearRow* yearNamed(std::string_view text)
{
    if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string_view::npos) return nullptr;
    return findYear(std::stoi(std::string(text)));
}

std::string unknownYearMessage(std::string_view text)
{
    return "Pravidla roku „" + std::string(text) + "“ program nezná, zná roky " + yearListText() + ".";
}

std::string applicationTitle(int rok) { return "Platomer " + std::to_string(rok); }

std::string yearListText()
{
    std::string text;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (i > 0) text += i + 1 == Rows.size() ? " a " : ", ";
        text += std::to_string(Rows[i].rok);
    }
    return text;
}

}  // namespace platomer
