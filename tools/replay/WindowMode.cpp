// The replay on the real window, offscreen (tools/replay/WindowSurface.h).
#include "tools/replay/WindowMode.h"

#include <QApplication>
#include <QTest>
#include <iostream>

#include "app/QtPlatform.h"
#include "tools/replay/Offscreen.h"
#include "tools/replay/ReplayScript.h"
#include "tools/replay/WindowSurface.h"
#include "ui/MainWindow.h"

namespace platomer {

namespace {

QtMessageHandler qtMessages = nullptr;

// The offscreen platform says that it cannot raise or grab for a popup menu; that is no fault of
// the script and would mix into the replay's output.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith("This plugin does not support")) return;
    if (qtMessages) qtMessages(type, context, message);
}

}  // namespace

char localeDecimalSeparator() { return systemDecimalSeparator(); }

int runWindow(int argc, char** argv, std::istream& script, char separator, const std::vector<std::string>& names,
              int rok)
{
    // Qt warns on stderr without a runtime directory, which would mix into the replay's output.
    useOffscreen("platomer-replay");
    qtMessages = qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromStdString(applicationTitle(rok)));
    WindowPlatform platform(std::cout, separator);
    MainWindow main(platform);
    main.form().ZvolRok(rok);
    // The one activation: the window becomes the active window and the binding runs the model's.
    main.show();
    if (!QTest::qWaitForWindowActive(main.window())) {
        std::cerr << "platomer-replay: the window did not become active\n";
        return 2;
    }
    QCoreApplication::processEvents();
    const std::unique_ptr<Surface> surface = windowSurface(main.form(), main.binding());
    ReplayScript(*surface, names, std::cout).run(script);
    return 0;
}

}  // namespace platomer
