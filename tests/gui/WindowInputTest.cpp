// Real mouse and key events on the window: the model decides focus, exit, click and tick, and
// the widgets follow it; Qt's own reactions never reach the model.
#include <QCheckBox>
#include <QLineEdit>
#include <QWheelEvent>

#include "WindowFixture.h"
#include "model/Publisher.h"
#include "ui/widgets/DisplayPanel.h"

namespace platomer {

using WindowInput = WindowFixture;

TEST_F(WindowInput, FirstActivationRanOnceAndFocusIsOnTheTabStrip)
{
    // The activation handler filled the parameter panels and the first calculation.
    EXPECT_FALSE(widget<DisplayPanel>("pNezdM")->text().isEmpty());
    EXPECT_EQ(widget<QLineEdit>("EdCista")->text(), widget<QLineEdit>("EdExekCm")->text());
    EXPECT_EQ(qtFocus(), "PcHlav");
    EXPECT_EQ(QApplication::focusWidget(), built.tabs->tabBar());
}

TEST_F(WindowInput, ClickIntoAnAmountFieldTakesTheFocusAndEmptiesIt)
{
    click("EdHruba");
    EXPECT_EQ(qtFocus(), "EdHruba");
    EXPECT_EQ(form->focused().name(), "EdHruba");
    EXPECT_EQ(widget<QLineEdit>("EdHruba")->text(), "");
}

// State: gross field focused with 30000 typed. Action: click a child box. Expected: the gross
// field's exit recalculates and pads first, then the box's click recalculates and pads again.
TEST_F(WindowInput, ClickOnABoxRunsTheExitOfTheFocusedFieldFirst)
{
    click("EdHruba");
    typeText("30000");
    click("ChckBxDeti2");
    EXPECT_EQ(qtFocus(), "ChckBxDeti2");
    EXPECT_TRUE(widget<QCheckBox>("ChckBxDeti2")->isChecked());
    EXPECT_EQ(widget<QLineEdit>("EdHruba")->text(), "        30000");
    EXPECT_EQ(widget<DisplayPanel>("PSocialni")->text(), "1950");
}

TEST_F(WindowInput, PressesOnPanelsFramesAndLabelsMoveNothing)
{
    click("EdHruba");
    for (const char* name : {"PSocialni", "GroupBxDeti", "LHruba", "TabVypocet", "PanelFirmy", "LabelMail"}) {
        click(name);
        EXPECT_EQ(qtFocus(), "EdHruba") << name;
    }
    EXPECT_EQ(recorded.str(), "");
}

// State: the net field reached by Tab, mode box unticked. Action: click a child box. Expected: the
// net field's exit ticks the mode box, whose handler puts the focus back; the click is dropped.
TEST_F(WindowInput, TickBoxDoesNotFlipWhenTheModelDropsTheClick)
{
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(qtFocus(), "EdCista");
    click("ChckBxDeti2");
    EXPECT_FALSE(widget<QCheckBox>("ChckBxDeti2")->isChecked());
    EXPECT_FALSE(form->parts().ChckBxDeti[1].plain.ticked());
    EXPECT_TRUE(widget<QCheckBox>("ChckBxHrzCis")->isChecked());
    EXPECT_EQ(qtFocus(), "EdCista");
}

TEST_F(WindowInput, FailedStrictParseShowsTheErrorBox)
{
    clickTab(1);
    click("EdExekCm");
    click("EdDeti");
    typeText("1");
    EXPECT_EQ(recorded.str(), "message\tPlatomer 2023\t'             ' is not a valid integer value.\n");
    EXPECT_EQ(widget<QLineEdit>("EdDeti")->text(), "01");
    EXPECT_EQ(qtFocus(), "EdDeti");
}

TEST_F(WindowInput, EnterMovesOnLikeTabAndNeverReachesTheField)
{
    // From the last stop of the page Enter wraps to the tab strip.
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(qtFocus(), "CheckBxDpp");
    press(Qt::Key_Return);
    EXPECT_EQ(qtFocus(), "PcHlav");
    press(Qt::Key_Enter);
    EXPECT_EQ(qtFocus(), "EdHruba");
    press(Qt::Key_Return);
    EXPECT_EQ(qtFocus(), "EdCista");
    EXPECT_FALSE(widget<QLineEdit>("EdHruba")->text().contains('\r'));
    EXPECT_EQ(recorded.str(), "");
}

TEST_F(WindowInput, KeyboardFocusSelectsTheWholeAmount)
{
    press(Qt::Key_Tab);
    QLineEdit* gross = widget<QLineEdit>("EdHruba");
    EXPECT_EQ(gross->selectedText(), gross->text());
    EXPECT_FALSE(gross->text().isEmpty());
}

TEST_F(WindowInput, AmountFieldBeepsAtLettersAndKeepsItsText)
{
    press(Qt::Key_Tab);
    const QString before = widget<QLineEdit>("EdHruba")->text();
    typeText("a");
    EXPECT_EQ(recorded.str(), "beep\n");
    EXPECT_EQ(widget<QLineEdit>("EdHruba")->text(), before);
}

TEST_F(WindowInput, CheckBoxToggledByQtItselfNeverReachesTheModel)
{
    widget<QCheckBox>("ChckBxDeti1")->click();
    EXPECT_FALSE(form->parts().ChckBxDeti[0].plain.ticked());
    EXPECT_FALSE(form->parts().CHckBNezdV.ticked());
    // The next action mirrors the model again.
    press(Qt::Key_Tab);
    EXPECT_FALSE(widget<QCheckBox>("ChckBxDeti1")->isChecked());
}

TEST_F(WindowInput, TabStripKeysAndWheelDoNotChangeThePage)
{
    QTabBar* strip = built.tabs->tabBar();
    press(Qt::Key_Right);
    EXPECT_EQ(built.tabs->currentIndex(), 0);
    QWheelEvent wheel(QPointF(strip->tabRect(0).center()), QPointF(strip->mapToGlobal(strip->tabRect(0).center())),
                      QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(strip, &wheel);
    EXPECT_EQ(built.tabs->currentIndex(), 0);
    EXPECT_EQ(form->activePage(), 0);
}

// State: garnishment net field focused with a new amount. Action: click the first tab. Expected:
// the strip takes the focus, the first page shows and the net wage is handed over again.
TEST_F(WindowInput, TabClickLeavesTheFieldAndHandsTheNetOver)
{
    clickTab(1);
    press(Qt::Key_Tab);
    ASSERT_EQ(qtFocus(), "EdExekCm");
    typeText("20000");
    clickTab(0);
    EXPECT_EQ(built.tabs->currentIndex(), 0);
    EXPECT_EQ(qtFocus(), "PcHlav");
    EXPECT_EQ(widget<QLineEdit>("EdExekCm")->text(), widget<QLineEdit>("EdCista")->text());
}

// Another window taking the activation and giving it back runs neither the exit of the focused
// field (which would recalculate and pad it) nor the activation handler again.
TEST_F(WindowInput, LeavingTheWindowAndComingBackChangesNothing)
{
    click("EdHruba");
    typeText("123");
    click("ChckBSocAno");
    click("EdHruba");
    typeText("123");
    const bool social = widget<QCheckBox>("ChckBSocAno")->isChecked();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    built.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(built.window));
    QCoreApplication::processEvents();
    EXPECT_EQ(widget<QLineEdit>("EdHruba")->text(), "123");
    EXPECT_EQ(widget<QCheckBox>("ChckBSocAno")->isChecked(), social);
    EXPECT_EQ(qtFocus(), "EdHruba");
    EXPECT_EQ(form->focused().name(), "EdHruba");
}

TEST_F(WindowInput, LinkLabelsOpenTheirAddresses)
{
    click("lWeb");
    click("Lbrovina");
    EXPECT_EQ(recorded.str(), std::string("open\t") + Publisher::Web + "\nopen\t" + Publisher::SecondWeb + "\n");
    EXPECT_EQ(qtFocus(), "PcHlav");
}

}  // namespace platomer
