// The menu "Pravidla roku" of the real window: a click on a page's heading or Ctrl+R opens it
// under the heading with the year in force marked, Ctrl+R is taken before any control (no
// character, no beep), and a choice recalculates the window by that year's rules.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

#include "tests/gui/WindowFixture.h"
#include "ui/widgets/MaskeditCis.h"

namespace platomer {

namespace {

class YearMenu : public WindowFixture {
protected:
    static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    // The years of the open menu, the one in force marked with a star.
    static QStringList items(QMenu* menu)
    {
        QStringList years;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) years << action->text() + (action->isChecked() ? "*" : "");
        return years;
    }
    void choose(QMenu* menu, const QString& year)
    {
        for (QAction* action : menu->actions())
            if (action->text() == year) {
                menu->close();
                action->trigger();
            }
        QCoreApplication::processEvents();
        // The offscreen desktop does not give the activation back when a popup closes.
        if (!built.window->isActiveWindow()) {
            built.window->activateWindow();
            static_cast<void>(QTest::qWaitForWindowActive(built.window));
        }
    }
};

TEST_F(YearMenu, HeadingClickOpensTheYearsWithTheOneInForceMarked)
{
    click("LabelRok");
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "yearMenu");
    EXPECT_EQ(menu->title(), QString::fromUtf8("Pravidla roku"));
    EXPECT_EQ(items(menu), QStringList({"2023*", "2024", "2025", "2026"}));
    // It opens under the heading.
    EXPECT_GE(menu->y(), widget("LabelRok")->mapToGlobal(QPoint(0, 0)).y());
    choose(menu, "2026");
    EXPECT_EQ(widget<QLabel>("LabelRok")->text(), "2026");
    EXPECT_EQ(widget<QLabel>("Label17")->text(), "od 1.1.2026");
    EXPECT_EQ(form->rok().rok, 2026);
    click("LabelRok");
    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(items(menu), QStringList({"2023", "2024", "2025", "2026*"}));
    menu->close();
    QCoreApplication::processEvents();
}

// State: a gross typed into its field. Action: Ctrl+R, then 2025. Expected: no character and no
// beep, the focus stays, the page computed by 2025's rules.
TEST_F(YearMenu, CtrlRIsTheWindowsOwnKey)
{
    click("EdHruba");
    typeText("30000");
    press(Qt::Key_R, Qt::ControlModifier);
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(widget<TMaskeditCis>("EdHruba")->text(), "30000");
    choose(menu, "2025");
    EXPECT_EQ(widget<QLabel>("LabelRok")->text(), "2025");
    EXPECT_EQ(form->parts().PSocialni.text(), "2130");
    EXPECT_TRUE(QTest::qWaitFor([this] { return qtFocus() == "EdHruba"; }, 2000)) << qtFocus();
    EXPECT_EQ(form->focused().name(), "EdHruba");
    EXPECT_EQ(recorded.str(), "");
}

TEST_F(YearMenu, TheStudentBoxSaysWhyItIsLocked)
{
    press(Qt::Key_R, Qt::ControlModifier);
    choose(openMenu(), "2024");
    QWidget* box = widget("CHckBNezdS");
    EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(box->toolTip().contains("2024")) << box->toolTip().toStdString();
    EXPECT_EQ(box->accessibleDescription(), box->toolTip());
    press(Qt::Key_R, Qt::ControlModifier);
    choose(openMenu(), "2023");
    EXPECT_TRUE(box->isEnabled());
    EXPECT_TRUE(box->toolTip().isEmpty());
}

TEST_F(YearMenu, TheSecondPagesHeadingOpensItToo)
{
    clickTab(1);
    click("Label17");
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_GE(menu->y(), widget("Label17")->mapToGlobal(QPoint(0, 0)).y());
    choose(menu, "2026");
    EXPECT_EQ(widget<QLabel>("Label17")->text(), "od 1.1.2026");
    EXPECT_EQ(form->parts().pNormBydlo.text(), "11730");
}

}  // namespace

}  // namespace platomer
