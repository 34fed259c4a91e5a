// The replay on the real window, offscreen (tools/replay/WindowSurface.h).
#include "tools/replay/WindowMode.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/QtPlatform.h"
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
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt warns on stderr without a runtime directory, which would mix into the replay's output.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string runtime = "/tmp/platomer-replay-" + std::to_string(getuid());
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
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
