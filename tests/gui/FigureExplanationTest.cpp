// What the window tells about its figures beyond showing them, on the real window: the tooltips
// follow the calculation, the keys the window takes for itself never reach a control, the menu
// of a display panel moves no focus, and the computation window follows the inputs; none of it
// changes the model.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QToolTip>

#include "WindowFixture.h"
#include "explain/Explanation.h"
#include "ui/CzechTranslations.h"
#include "ui/figures/ComputationText.h"
#include "ui/figures/ComputationWindow.h"
#include "ui/figures/FigureTooltips.h"
#include "ui/widgets/DisplayPanel.h"

namespace platomer {

namespace {

// The texts and ticks of every control, to tell that an action left the model as it was.
std::string modelState(const TKalkulajda& form)
{
    std::string state;
    for (const Control& c : form.controls())
        state += c.name() + '=' + c.text() + (c.ticked() ? " T" : "") + (c.focused() ? " F" : "") + '\n';
    return state + "page " + std::to_string(form.activePage());
}

}  // namespace

class FigureExplanation : public WindowFixture {
protected:
    // A hover over the control: the widget is asked for its tooltip at the pointer.
    QString hover(const char* name)
    {
        QWidget* w = widget(name);
        QHelpEvent event(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &event);
        const QString tip = w->toolTip();
        QToolTip::hideText();
        return tip;
    }
    // A gross typed into its emptied field and left backwards to the tab strip, which
    // recalculates; leaving the net field instead would switch to net to gross.
    void gross(const char* amount)
    {
        click("EdHruba");
        typeText(amount);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    }
    bool mainWindowActive() const
    {
        return QTest::qWaitFor([this] { return built.window->isActiveWindow(); }, 2000);
    }
    ComputationWindow* computationWindow() const
    {
        return built.window->findChild<ComputationWindow*>("computationWindow");
    }
    static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    void rightClick(const char* name)
    {
        QWidget* w = widget(name);
        const QPoint at = w->rect().center();
        QTest::mouseClick(w, Qt::RightButton, {}, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
        QApplication::sendEvent(w, &request);
        QCoreApplication::processEvents();
    }
    void choose(QMenu* menu, const QString& item)
    {
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == item) chosen = action;
        ASSERT_NE(chosen, nullptr) << item.toStdString();
        menu->close();
        chosen->trigger();
        QCoreApplication::processEvents();
    }
};

TEST_F(FigureExplanation, EveryFigureOfBothPagesExplainsItselfWithTheNumbersShown)
{
    gross("45000");
    int figures = 0;
    for (const Control& control : form->controls()) {
        if (!explainsFigure(control)) continue;
        ++figures;
        const int page = form->pageOf(control);
        if (built.tabs->currentIndex() != page) clickTab(page);
        const QString tip = hover(control.name().c_str());
        EXPECT_EQ(tip, tooltipMarkup(tooltipText(*form, control.name()))) << control.name();
        // The hover shows the label on a line of its own, then the rule with the figure shown.
        const ExplanationLine line = explain(*form, control.name());
        const QStringList lines = shownTooltip(tip).split('\n');
        ASSERT_EQ(lines.size(), 2) << control.name();
        EXPECT_EQ(lines[0], QString::fromStdString(line.label));
        EXPECT_FALSE(lines[1].isEmpty()) << control.name();
    }
    // Fifteen results and thirteen of the year's figures on the wage page, eleven on the other.
    EXPECT_EQ(figures, 39);
    EXPECT_EQ(recorded.str(), "");
}

TEST_F(FigureExplanation, ATooltipFollowsTheLastCalculation)
{
    gross("45000");
    EXPECT_TRUE(shownTooltip(hover("PSocialni")).contains(QString::fromUtf8("= 2 925 Kč")));
    gross("30000");
    EXPECT_TRUE(shownTooltip(hover("PSocialni")).contains(QString::fromUtf8("= 1 950 Kč")));
    // A click into an amount field clears the results; the tooltip says so instead of a rule.
    click("EdHruba");
    EXPECT_TRUE(shownTooltip(hover("PSocialni")).contains(QString::fromUtf8("vymazány kliknutím")));
}

TEST_F(FigureExplanation, TheInsuranceBoxesKeepTheirHints)
{
    EXPECT_EQ(hover("ChckBSocAno"), QString::fromUtf8("Srážet sociální pojištění"));
    EXPECT_EQ(hover("ChckBZdrAno"), QString::fromUtf8("Srážet zdravotní pojištění"));
    EXPECT_TRUE(hover("LHruba").isEmpty());
}

// State: digits typed into the gross field. Action: the three keys the window takes. Expected:
// no beep, the field's text and the model as they were; each key did its work.
TEST_F(FigureExplanation, WindowKeysNeverReachTheAmountField)
{
    click("EdHruba");
    typeText("123");
    const std::string before = modelState(*form);
    watchdog.stop();  // the print dialog is closed here, not by the watchdog
    press(Qt::Key_F1);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_P, Qt::ControlModifier);
    QCoreApplication::processEvents();
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "Ctrl+P opened no print dialog";
    dialog->reject();
    QCoreApplication::processEvents();
    EXPECT_EQ(recorded.str(), "");
    EXPECT_EQ(widget<QLineEdit>("EdHruba")->text(), "123");
    EXPECT_EQ(modelState(*form), before);
    EXPECT_EQ(form->platform().clipboardText(), copyText(*form, 0));
    ASSERT_NE(computationWindow(), nullptr);
    EXPECT_TRUE(computationWindow()->isVisible());
    // A key with Alt is another key: it types as before.
    press(Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(recorded.str(), "beep\n");
}

TEST_F(FigureExplanation, TheComputationWindowFollowsTheInputsAndTakesNoFocus)
{
    gross("45000");
    const std::string focus = qtFocus();
    press(Qt::Key_F1);
    QCoreApplication::processEvents();
    ComputationWindow* shown = computationWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), QString::fromUtf8("Postup výpočtu"));
    EXPECT_TRUE(shown->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(mainWindowActive());
    EXPECT_EQ(qtFocus(), focus);
    EXPECT_EQ(shown->text().toStdString(), computationText(*form, 0));
    EXPECT_TRUE(shown->text().contains(QString::fromUtf8("= 2\u00A0925\u00A0Kč")));

    gross("30000");
    EXPECT_EQ(shown->text().toStdString(), computationText(*form, 0));
    EXPECT_TRUE(shown->text().contains(QString::fromUtf8("= 1\u00A0950\u00A0Kč")));
    clickTab(1);
    EXPECT_EQ(shown->text().toStdString(), computationText(*form, 1));

    // Its text is read only: keys typed into it change nothing.
    auto* view = shown->findChild<QPlainTextEdit*>("computationText");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isReadOnly());
    const std::string before = modelState(*form);
    QTest::keyClicks(view, "999");
    EXPECT_EQ(shown->text().toStdString(), computationText(*form, 1));
    EXPECT_EQ(modelState(*form), before);
}

