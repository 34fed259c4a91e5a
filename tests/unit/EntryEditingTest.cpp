// Editing the text of an entry: characters rather than bytes, the selection at either end, and
// the ordinary edits of the desktop's edit field on the model.
#include <gtest/gtest.h>

#include "model/EntryEditing.h"
#include "model/EntryText.h"
#include "tests/unit/RecordingForm.h"

namespace platomer {
namespace {

struct EditCase {
    const char* name;
    const char* text;
    int selStart, selLength;
    const char* expected;
    int caret;
};

class EraseBackward : public ::testing::TestWithParam<EditCase> {};
class EraseForward : public ::testing::TestWithParam<EditCase> {};

TEST_P(EraseBackward, RemovesTheSelectionOrTheCharacterBeforeTheCaret)
{
    const EditCase& c = GetParam();
    EditedText e = eraseBackward(c.text, c.selStart, c.selLength);
    EXPECT_EQ(e.text, c.expected);
    EXPECT_EQ(e.caret, c.caret);
}

TEST_P(EraseForward, RemovesTheSelectionOrTheCharacterAfterTheCaret)
{
    const EditCase& c = GetParam();
    EditedText e = eraseForward(c.text, c.selStart, c.selLength);
    EXPECT_EQ(e.text, c.expected);
    EXPECT_EQ(e.caret, c.caret);
}

std::string caseName(const ::testing::TestParamInfo<EditCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Entry, EraseBackward,
                         ::testing::Values(EditCase{"AtTheStartNothing", "123", 0, 0, "123", 0},
                                           EditCase{"AtTheEndTheLastCharacter", "123", 3, 0, "12", 2},
                                           EditCase{"MultiByteCharacterWhole", "čř", 2, 0, "č", 1},
                                           EditCase{"SelectionAtTheStart", "12345", 0, 2, "345", 0},
                                           EditCase{"SelectionAtTheEnd", "12345", 3, 2, "123", 3},
                                           EditCase{"SelectionBeyondTheTextClamped", "12", 1, 9, "1", 1},
                                           EditCase{"EmptyText", "", 0, 0, "", 0}),
                         caseName);

INSTANTIATE_TEST_SUITE_P(Entry, EraseForward,
                         ::testing::Values(EditCase{"AtTheEndNothing", "123", 3, 0, "123", 3},
                                           EditCase{"AtTheStartTheFirstCharacter", "123", 0, 0, "23", 0},
                                           EditCase{"MultiByteCharacterWhole", "Kč", 1, 0, "K", 1},
                                           EditCase{"SelectionAtTheStart", "12345", 0, 2, "345", 0},
                                           EditCase{"SelectionAtTheEnd", "12345", 3, 2, "123", 3},
                                           EditCase{"CaretBeyondTheTextClamped", "12", 7, 0, "12", 2}),
                         caseName);

TEST(EntryText, ReplacingASelectionPutsTheCaretAfterTheInsertedCharacters)
{
    EditedText e = replaceSelection("1€3", 1, 1, "ěš");
    EXPECT_EQ(e.text, "1ěš3");
    EXPECT_EQ(e.caret, 3);
    EXPECT_EQ(textLength("1ěš3"), 4);
}

TEST(EntryText, CharactersSurviveTheRoundTrip)
{
    const std::string text = "a\u00e9\u20ac\U0001F600z";
    EXPECT_EQ(toChars(text).size(), 5U);
    EXPECT_EQ(fromChars(toChars(text)), text);
}

TEST(EntryText, ByteOrderMarkNeverArrives)
{
    EXPECT_EQ(carriedIntoEntry("\xEF\xBB\xBF"
                               "12\xEF\xBB\xBF"
                               "3"),
              "123");
    EXPECT_FALSE(carriedIntoEntry(char32_t{0xFEFF}));
    EXPECT_TRUE(carriedIntoEntry(char32_t{'7'}));
}

struct WordCase {
    const char* name;
    const char* text;
    int index, start, length;
};
class WordUnderTheMouse : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordUnderTheMouse, IsTheRunOfBlanksOrOfOtherCharacters)
{
    const WordCase& c = GetParam();
    EXPECT_EQ(wordAt(c.text, c.index), std::make_pair(c.start, c.length));
}

INSTANTIATE_TEST_SUITE_P(Entry, WordUnderTheMouse,
                         ::testing::Values(WordCase{"DigitsAfterPadding", "     17370", 7, 5, 5},
                                           WordCase{"PaddingBeforeDigits", "     17370", 1, 0, 5},
                                           WordCase{"SecondWord", "12 345", 4, 3, 3},
                                           WordCase{"IndexBeyondTheEndIsTheLastWord", "12 345", 40, 3, 3},
                                           WordCase{"MultiByteWord", "čistá mzda", 2, 0, 5},
                                           WordCase{"EmptyText", "", 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// A plain entry of the window with no handler bound, edited as a user does it.
class EditedEntry : public ::testing::Test {
protected:
    FormModel& form() { return window; }
    foundation_test::RecordingForm window;
    Control& entry = window.control("EdPoniz");
    Platform& platform = window.platform();
};

TEST_F(EditedEntry, ShiftSelectionGrowsAndShrinksFromItsAnchor)
{
    form().userEdit(entry, "12345", 3);
    moveCaret(form(), entry, 1, true);
    EXPECT_EQ(entry.selStart, 1);
    EXPECT_EQ(entry.selLength, 2);
    EXPECT_TRUE(entry.caretAtStart);
    moveCaret(form(), entry, 5, true);
    EXPECT_EQ(entry.selStart, 3);
    EXPECT_EQ(entry.selLength, 2);
    EXPECT_FALSE(entry.caretAtStart);
    moveCaret(form(), entry, 0, false);
    EXPECT_EQ(entry.selLength, 0);
    EXPECT_EQ(entry.caret(), 0);
}

TEST_F(EditedEntry, UndoRestoresTheTextBeforeTheLastChangeOnlyOnce)
{
    form().userEdit(entry, "1", 1);
    form().userEdit(entry, "12", 2);
    undoEdit(form(), entry);
    EXPECT_EQ(entry.text(), "1");
    undoEdit(form(), entry);
    EXPECT_EQ(entry.text(), "1");
}

TEST_F(EditedEntry, ChangeByCodeLeavesNothingToUndo)
{
    form().userEdit(entry, "12", 2);
    entry.setText("0");
    EXPECT_FALSE(entry.undo.has_value());
    EXPECT_EQ(entry.selStart, 1) << "the caret stands after the text written by code";
    EXPECT_EQ(window.events, (std::vector<std::string>{"Change EdPoniz", "Change EdPoniz"}));
}

TEST_F(EditedEntry, MenuItemsActOnlyWhenTheyCan)
{
    form().userEdit(entry, "12", 2);
    std::vector<MenuItem> items = entryMenu(form(), entry);
    ASSERT_EQ(items.size(), 7U);
    EXPECT_TRUE(items[0].enabled);   // Zpět: the typing can be undone
    EXPECT_FALSE(items[1].enabled);  // Vyjmout: nothing selected
    EXPECT_FALSE(items[3].enabled);  // Vložit: the clipboard is empty
    EXPECT_TRUE(items[6].enabled);   // Vybrat vše
    selectAll(form(), entry);
    copySelection(form(), entry);
    items = entryMenu(form(), entry);
    EXPECT_TRUE(items[1].enabled);
    EXPECT_TRUE(items[3].enabled);
    EXPECT_FALSE(items[6].enabled) << "everything is selected already";
    EXPECT_EQ(platform.clipboardText(), "12");
}

}  // namespace
}  // namespace platomer
