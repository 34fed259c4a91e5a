// The computation of a page that the window keeps is the one made afresh, after every kind of
// change: a typed amount and its recalculation, a tick, a click that clears the figures, a year
// chosen from the menu or by the program's option, a change of page.
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "explain/ComputationText.h"
#include "explain/PageComputations.h"
#include "tests/unit/RecordingForm.h"

namespace platomer {

namespace {

using foundation_test::ActivatedWindow;

// A line as everything that reads it sees it.
std::vector<std::string> seen(const std::vector<ExplanationLine>& lines)
{
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const ExplanationLine& line : lines)
        out.push_back(line.control + "|" + line.label + "|" + line.shown + "|" + render(line));
    return out;
}

class KeptComputation : public ActivatedWindow {
protected:
    void sameAsAfresh(const char* when) const
    {
        for (int page : {0, 1}) {
            EXPECT_EQ(seen(kept.lines(page)), seen(computation(form, page))) << when << ", page " << page;
            EXPECT_EQ(kept.text(page), computationText(form, page)) << when;
            EXPECT_EQ(kept.copy(page), copyText(form, page)) << when;
        }
        EXPECT_EQ(kept.tooltip("PSocialni"), tooltipText(form, "PSocialni")) << when;
        EXPECT_EQ(kept.description("pBezSPrednost"), render(explain(form, "pBezSPrednost"))) << when;
    }
    void typeInto(const char* name, const std::string& digits)
    {
        user.click(c(name));
        for (char digit : digits)
            user.type(static_cast<char32_t>(digit));
    }

    PageComputations kept{form};
};

TEST_F(KeptComputation, FollowsEveryKindOfChange)
{
    sameAsAfresh("at the start");
    typeInto("EdHruba", "45000");
    sameAsAfresh("typed, not yet computed");
    user.press(Key::Enter);
    sameAsAfresh("computed");
    user.click(c("CHckBNezdI"));
    sameAsAfresh("a credit ticked");
    user.click(c("EdHruba"));
    sameAsAfresh("figures cleared by a click");
    user.press(Key::Tab);
    user.chooseYear(2026);
    sameAsAfresh("2026 chosen");
    // Before the window shows its menu, only the program's option chooses a year.
    form.ZvolRok(2024);
    sameAsAfresh("2024 chosen by code");
    user.clickPage(1);
    typeInto("EdExekCm", "35000");
    sameAsAfresh("a garnishment computed");
}

TEST_F(KeptComputation, RefusesWhatHoldsNoFigure)
{
    EXPECT_THROW(kept.line("LHruba"), std::invalid_argument);
    EXPECT_THROW(kept.line("NoSuchControl"), std::invalid_argument);
    EXPECT_THROW(kept.lines(2), std::invalid_argument);
}

}  // namespace

}  // namespace platomer
