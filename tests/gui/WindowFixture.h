#pragma once
// The calculator window, shown and activated, bound to its model, with the desktop services
// recorded. A watchdog closes any modal box that might open and fails the test instead of
// letting it hang.

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

#include "tools/replay/PrintingPlatform.h"
#include "ui/MainWindow.h"

namespace platomer {

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = std::make_unique<MainWindow>(platform);
        form = &main->form();
        built = main->built();
        binding = &main->binding();
        watchdog.setInterval(50);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalSeen = true;
                modal->close();
            }
        });
        watchdog.start();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(built.window));
        QCoreApplication::processEvents();
    }

    void TearDown() override
    {
        watchdog.stop();
        EXPECT_FALSE(modalSeen) << "a modal box opened";
        main.reset();
    }

    template <class W = QWidget>
    W* widget(const char* name) const
    {
        W* w = qobject_cast<W*>(built.widgets.at(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void click(const char* name)
    {
        QWidget* w = widget(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    void clickTab(int page)
    {
        QTabBar* strip = built.tabs->tabBar();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(page).center());
    }
    QWidget* keyTarget() const
    {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused : built.window;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(keyTarget(), key, modifiers); }
    void typeText(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(keyTarget(), c.toLatin1());
    }
    // The control whose widget has the Qt focus; the tab strip is PcHlav.
    std::string qtFocus() const
    {
        Control* control = binding->mirror().controlOf(QApplication::focusWidget());
        return control ? control->name() : std::string("(none)");
    }

    std::ostringstream recorded;
    PrintingPlatform platform{recorded, ','};
    std::unique_ptr<MainWindow> main;
    TKalkulajda* form = nullptr;
    BuiltWindow built;  // the main window's widgets
    Binding* binding = nullptr;
    QTimer watchdog;
    bool modalSeen = false;
};

}  // namespace platomer
