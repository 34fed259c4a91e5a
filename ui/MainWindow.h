#pragma once
// The calculator window, assembled: the model, its widgets built from the control table (with the
// accessibility interfaces in place before the first of them), the binding that turns input into
// the model's actions and mirrors the model in the widgets, and what the window does with its
// figures (tooltips, panel menus, the window "Postup výpočtu", the window's own keys). The
// program, the replay tool and the GUI tests all run this one window; each brings its own
// desktop services.

#include <memory>

#include "model/Kalkulajda.h"
#include "ui/binding/Binding.h"
#include "ui/widgets/WidgetFactory.h"

class QWidget;

namespace platomer {
class Platform;

class MainWindow {
public:
    // The application must exist. The toolkit's dialogs speak Czech from here on.
    explicit MainWindow(Platform& platform);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window and asks the desktop to activate it. Its first activation is the model's:
    // at once if the window is active already, otherwise when the desktop activates it.
    void show();

    TKalkulajda& form() { return form_; }
    Binding& binding() { return binding_; }
    // The window and the widget of every control.
    const BuiltWindow& built() const { return built_; }
    QWidget* window() const { return built_.window; }
    // Whether the toolkit's Czech texts were found (package qt6-translations-l10n).
    bool czechDialogs() const { return czechDialogs_; }

private:
    bool czechDialogs_;  // first: in place before any widget is made
    TKalkulajda form_;
    BuiltWindow built_;
    std::unique_ptr<QWidget> window_;  // goes after the binding, which watches its events
    Binding binding_;
};

}  // namespace platomer
