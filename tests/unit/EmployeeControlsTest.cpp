// The controls of the employee's circumstances as a user meets them: hidden, out of the keyboard
// order and ignored in the window's own year; from 2024 shown, reached by Tab in their frame's
// order, kept across a change of year, untouched by the declaration, and the field of the earlier
// base taking nine digits at most and reading anything else as none.
#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "model/AmountText.h"
#include "model/UserActions.h"
#include "tests/unit/RecordingForm.h"

namespace platomer {

namespace {

using foundation_test::ActivatedWindow;

const std::vector<std::string> Circumstances{"GBoxZamestnanec", "CheckBxDpc", "ChckBDuchodce",
                                             "ChckBVyjimkaZP",  "LZakladRok", "EdZakladRok"};
const std::vector<std::string> Stops{"CheckBxDpc", "ChckBDuchodce", "ChckBVyjimkaZP", "EdZakladRok"};

class EmployeeControls : public ActivatedWindow {
protected:
    // The keyboard stops of the wage page that the focus can reach, in Tab order.
    std::vector<std::string> reachable()
    {
        std::vector<std::string> names;
        for (int index : form.keyboardOrder(0))
            if (form.canFocus(form.at(index))) names.push_back(form.at(index).name());
        return names;
    }
    void typeDigits(const std::string& digits)
    {
        for (char d : digits)
            user.type(static_cast<char32_t>(d));
    }
};

TEST_F(EmployeeControls, HiddenAndOutOfReachInTheWindowsYear)
{
    for (const std::string& name : Circumstances)
        EXPECT_FALSE(c(name.c_str()).visible()) << name;
    for (const std::string& name : reachable())
        EXPECT_EQ(std::find(Stops.begin(), Stops.end(), name), Stops.end()) << name << " is reached by Tab";
    // A click finds nothing to tick.
    user.click(c("ChckBDuchodce"));
    EXPECT_FALSE(c("ChckBDuchodce").ticked());
}

TEST_F(EmployeeControls, ShownFrom2024AndReachedByTabInTheirOrder)
{
    user.chooseYear(2026);
    for (const std::string& name : Circumstances)
        EXPECT_TRUE(c(name.c_str()).visible()) << name;
    const std::vector<std::string> order = reachable();
    // The frame stands lowest on the page: its stops come last, in reading order.
    ASSERT_GE(order.size(), Stops.size());
    EXPECT_EQ(std::vector<std::string>(order.end() - static_cast<std::ptrdiff_t>(Stops.size()), order.end()), Stops);
    user.chooseYear(2023);
    for (const std::string& name : Circumstances)
        EXPECT_FALSE(c(name.c_str()).visible()) << name;
}

TEST_F(EmployeeControls, TheFocusLeavesAFieldThatAYearHides)
{
    user.chooseYear(2026);
    user.click(c("EdZakladRok"));
    ASSERT_TRUE(c("EdZakladRok").focused());
    user.chooseYear(2023);
    EXPECT_FALSE(c("EdZakladRok").focused());
    EXPECT_TRUE(form.canFocus(form.focused())) << form.focused().name();
}

TEST_F(EmployeeControls, KeptAcrossYearsAndUntouchedByTheDeclaration)
{
    user.chooseYear(2026);
    user.click(c("ChckBDuchodce"));
    user.click(c("CHckBPodpis"));
    EXPECT_TRUE(c("ChckBDuchodce").ticked());
    EXPECT_TRUE(c("ChckBDuchodce").enabled());
    user.chooseYear(2023);
    user.chooseYear(2025);
    EXPECT_TRUE(c("ChckBDuchodce").ticked());
    EXPECT_TRUE(form.wage().Zamestnanec.pensioner);
}

TEST_F(EmployeeControls, TheEarlierBaseTakesNineDigitsAndReadsAnythingElseAsNone)
{
    user.chooseYear(2026);
    user.click(c("EdZakladRok"));
    typeDigits("1234567890");
    EXPECT_EQ(c("EdZakladRok").text(), "123456789");
    EXPECT_EQ(platform.beeps, 1);
    // A digit typed over the whole selected text replaces it.
    user.press(Key::ShiftHome);
    typeDigits("7");
    EXPECT_EQ(c("EdZakladRok").text(), "7");
    for (const char* text : {"12x", "-5", "1234567890", "", " 1 2"}) {
        user.click(c("EdZakladRok"));
        user.paste(text);
        user.press(Key::Tab);
        EXPECT_EQ(c("EdZakladRok").text(), "0") << "'" << text << "'";
        EXPECT_EQ(form.wage().Zamestnanec.earlierBase, 0) << "'" << text << "'";
    }
    user.click(c("EdZakladRok"));
    user.paste("  007");
    user.press(Key::Enter);
    EXPECT_EQ(c("EdZakladRok").text(), "7");
    EXPECT_EQ(form.wage().Zamestnanec.earlierBase, 7);
}

}  // namespace

}  // namespace platomer
