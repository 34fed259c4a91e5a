// What the window tells about its figures beyond showing them, on the real window: the tooltips
// follow the calculation, the keys the window takes for itself never reach a control, the menu
// of a display panel moves no focus, and the computation window follows the inputs and is
// reached, read and left from the keyboard; none of it changes the model.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolTip>

#include "WindowFixture.h"
#include "explain/ComputationText.h"
#include "explain/Explanation.h"
#include "ui/CzechTranslations.h"
#include "ui/figures/ComputationWindow.h"
#include "ui/figures/FigureActions.h"
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
        QString tip = w->toolTip();
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
    QPlainTextEdit* computationView() const
    {
        return computationWindow() ? computationWindow()->findChild<QPlainTextEdit*>("computationText") : nullptr;
    }
    // The keyboard has reached a widget: its window active and the focus in it.
    static bool focusIn(QWidget* widget)
    {
        return QTest::qWaitFor(
            [widget] { return QApplication::focusWidget() == widget && widget->window()->isActiveWindow(); }, 2000);
    }
    // F1 opens the window "Postup výpočtu", F6 goes into its text; null if the text has no focus.
    QPlainTextEdit* enterComputation()
    {
        press(Qt::Key_F1);
        press(Qt::Key_F6);
        QPlainTextEdit* text = computationView();
        return text && focusIn(text) ? text : nullptr;
    }
    // The modal dialog a key opens, which the test closes itself.
    template <class Dialog>
    Dialog* dialogOf(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        watchdog.stop();
        press(key, modifiers);
        QCoreApplication::processEvents();
        return qobject_cast<Dialog*>(QApplication::activeModalWidget());
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
        QWidget* had = menu->parentWidget() ? menu->parentWidget()->window() : nullptr;
        menu->close();
        chosen->trigger();
        QCoreApplication::processEvents();
        // The offscreen desktop does not give the activation back when a popup closes.
        if (had && had->isVisible() && !QApplication::activeWindow()) {
            had->activateWindow();
            static_cast<void>(QTest::qWaitForWindowActive(had));
        }
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

// State: digits typed into the gross field. Action: the four keys the window takes. Expected:
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
    auto* save = dialogOf<QFileDialog>(Qt::Key_S, Qt::ControlModifier);
    ASSERT_NE(save, nullptr) << "Ctrl+S opened no file dialog";
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    save->reject();
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
        QStringList keys;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) {
                items << action->text();
                keys << action->shortcut().toString();
            }
        EXPECT_EQ(items,
                  QStringList({QString::fromUtf8("Kopírovat částku"), QString::fromUtf8("Kopírovat celý výpočet"),
                               QString::fromUtf8("Postup výpočtu\u2026"), QString::fromUtf8("Tisk\u2026"),
                               QString::fromUtf8("Uložit jako PDF\u2026")}))
            << name;
        // Each item the keyboard reaches elsewhere shows its key; the figure alone is copied in
        // the window "Postup výpočtu".
        EXPECT_EQ(keys, QStringList({"", "Ctrl+Shift+C", "F1", "Ctrl+P", "Ctrl+S"})) << name;
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

// State: a net wage typed into its field, which leaving would switch to net to gross. Action:
// the keys between the calculator and the window "Postup výpočtu". Expected: the focus goes into
// its text and comes back to the net field as between two windows; the field is never left, so
// the model stays as it was and the gross is found only when the user leaves the field.
TEST_F(FigureExplanation, TheKeyboardGoesIntoTheComputationWindowAndBackAsBetweenTwoWindows)
{
    click("EdCista");
    typeText("30000");
    const std::string before = modelState(*form);
    QWidget* net = widget("EdCista");
    press(Qt::Key_F6);  // nothing to switch to yet
    EXPECT_EQ(computationWindow(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), net);
    press(Qt::Key_F1);  // opens it, the focus stays
    ComputationWindow* shown = computationWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(mainWindowActive());
    EXPECT_EQ(QApplication::focusWidget(), net);
    QPlainTextEdit* text = computationView();

    struct Step {
        Qt::Key key;
        QWidget* arrives;
        const char* what;
    };
    for (const Step& step : {Step{Qt::Key_F6, text, "F6 in"}, Step{Qt::Key_F6, net, "F6 back"},
                             Step{Qt::Key_F1, text, "F1 again"}, Step{Qt::Key_Escape, net, "Escape"}}) {
        press(step.key);
        EXPECT_TRUE(focusIn(step.arrives)) << step.what;
        EXPECT_EQ(modelState(*form), before) << step.what;
    }
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(recorded.str(), "");
    // The field goes on as it was, its caret after the digits; leaving it now finds the gross.
    typeText("0");
    EXPECT_EQ(widget<QLineEdit>("EdCista")->text().trimmed(), "300000");
    EXPECT_EQ(widget<QLineEdit>("EdHruba")->text().trimmed(), "");
    press(Qt::Key_Tab);
    EXPECT_FALSE(widget<QLineEdit>("EdHruba")->text().trimmed().isEmpty());
}

