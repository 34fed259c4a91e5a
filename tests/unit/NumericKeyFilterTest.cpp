// The amount field's key filter and its click: typed characters other than digits, "." and a
// few control keys are refused with a beep; a click empties the field after its handler.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "RecordingForm.h"
#include "model/NumericEntry.h"
#include "model/UserActions.h"

namespace {

using foundation_test::RecordingKalkulajda;
using foundation_test::RecordingPlatform;

struct KeyCase {
    const char* rule;
    char32_t key;
    bool allowed;
};

class NumericKeyFilter : public testing::TestWithParam<KeyCase> {};

TEST_P(NumericKeyFilter, LetsThroughOnlyDigitsDotAndEditingKeys)
{
    EXPECT_EQ(NumericKeyAllowed(GetParam().key), GetParam().allowed);
}

INSTANTIATE_TEST_SUITE_P(NumericEntry, NumericKeyFilter,
                         testing::Values(KeyCase{"digit_zero", '0', true}, KeyCase{"digit_nine", '9', true},
                                         KeyCase{"dot", '.', true}, KeyCase{"backspace", 8, true},
                                         KeyCase{"tab", 9, true}, KeyCase{"carriage_return", 13, true},
                                         KeyCase{"letter", 'a', false}, KeyCase{"upper_case_letter", 'X', false},
                                         KeyCase{"minus", '-', false}, KeyCase{"plus", '+', false},
                                         KeyCase{"comma", ',', false}, KeyCase{"blank", ' ', false},
                                         KeyCase{"dollar", '$', false}, KeyCase{"copy_shortcut", 3, false},
                                         KeyCase{"paste_shortcut", 22, false}, KeyCase{"undo_shortcut", 26, false},
                                         KeyCase{"line_feed", 10, false}, KeyCase{"escape", 27, false},
                                         KeyCase{"accented_letter", U'\u011b', false}),
                         [](const auto& info) { return std::string(info.param.rule); });

class AmountField : public foundation_test::ActivatedWindow {};

TEST_F(AmountField, RefusedCharacterBeepsAndChangesNothing)
{
    user.click(c("EdHruba"));
    form.events.clear();
    for (char32_t ch : {U'a', U'-', U',', U' ', U'+'})
        user.type(ch);
    EXPECT_EQ(platform.beeps, 5);
    EXPECT_EQ(c("EdHruba").text(), "");
    EXPECT_TRUE(form.events.empty()) << "no change is raised for a refused character";
}

TEST_F(AmountField, DotIsAcceptedAndTheTextThenReadsAsZero)
{
    user.click(c("EdHruba"));
    for (char32_t ch : {U'1', U'7', U'.', U'5'})
        user.type(ch);
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(c("EdHruba").text(), "17.5");
    user.press(Key::Enter);
    EXPECT_EQ(form.Hruba, 0);
    EXPECT_EQ(c("EdHruba").text(), std::string(9, ' ') + "17.5");
}

TEST_F(AmountField, PasteIsNotFiltered)
{
    user.click(c("EdHruba"));
    user.paste("12a");
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(c("EdHruba").text(), "12a");
}

TEST_F(AmountField, BackspaceErasesTheCharacterBeforeTheCaret)
{
    user.click(c("EdHruba"));
    for (char32_t ch : {U'1', U'2', U'3'})
        user.type(ch);
    user.press(Key::Backspace);
    EXPECT_EQ(c("EdHruba").text(), "12");
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(AmountField, ClickEmptiesTheGarnishmentFieldWithOneChange)
{
    user.clickPage(1);
    form.events.clear();
    user.click(c("EdExekCm"));
    EXPECT_EQ(c("EdExekCm").text(), "");
    EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Change EdExekCm"), 1);
    EXPECT_EQ(form.events.front(), "Exit PcHlav");
}

TEST_F(AmountField, ClickIntoAnEmptyFieldRaisesNoChange)
{
    user.clickPage(1);
    user.click(c("EdExekCm"));
    form.events.clear();
    user.click(c("EdExekCm"));
    EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "Change EdExekCm"), 0);
}

TEST_F(AmountField, ClickIntoTheNetFieldEmptiesItAfterItsHandlerWroteZero)
{
    user.click(c("EdCista"));
    EXPECT_EQ(c("EdCista").text(), "");
    EXPECT_EQ(c("EdHruba").text(), "");
    EXPECT_TRUE(c("ChckBxHrzCis").ticked());
    // The order: the handler's click first, the field's own emptying after it.
    auto click = std::find(form.events.begin(), form.events.end(), "Click EdCista");
    ASSERT_NE(click, form.events.end());
    EXPECT_EQ(form.events.back(), "Change EdCista");
}

}  // namespace
