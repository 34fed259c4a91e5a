// The year chosen in the real window, through the program's own desktop services, is the year its
// next start reads.
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/QtPlatform.h"
#include "app/RememberedYear.h"
#include "ui/MainWindow.h"

namespace platomer {

TEST(RememberedYear, TheYearChosenInTheWindowIsTheOneTheNextStartReads)
{
    QTemporaryDir config;  // the user's own configuration stays untouched
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QtPlatform platform;
    MainWindow main(platform);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.window()));
    QTest::keyClick(main.window(), Qt::Key_R, Qt::ControlModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->close();
    for (QAction* action : menu->actions())
        if (action->text() == "2025") action->trigger();
    EXPECT_EQ(rememberedYear(), 2025);
}

}  // namespace platomer
