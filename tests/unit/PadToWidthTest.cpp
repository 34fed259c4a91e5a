// The blanks that the amount field puts in front of its text: how many for each length, one
// change event per blank, and what repeated calls do.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "RecordingForm.h"
#include "model/NumericEntry.h"

namespace platomer {

namespace {

using foundation_test::RecordingForm;

// The amount field on the garnishment page, the one whose changes are handled.
class PadToWidthField : public testing::Test {
protected:
    Control& field() { return form.control("EdExekCm"); }

    // Puts `text` into the field and forgets the change that caused.
    void start(const std::string& text)
    {
        field().setText(text);
        form.events.clear();
    }

    int changes() const
    {
        return static_cast<int>(std::count(form.events.begin(), form.events.end(), "Change EdExekCm"));
    }

    RecordingForm form;
};

struct LengthCase {
    const char* rule;
    const char* text;
    int blanksAdded;
    int lengthAfter;
};

class PadToWidthByLength : public PadToWidthField, public testing::WithParamInterface<LengthCase> {};

TEST_P(PadToWidthByLength, AddsBlanksInFrontOnePerChange)
{
    const LengthCase& c = GetParam();
    start(c.text);
    PadToWidth(field());
    EXPECT_EQ(field().text(), std::string(static_cast<std::size_t>(c.blanksAdded), ' ') + c.text);
    EXPECT_EQ(static_cast<int>(field().text().size()), c.lengthAfter);
    EXPECT_EQ(changes(), c.blanksAdded);
    EXPECT_EQ(static_cast<int>(form.events.size()), c.blanksAdded) << "only change events are raised";
}

INSTANTIATE_TEST_SUITE_P(
    NumericEntry, PadToWidthByLength,
    testing::Values(
        LengthCase{"length_0_gets_13", "", 13, 13}, LengthCase{"length_1_gets_12", "0", 12, 13},
        LengthCase{"length_2_gets_11", "12", 11, 13}, LengthCase{"length_3_gets_11_and_ends_at_14", "123", 11, 14},
        LengthCase{"length_4_gets_9", "8650", 9, 13}, LengthCase{"length_5_gets_7", "17300", 7, 12},
        LengthCase{"length_6_gets_5", "161296", 5, 11}, LengthCase{"length_7_gets_3", "1234567", 3, 10},
        LengthCase{"length_8_gets_1", "12345678", 1, 9}, LengthCase{"length_9_gets_none", "123456789", 0, 9},
        LengthCase{"length_10_gets_3", "1234567890", 3, 13}, LengthCase{"length_11_gets_2", "12345678901", 2, 13},
        LengthCase{"length_12_gets_1", "123456789012", 1, 13},
        LengthCase{"length_13_unchanged", "1234567890123", 0, 13},
        LengthCase{"length_14_unchanged", "12345678901234", 0, 14},
        LengthCase{"length_20_unchanged", "12345678901234567890", 0, 20},
        // Blanks already in front count in the length like any other character.
        LengthCase{"blanks_in_front_count_in_the_length", "  123", 7, 12},
        LengthCase{"text_with_a_dot_counts_every_character", "17.5", 9, 13},
        LengthCase{"pasted_letters_count_too", "12a", 11, 14}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST_F(PadToWidthField, CountsCharactersNotBytes)
{
    // A two-byte character is one character: four characters get nine blanks.
    start("1\u00e923");
    PadToWidth(field());
    EXPECT_EQ(field().text(), std::string(9, ' ') + "1\u00e923");
}

struct RepeatCase {
    const char* rule;
    const char* text;
    int lengthAfterFirst;
    int lengthAfterSecond;
    int lengthAfterThird;
};

class PadToWidthRepeated : public PadToWidthField, public testing::WithParamInterface<RepeatCase> {};

TEST_P(PadToWidthRepeated, IsNotIdempotent)
{
    const RepeatCase& c = GetParam();
    start(c.text);
    const std::string digits = c.text;
    for (int expected : {c.lengthAfterFirst, c.lengthAfterSecond, c.lengthAfterThird}) {
        PadToWidth(field());
        const std::string& text = field().text();
        ASSERT_EQ(static_cast<int>(text.size()), expected);
        EXPECT_EQ(text.substr(text.size() - digits.size()), digits);
        EXPECT_EQ(text.find_first_not_of(' '), text.size() - digits.size()) << "only blanks in front";
    }
}

INSTANTIATE_TEST_SUITE_P(NumericEntry, PadToWidthRepeated,
                         testing::Values(RepeatCase{"five_digits_grow_to_12_then_13", "17300", 12, 13, 13},
                                         RepeatCase{"seven_digits_grow_to_10_then_13", "1234567", 10, 13, 13},
                                         RepeatCase{"three_digits_grow_to_14_and_stay", "123", 14, 14, 14},
                                         RepeatCase{"nine_digits_never_change", "123456789", 9, 9, 9},
                                         RepeatCase{"four_digits_reach_13_at_once", "8650", 13, 13, 13}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST_F(PadToWidthField, SecondCallOnFiveDigitsRaisesOneMoreChange)
{
    start("15298");
    PadToWidth(field());
    EXPECT_EQ(changes(), 7);
    form.events.clear();
    PadToWidth(field());
    EXPECT_EQ(changes(), 1);
    form.events.clear();
    PadToWidth(field());
    EXPECT_EQ(changes(), 0);
}

TEST_F(PadToWidthField, EachChangeSeesOneMoreBlank)
{
    // The change events come one per write, so a handler would see the text grow blank by blank.
    struct Watching : RecordingForm {
        std::vector<std::string> texts;
        void raise(Control& sender, Event event) override
        {
            RecordingForm::raise(sender, event);
            texts.push_back(sender.text());
        }
    } watched;
    watched.control("EdExekCm").setText("17300");
    watched.texts.clear();
    PadToWidth(watched.control("EdExekCm"));
    ASSERT_EQ(watched.texts.size(), 7u);
    for (std::size_t i = 0; i < watched.texts.size(); ++i)
        EXPECT_EQ(watched.texts[i], std::string(i + 1, ' ') + "17300");
}

}  // namespace

}  // namespace platomer