// State: the gross field focused. Action: the right button on panels of both kinds. Expected:
// the panel's menu, the focus where it was, no event of the model.
TEST_F(FigureExplanation, APanelsMenuMovesNoFocusAndTellsTheModelNothing)
{
    gross("45000");
    click("EdHruba");
    typeText("45000");
    const std::string before = modelState(*form);
    for (const char* name : {"PSocialni", "EdNaklZam", "pNezdM"}) {
        rightClick(name);
        QMenu* menu = openMenu();
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->objectName(), "panelMenu");
        QStringList items;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) items << action->text();
        EXPECT_EQ(items,
                  QStringList({QString::fromUtf8("Kopírovat částku"), QString::fromUtf8("Kopírovat celý výpočet"),
                               QString::fromUtf8("Postup výpočtu\u2026"), QString::fromUtf8("Tisk\u2026"),
                               QString::fromUtf8("Uložit jako PDF\u2026")}))
            << name;
        choose(menu, QString::fromUtf8("Kopírovat částku"));
        EXPECT_EQ(QString::fromStdString(form->platform().clipboardText()),
                  widget<DisplayPanel>(name)->text().trimmed())
            << name;
        EXPECT_EQ(qtFocus(), "EdHruba") << name;
        EXPECT_EQ(modelState(*form), before) << name;
    }
    rightClick("PDanN");
    choose(openMenu(), QString::fromUtf8("Kopírovat celý výpočet"));
    EXPECT_EQ(form->platform().clipboardText(), copyText(*form, 0));
    EXPECT_EQ(modelState(*form), before);
    EXPECT_EQ(recorded.str(), "");
}

TEST_F(FigureExplanation, AnEntryKeepsItsOwnMenu)
{
    rightClick("EdHruba");
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "entryMenu");
    menu->close();
    QCoreApplication::processEvents();
}

TEST(CzechTranslations, TheToolkitsDialogsSpeakCzech)
{
    ASSERT_TRUE(installCzechTranslations(*QCoreApplication::instance()))
        << "qtbase_cs.qm is missing: install qt6-translations-l10n";
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QString::fromUtf8("Tisk"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), QString::fromUtf8("Uložit jako"));
}

}  // namespace platomer
