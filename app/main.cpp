// Platomer 2023: starts the toolkit, builds the calculator window and runs until it is closed.
#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cstdlib>
#include <iostream>

#include "app/QtPlatform.h"
#include "ui/Binding.h"
#include "ui/CzechTranslations.h"
#include "ui/WidgetFactory.h"
#include "ui/WindowIcon.h"

namespace {

bool set(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// The toolkit aborts when it finds no display; say so in plain words instead.
bool displayAvailable() { return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM"); }

void centreOnScreen(QWidget& window)
{
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace platomer;
    if (!displayAvailable()) {
        // The command names this very program, however it was started; xvfb-run's -a picks a free
        // display number, so it works beside another virtual server too.
        const char* self = argc > 0 && argv[0] && *argv[0] ? argv[0] : "platomer";
        std::cerr << "platomer: není k dispozici žádný displej (DISPLAY ani WAYLAND_DISPLAY nejsou nastaveny); "
                     "spusťte program v grafickém prostředí, nebo bez něj příkazem: xvfb-run -a "
                  << self << " (xvfb-run je v balíčku xvfb)\n";
        return 1;
    }
    QApplication app(argc, argv);
    // Only the name: a display name would be appended to the window's caption.
    QApplication::setApplicationName(QString::fromStdString(applicationTitle(defaultYear().rok)));
    // Lets the desktop match the window to its launcher and so to the launcher's icon and name
    // (the id is the metainfo's; packaging/install.cmake passes it in).
    QGuiApplication::setDesktopFileName(QStringLiteral(PLATOMER_DESKTOP_ID));
    // The print and file dialogs speak Czech like the window, whatever the system's language.
    installCzechTranslations(app);

    QtPlatform platform;
    TKalkulajda form(platform);
    BuiltWindow built = buildWindow(form);
    platform.setOwner(built.window);
    built.window->setWindowIcon(windowIcon());
    // From here the model decides: input becomes its actions, the widgets mirror it.
    Binding binding(form, built);

    centreOnScreen(*built.window);
    built.window->show();
    built.window->activateWindow();
    // The first activation of the window runs the model's activation handler, once.
    binding.start();
    return app.exec();
}
