// The yardstick of the start-up benchmark: the toolkit with one label in a window, which quits as
// soon as the window has been painted once, as the program does under the benchmark.
#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

class QuitOnPaint : public QObject {
protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Platomer 2023"));
    QuitOnPaint quit;
    label.installEventFilter(&quit);
    label.show();
    return app.exec();
}
