// The amount field's key filter: typed characters other than digits, "." and a few control keys
// are refused. What a refused key does in the window (the beep, the unchanged text) and the click
// that empties the field are shown by the replay scripts.
#include <gtest/gtest.h>
#include <string>

#include "model/NumericEntry.h"

namespace platomer {

namespace {

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

}  // namespace

}  // namespace platomer
