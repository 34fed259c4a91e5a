#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "ui/CzechTranslations.h"
#include "ui/figures/FigureActions.h"
#include "ui/look/WindowIcon.h"

namespace platomer {

namespace {

// The print and file dialogs and the message boxes speak Czech like the window, whatever the
// system's language. The translations are the application's: installed once, however many
// windows it makes.
bool useCzechDialogs()
{
    static const bool installed = installCzechTranslations(*QCoreApplication::instance());
    return installed;
}

}  // namespace

MainWindow::MainWindow(Platform& platform)
    : czechDialogs_(useCzechDialogs()),
      form_(platform),
      built_(buildWindow(form_)),
      window_(built_.window),
      binding_(form_, built_)
{
    // The tooltips, the panels' menus, the window "Postup výpočtu" and the window's own keys; they
    // belong to the window.
    binding_.setFigures(new FigureActions(form_, binding_.mirror()));
}

MainWindow::~MainWindow() = default;

void MainWindow::show()
{
    built_.window->show();
    built_.window->activateWindow();
    binding_.start();
    // The desktop draws the icon at several sizes; the first frame does not wait for it.
    QTimer::singleShot(0, built_.window, [window = built_.window] { window->setWindowIcon(windowIcon()); });
}

}  // namespace platomer
