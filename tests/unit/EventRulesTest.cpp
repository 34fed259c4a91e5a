// The rules by which changes raise events: ticks and texts set by code, the exit that comes
// before the clicked control's own event, the click dropped when an exit handler moves the
// focus, the tab change, the single activation, the frames' child order, the keyboard order of
// both pages and the text of the error box.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "RecordingForm.h"
#include "model/UserActions.h"

namespace platomer {

namespace {

using foundation_test::CollectingPlatform;
using foundation_test::RecordingForm;
using foundation_test::RecordingKalkulajda;
using Events = std::vector<std::string>;

long countOf(const Events& events, const std::string& event) { return std::count(events.begin(), events.end(), event); }

long positionOf(const Events& events, const std::string& event)
{
    auto it = std::find(events.begin(), events.end(), event);
    return it == events.end() ? -1 : it - events.begin();
}

// ---- Rules on the bare form: no handler runs, every event is only recorded. ----

class BareForm : public testing::Test {
protected:
    RecordingForm form;
};

struct TickCase {
    const char* rule;
    const char* box;
    bool disableFirst;
};

class TickSetByCode : public BareForm, public testing::WithParamInterface<TickCase> {};

TEST_P(TickSetByCode, RaisesClickOnceAndOnlyOnAChange)
{
    Control& box = form.control(GetParam().box);
    if (GetParam().disableFirst) box.setEnabled(false);
    const bool start = box.ticked();

    box.setTicked(start);
    EXPECT_TRUE(form.events.empty()) << "setting the state it already has raises nothing";

    box.setTicked(!start);
    box.setTicked(!start);
    EXPECT_EQ(form.events, Events{"Click " + std::string(GetParam().box)}) << "two sets to the same new state";

    box.setTicked(start);
    EXPECT_EQ(countOf(form.events, "Click " + std::string(GetParam().box)), 2);
}

INSTANTIATE_TEST_SUITE_P(CodeWrite, TickSetByCode,
                         testing::Values(TickCase{"unticked_visible_box", "CHckBNezdS", false},
                                         TickCase{"ticked_box", "CHckBNezdM", false},
                                         TickCase{"invisible_children_box", "CHckBNezdV", false},
                                         TickCase{"disabled_box", "ChckBxDeti4z", true},
                                         TickCase{"mode_box", "ChckBxHrzCis", false}),
                         [](const auto& info) { return std::string(info.param.rule); });

struct TextCase {
    const char* rule;
    const char* control;
    bool raisesChange;
};

class TextWrittenByCode : public BareForm, public testing::WithParamInterface<TextCase> {};

TEST_P(TextWrittenByCode, RaisesChangeOnlyForEntriesAndOnlyWhenDifferent)
{
    Control& c = form.control(GetParam().control);
    c.setText("17300");
    form.events.clear();

    c.setText("17300");
    EXPECT_TRUE(form.events.empty()) << "the same text raises nothing";

    c.setText("17301");
    Events expected;
    if (GetParam().raisesChange) expected.push_back("Change " + std::string(GetParam().control));
    EXPECT_EQ(form.events, expected);

    // The comparison is exact: one blank in front is a different text.
    c.setText(" 17301");
    EXPECT_EQ(static_cast<std::size_t>(countOf(form.events, "Change " + std::string(GetParam().control))),
              GetParam().raisesChange ? 2u : 0u);
}

INSTANTIATE_TEST_SUITE_P(EventRules2And3, TextWrittenByCode,
                         testing::Values(TextCase{"gross_amount_field", "EdHruba", true},
                                         TextCase{"garnishment_amount_field", "EdExekCm", true},
                                         TextCase{"plain_entry", "EdDeti", true},
                                         TextCase{"display_panel", "PDanN", false},
                                         TextCase{"panel_named_like_an_entry", "EdNaklZam", false},
                                         TextCase{"label", "LHruba", false}, TextCase{"parameter_panel", "pMr", false}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST_F(BareForm, PanelWrite_ZeroIntoThePanelRaisesNothingWhateverItHeld)
{
    for (const char* held : {"", "25", "0", "-1"}) {
        form.control("PDanN").setText(held);
        form.control("PDanN").setText("0");
    }
    EXPECT_TRUE(form.events.empty());
    EXPECT_EQ(form.control("PDanN").text(), "0");
}

TEST_F(BareForm, ExitComesFirst_FocusGivenByCodeRaisesTheExitOfTheControlLosingIt)
{
    form.control("EdHruba").setFocus();
    form.control("EdCista").setFocus();
    form.control("EdCista").setFocus();
    EXPECT_EQ(form.events, (Events{"Exit PcHlav", "Exit EdHruba"}));
    EXPECT_EQ(form.focused().name(), "EdCista");
}

TEST_F(BareForm, EnableAndDisable_EnablingAndDisablingRaiseNothing)
{
    for (const char* name : {"CHckBNezdM", "ChckBxDeti1", "CHckBNezdV"}) {
        form.control(name).setEnabled(false);
        form.control(name).setEnabled(true);
    }
    EXPECT_TRUE(form.events.empty());
}

// ---- Frames walked by child index. ----

std::vector<std::string> childNames(RecordingForm& form, const char* frame)
{
    std::vector<std::string> names;
    Control& f = form.control(frame);
    names.reserve(static_cast<std::size_t>(f.childCount()));
    for (int i = 0; i < f.childCount(); ++i)
        names.push_back(f.child(i).name());
    return names;
}

TEST_F(BareForm, FrameOrder_ChildrenBoxesStandInCreationOrder)
{
    EXPECT_EQ(childNames(form, "GroupBxDeti"),
              (std::vector<std::string>{"ChckBxDeti1", "ChckBxDeti2", "ChckBxDeti3", "ChckBxDeti4", "ChckBxDeti3z",
                                        "ChckBxDeti1z", "ChckBxDeti2z", "ChckBxDeti4z"}));
    EXPECT_EQ(form.control("GroupBxDeti").child(4).name(), "ChckBxDeti3z");
    EXPECT_EQ(form.control("GroupBxDeti").child(5).name(), "ChckBxDeti1z");
}

TEST_F(BareForm, FrameOrder_CreditBoxesEndWithTheInvisibleChildrenBox)
{
    EXPECT_EQ(childNames(form, "GBNezdanC"), (std::vector<std::string>{"CHckBNezdM", "CHckBNezdS", "CHckBNezdI",
                                                                       "CHckBNezdP", "CHckBNezdZTP", "CHckBNezdV"}));
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(form.control("GBNezdanC").child(i).isTickBox());
}

TEST_F(BareForm, FrameOrder_LabelsComeBeforeTheOtherChildren)
{
    EXPECT_EQ(childNames(form, "GBoxOdvodyZ"),
              (std::vector<std::string>{"LzdravFir", "LsocFir", "LpojClkFir", "ZPF", "SPF", "PojSum"}));
    EXPECT_FALSE(form.control("GBoxOdvodyZ").child(0).isTickBox());
}

// ---- Keyboard order of both pages, on the bare form so that no exit handler interferes. ----

std::vector<std::string> walk(RecordingForm& form, bool forward)
{
    std::vector<std::string> visited;
    for (int i = 0; i < 40; ++i) {
        form.focusNext(forward);
        visited.push_back(form.focused().name());
        if (visited.back() == "PcHlav") break;
    }
    return visited;
}

const std::vector<std::string> wageTabOrder{
    "EdHruba",      "EdCista",      "ChckBSocAno", "ChckBZdrAno", "pHrubazCiste", "ChckBxHrzCis",
    "CHckBNezdM",   "CHckBNezdS",   "CHckBNezdI",  "CHckBNezdP",  "CHckBNezdZTP", "PanelFirmy",
    "ChckBxDeti1",  "ChckBxDeti2",  "ChckBxDeti3", "ChckBxDeti4", "ChckBxDeti1z", "ChckBxDeti2z",
    "ChckBxDeti3z", "ChckBxDeti4z", "CHckBPodpis", "CheckBxDpp",  "PcHlav"};

const std::vector<std::string> garnishmentTabOrder{"EdExekCm",  "EdDeti", "EdPoniz", "PanelPodepsal",
                                                   "pKVyplate", "Panel1", "PcHlav"};

std::vector<std::string> backwards(std::vector<std::string> order)
{
    // Shift+Tab from the tab strip visits the same stops in reverse and wraps to the strip.
    order.pop_back();
    std::reverse(order.begin(), order.end());
    order.push_back("PcHlav");
    return order;
}

TEST_F(BareForm, KeyboardOrder_WageTabForwardWrapsToTheTabStrip)
{
    EXPECT_EQ(form.focused().name(), "PcHlav");
    EXPECT_EQ(walk(form, true), wageTabOrder);
}

TEST_F(BareForm, KeyboardOrder_WageTabBackward) { EXPECT_EQ(walk(form, false), backwards(wageTabOrder)); }

TEST_F(BareForm, KeyboardOrder_GarnishmentTabForwardStopsOnTheContainers)
{
    ASSERT_TRUE(form.switchPage(1));
    EXPECT_EQ(walk(form, true), garnishmentTabOrder);
}

TEST_F(BareForm, KeyboardOrder_GarnishmentTabBackward)
{
    ASSERT_TRUE(form.switchPage(1));
    EXPECT_EQ(walk(form, false), backwards(garnishmentTabOrder));
}

TEST_F(BareForm, KeyboardOrder_DisabledBoxesAreSkipped)
{
    for (const char* name : {"CHckBNezdS", "CHckBNezdI", "ChckBxDeti2z"})
        form.control(name).setEnabled(false);
    std::vector<std::string> expected;
    for (const std::string& n : wageTabOrder)
        if (n != "CHckBNezdS" && n != "CHckBNezdI" && n != "ChckBxDeti2z") expected.push_back(n);
    EXPECT_EQ(walk(form, true), expected);
}

TEST_F(BareForm, KeyboardOrder_TabRaisesTheExitOfEachStopInTurn)
{
    form.focusNext(true);
    form.focusNext(true);
    form.focusNext(true);
    EXPECT_EQ(form.events, (Events{"Exit PcHlav", "Exit EdHruba", "Exit EdCista"}));
}

// ---- Rules on the real window, with its handlers. ----

class Window : public foundation_test::ActivatedWindow {};

TEST_F(Window, CodeWrite_InvisibleBoxSetByCodeRunsItsHandler)
{
    // With no child ticked, the handler of the hidden children box unticks it again at once.
    c("CHckBNezdV").setTicked(true);
    ASSERT_FALSE(form.events.empty());
    EXPECT_EQ(form.events.front(), "Click CHckBNezdV");
    EXPECT_EQ(countOf(form.events, "Click CHckBNezdV"), 2);
    EXPECT_FALSE(c("CHckBNezdV").ticked());
}

TEST_F(Window, UserEdit_TypingIntoAnEntryRaisesChange)
{
    user.clickPage(1);
    c("EdDeti").setFocus();
    form.events.clear();
    user.type('2');
    EXPECT_EQ(form.events.front(), "Change EdDeti");
    EXPECT_EQ(c("EdDeti").text(), "2") << "focus from code selects the whole text, typing replaces it";
}

TEST_F(Window, ExitComesFirst_ExitOfTheGrossFieldComesBeforeTheClickedBox)
{
    c("EdHruba").setFocus();
    form.events.clear();
    user.click(c("ChckBxDeti2"));
    long exitAt = positionOf(form.events, "Exit EdHruba");
    long clickAt = positionOf(form.events, "Click ChckBxDeti2");
    ASSERT_GE(exitAt, 0);
    ASSERT_GE(clickAt, 0);
    EXPECT_EQ(exitAt, 0);
    EXPECT_LT(exitAt, clickAt);
    EXPECT_TRUE(c("ChckBxDeti2").ticked());
    EXPECT_EQ(form.focused().name(), "ChckBxDeti2");
}

struct InertCase {
    const char* rule;
    const char* control;
};

class MousePressThatTakesNoFocus : public Window, public testing::WithParamInterface<InertCase> {};

TEST_P(MousePressThatTakesNoFocus, RaisesNoExit)
{
    c("EdHruba").setFocus();
    form.events.clear();
    const std::string before = c("EdHruba").text();
    user.click(c(GetParam().control));
    for (const std::string& e : form.events)
        EXPECT_NE(e.rfind("Exit ", 0), 0u) << e;
    EXPECT_EQ(form.focused().name(), "EdHruba");
    EXPECT_EQ(c("EdHruba").text(), before) << "no recalculation padded the gross";
}

INSTANTIATE_TEST_SUITE_P(ExitComesFirst, MousePressThatTakesNoFocus,
                         testing::Values(InertCase{"display_panel", "PDanN"}, InertCase{"label", "LHruba"},
                                         InertCase{"group_box", "GroupBoxVypocet"},
                                         InertCase{"container_panel", "PanleHorni"},
                                         InertCase{"footer_name_label", "CopFirma"}),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST_F(Window, ExitComesFirst_PageChangeRunsTheFieldExitThenTheTabChange)
{
    user.clickPage(1);
    c("EdExekCm").setFocus();
    form.events.clear();
    // The padded twelve-character net gets one more blank on exit; the tab change then copies
    // the twelve-character net back.
    user.clickPage(0);
    EXPECT_EQ(form.events, (Events{"Exit EdExekCm", "Change EdExekCm", "Change PcHlav", "Change EdExekCm"}));
    EXPECT_EQ(c("EdExekCm").text(), c("EdCista").text());
}

TEST_F(Window, AbandonedFocusMove_ExitHandlerTakingTheFocusDropsTheClick)
{
    // The net field was reached by the keyboard, so the mode box is still unticked.
    c("EdCista").setFocus();
    ASSERT_FALSE(c("ChckBxHrzCis").ticked());
    form.events.clear();
    user.click(c("ChckBxDeti2"));
    EXPECT_EQ(form.events.front(), "Exit EdCista");
    EXPECT_EQ(countOf(form.events, "Click ChckBxDeti2"), 0);
    EXPECT_FALSE(c("ChckBxDeti2").ticked()) << "the dropped click does not flip the box";
    EXPECT_TRUE(c("ChckBxHrzCis").ticked());
    EXPECT_EQ(form.focused().name(), "EdCista");
}

TEST_F(Window, AbandonedFocusMove_BoxBeingPressedGetsNoClickFromTheExitHandler)
{
    c("EdCista").setFocus();
    form.events.clear();
    user.click(c("ChckBxHrzCis"));
    // Only the click of the press itself reaches the handler, which finds the box unticked.
    EXPECT_EQ(countOf(form.events, "Click ChckBxHrzCis"), 1);
    EXPECT_FALSE(c("ChckBxHrzCis").ticked());
    EXPECT_EQ(form.focused().name(), "EdHruba");
    EXPECT_EQ(c("EdHruba").colour(), Colour::Yellow);
    EXPECT_EQ(c("EdCista").colour(), Colour::InfoBk);
}

TEST_F(Window, AbandonedFocusMove_TabFromTheNetFieldStaysWhenItsExitTakesTheFocus)
{
    c("EdCista").setFocus();
    user.press(Key::Tab);
    EXPECT_EQ(form.focused().name(), "EdCista");
    user.press(Key::Tab);
    EXPECT_EQ(form.focused().name(), "ChckBSocAno");
}

TEST_F(Window, TabChange_TabChangeOnlyWhenTheOtherPageIsChosen)
{
    user.clickPage(0);
    EXPECT_EQ(countOf(form.events, "Change PcHlav"), 0);
    user.clickPage(1);
    EXPECT_EQ(countOf(form.events, "Change PcHlav"), 1);
    user.press(Key::CtrlTab);
    EXPECT_EQ(countOf(form.events, "Change PcHlav"), 2);
    EXPECT_EQ(form.activePage(), 0);
    user.press(Key::CtrlShiftTab);
    EXPECT_EQ(countOf(form.events, "Change PcHlav"), 3);
    EXPECT_EQ(form.activePage(), 1);
}

TEST_F(Window, Activation_ActivationRunsOnce)
{
    user.click(c("CHckBNezdM"));
    ASSERT_FALSE(c("CHckBNezdM").ticked());
    form.events.clear();
    user.activate();
    EXPECT_TRUE(form.events.empty());
    EXPECT_FALSE(c("CHckBNezdM").ticked()) << "the declaration handler is not run again";
}

TEST_F(Window, EnterMovesOnLikeTabAndNeverReachesTheField)
{
    c("EdHruba").setFocus();
    const std::string before = c("EdHruba").text();
    form.events.clear();
    user.press(Key::Enter);
    EXPECT_EQ(form.events.front(), "Exit EdHruba");
    EXPECT_EQ(form.focused().name(), "EdCista");
    EXPECT_EQ(platform.beeps, 0) << "the filter of the field never saw the carriage return";
    EXPECT_EQ(c("EdHruba").text(), " " + before) << "only the blank of the recalculation's padding";
}

TEST(Activation, ParameterPanelsAreEmptyUntilTheFirstActivation)
{
    CollectingPlatform platform;
    RecordingKalkulajda form(platform);
    for (const char* panel : {"pZivMinJ", "pNormBydlo", "pNezdM", "pNezdS", "pNezdI", "pNezdP", "pNezdztp", "pDite1",
                              "pDite2", "pDite3", "pDite1ztp", "pDite2ztp", "pDite3ztp", "p2SazDanod", "pMr"})
        EXPECT_EQ(form.control(panel).text(), "") << panel;
    EXPECT_EQ(form.year().SlevaPopl, 0);
    EXPECT_EQ(form.control("pMzdaSoub").text(), "0");
    UserActions(form).activate();
    EXPECT_EQ(form.control("pNezdM").text(), "30840");
    EXPECT_EQ(form.control("pMr").text(), "4000");
}

TEST_F(Window, SecondParameterRunChangesNothingAndRaisesNothing)
{
    form.NastavParametry();
    EXPECT_TRUE(form.events.empty());
    EXPECT_EQ(form.year().NezabOsoba, 3409.5);
    EXPECT_EQ(form.year().HraniceSrazek, 30685.5);
    EXPECT_EQ(form.year().ZakladNezab, 20457);
}

// ---- The error box. ----

struct ErrorBoxCase {
    const char* rule;
    const char* message;
    const char* shown;
};

class ErrorBoxText : public testing::TestWithParam<ErrorBoxCase> {};

TEST_P(ErrorBoxText, AddsAFullStopOnlyAfterACharacterSortingAfterIt)
{
    EXPECT_EQ(UserActions::errorText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    ErrorBox, ErrorBoxText,
    testing::Values(ErrorBoxCase{"letter_gets_a_full_stop", "'12a' is not a valid integer value",
                                 "'12a' is not a valid integer value."},
                    ErrorBoxCase{"digit_gets_a_full_stop", "limit 7", "limit 7."},
                    ErrorBoxCase{"slash_sorts_after_the_stop", "a/", "a/."},
                    ErrorBoxCase{"quote_sorts_before_the_stop", "'abc'", "'abc'"},
                    ErrorBoxCase{"full_stop_itself_is_not_doubled", "Jo, je to vyjímka ....", "Jo, je to vyjímka ...."},
                    ErrorBoxCase{"minus_sorts_before_the_stop", "x-", "x-"},
                    ErrorBoxCase{"comma_sorts_before_the_stop", "x,", "x,"},
                    ErrorBoxCase{"exclamation_mark_sorts_before_the_stop", "Pozor!", "Pozor!"},
                    ErrorBoxCase{"blank_sorts_before_the_stop", "x ", "x "},
                    ErrorBoxCase{"accented_letter_sorts_after_the_stop", "chyba \u0159", "chyba \u0159."},
                    ErrorBoxCase{"empty_message_stays_empty", "", ""}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST_F(Window, ErrorEscapingAHandlerIsShownWithTheApplicationTitle)
{
    // An unreadable garnishment net is swallowed by its own change handler, but a change of the
    // persons' count runs the calculation directly and lets the error escape.
    user.clickPage(1);
    c("EdExekCm").setText("12a");
    ASSERT_TRUE(platform.messages.empty());
    c("EdDeti").setFocus();
    user.type('1');
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].first, "Platomer 2023");
    EXPECT_EQ(platform.messages[0].second, "'12a' is not a valid integer value.");
    EXPECT_TRUE(platform.errors[0]);
    EXPECT_EQ(c("EdDeti").text(), "1") << "nothing is rolled back";
}

}  // namespace

}  // namespace platomer