// Inside, the computation is read like any text: a caret that the arrows, the page keys and
// Ctrl+Home and Ctrl+End move, Shift selects with and Ctrl+C copies from; the window and its text
// carry the window's name for a screen reader.
TEST_F(FigureExplanation, TheComputationIsReadWithACaret)
{
    gross("45000");
    QPlainTextEdit* text = enterComputation();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(computationWindow()->accessibleName(), QString::fromUtf8("Postup výpočtu"));
    EXPECT_EQ(text->accessibleName(), QString::fromUtf8("Postup výpočtu"));
    const std::string before = modelState(*form);
    const QTextDocument* document = text->document();
    auto line = [text] { return text->textCursor().blockNumber(); };
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(text->textCursor().position(), document->characterCount() - 1);
    press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(text->textCursor().position(), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(line(), 1);
    press(Qt::Key_PageDown);
    EXPECT_GT(line(), 2);
    press(Qt::Key_PageUp);
    EXPECT_LT(line(), 2);
    press(Qt::Key_Home, Qt::ControlModifier);
    press(Qt::Key_End, Qt::ShiftModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), document->firstBlock().text());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QString::fromUtf8("Postup výpočtu \u2013 Výpočet mzdy")));
    // Typing changes nothing, here or in the model.
    typeText("9");
    press(Qt::Key_Delete);
    EXPECT_EQ(computationWindow()->text().toStdString(), computationText(*form, 0));
    EXPECT_EQ(modelState(*form), before);
    EXPECT_EQ(recorded.str(), "");
}

// State: the caret on a figure's line in the window "Postup výpočtu". Action: Shift+F10 and the
// Menu key, then each copy item. Expected: the figure alone, as the panel's own menu copies it,
// or the whole line; the title, which holds no figure, offers only its line.
TEST_F(FigureExplanation, TheComputationWindowsMenuCopiesTheFigureOrTheLineUnderTheCaret)
{
    gross("45000");
    QPlainTextEdit* text = enterComputation();
    ASSERT_NE(text, nullptr);
    const std::string before = modelState(*form);
    const ExplanationLine social = explain(*form, "PSocialni");
    const QTextBlock line = text->document()->find(QString::fromStdString(social.label + ": ")).block();
    ASSERT_TRUE(line.isValid());
    text->setTextCursor(QTextCursor(line));

    press(Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "computationMenu");
    EXPECT_EQ(menu->actions().value(0)->text(), QString::fromUtf8("Kopírovat částku"));
    EXPECT_EQ(menu->actions().value(1)->text(), QString::fromUtf8("Kopírovat řádek"));
    choose(menu, QString::fromUtf8("Kopírovat částku"));
    EXPECT_EQ(form->platform().clipboardText(), social.shown);
    EXPECT_EQ(QString::fromStdString(social.shown), widget<DisplayPanel>("PSocialni")->text().trimmed());

    ASSERT_TRUE(focusIn(text));
    press(Qt::Key_Menu);
    ASSERT_NE(openMenu(), nullptr);
    choose(openMenu(), QString::fromUtf8("Kopírovat řádek"));
    EXPECT_EQ(QString::fromStdString(form->platform().clipboardText()), line.text());
    EXPECT_TRUE(line.text().contains(QString::fromUtf8("= 2\u00A0925\u00A0Kč")));

    ASSERT_TRUE(focusIn(text));
    press(Qt::Key_Home, Qt::ControlModifier);
    press(Qt::Key_Menu);
    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions().value(0)->isEnabled());
    EXPECT_TRUE(menu->actions().value(1)->isEnabled());
    menu->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(modelState(*form), before);
    EXPECT_EQ(recorded.str(), "");
}

// Printing to a file and "Uložit jako PDF…" offer the same file, named after the year chosen,
// in the user's documents folder, or in the home folder when there is none.
TEST_F(FigureExplanation, TheReportFileIsNamedAfterTheYearInTheDocumentsFolder)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const struct Environment {
        QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
        ~Environment()
        {
            qputenv("HOME", home);
            if (config.isNull())
                qunsetenv("XDG_CONFIG_HOME");
            else
                qputenv("XDG_CONFIG_HOME", config);
        }
    } restored;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit());
    EXPECT_EQ(reportFile(*form), home.filePath(QString::fromUtf8("Výpočet mzdy 2023.pdf")));
    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    const QString documents = home.filePath("Documents");
    EXPECT_EQ(reportFile(*form), documents + QString::fromUtf8("/Výpočet mzdy 2023.pdf"));
    press(Qt::Key_R, Qt::ControlModifier);
    ASSERT_NE(openMenu(), nullptr);
    choose(openMenu(), "2025");
    const QString file = documents + QString::fromUtf8("/Výpočet mzdy 2025.pdf");
    EXPECT_EQ(reportFile(*form), file);

    auto* print = dialogOf<QPrintDialog>(Qt::Key_P, Qt::ControlModifier);
    ASSERT_NE(print, nullptr);
    auto* printFile = print->findChild<QLineEdit*>("filename");
    ASSERT_NE(printFile, nullptr);
    EXPECT_EQ(printFile->text(), file);
    print->reject();
    QCoreApplication::processEvents();
    auto* save = dialogOf<QFileDialog>(Qt::Key_S, Qt::ControlModifier);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->selectedFiles(), QStringList(file));
    save->reject();
    QCoreApplication::processEvents();
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
