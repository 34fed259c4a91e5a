// Platomer 2023: starts the toolkit, builds the calculator window and runs until it is closed.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "app/QtPlatform.h"
#include "app/RememberedYear.h"
#include "model/Years.h"
#include "ui/MainWindow.h"

namespace {

bool set(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// The toolkit aborts when it finds no display; say so in plain words instead.
bool displayAvailable() { return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM"); }

// The start-up benchmark (bench/startup.sh) measures the program up to its first results on the
// screen: with PLATOMER_QUIT_AFTER_FIRST_FRAME set it quits once the window, activated and so
// showing the results of its first activation, has painted. A paint of the window updates all its
// widgets that changed at once; the quit comes after it.
class QuitAfterFirstFrame : public QObject {
public:
    explicit QuitAfterFirstFrame(QWidget& window) : window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && window_.isActiveWindow() &&
            static_cast<QWidget*>(watched)->window() == &window_)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }

private:
    QWidget& window_;
};

// The year whose rules the window starts with: --rok YYYY or --rok=YYYY for this run alone, else
// the one last chosen in the window. An unknown year is answered in one line; nothing is returned
// then.
std::optional<int> startYear(int argc, char** argv)
{
    int rok = platomer::rememberedYear();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::optional<std::string_view> value;
        if (arg == "--rok")
            value = i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
        else if (arg.starts_with("--rok="))
            value = arg.substr(6);
        if (!value) continue;
        const platomer::YearRow* row = platomer::yearNamed(*value);
        if (row == nullptr) {
            std::cerr << "platomer: " << platomer::unknownYearMessage(*value) << '\n';
            return std::nullopt;
        }
        rok = row->rok;
    }
    return rok;
}

void centreOnScreen(QWidget& window)
{
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace platomer;
    const std::optional<int> rok = startYear(argc, argv);
    if (!rok) return 2;
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
    QApplication::setApplicationName(QString::fromStdString(applicationTitle(*rok)));
    // Lets the desktop match the window to its launcher and so to the launcher's icon and name
    // (the id is the metainfo's; packaging/install.cmake passes it in).
    QGuiApplication::setDesktopFileName(QStringLiteral(PLATOMER_DESKTOP_ID));

    QtPlatform platform;
    MainWindow main(platform);
    main.form().ZvolRok(*rok);
    platform.setOwner(main.window());
    centreOnScreen(*main.window());
    // From here the model decides: input becomes its actions, the widgets mirror it. The first
    // activation of the window runs the model's activation handler, once.
    main.show();
    std::unique_ptr<QuitAfterFirstFrame> quit;
    if (set("PLATOMER_QUIT_AFTER_FIRST_FRAME")) quit = std::make_unique<QuitAfterFirstFrame>(*main.window());
    const int status = app.exec();
    // For the test of the year the program starts with (tests/remembered-year.sh), which quits
    // after the first frame: the heading of the wage page as the window showed it.
    if (set("PLATOMER_TEST_PRINT_HEADING"))
        std::cout << qobject_cast<QLabel*>(main.built().widgets.at("LabelRok"))->text().toStdString() << '\n';
    return status;
}
