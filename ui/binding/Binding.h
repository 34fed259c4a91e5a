#pragma once
// Binds the model of the window to its Qt widgets. Input flows one way: mouse and keys become
// user actions of the model (InputFilter), and the widgets mirror what the model then holds
// (ModelMirror). The model alone decides focus, exits, clicks and ticks.

#include <memory>

#include "model/UserActions.h"
#include "ui/binding/InputFilter.h"
#include "ui/binding/ModelMirror.h"
#include "ui/widgets/WidgetFactory.h"

namespace platomer {

class Binding {
public:
    Binding(TKalkulajda& form, UserActions& user, const BuiltWindow& window);
    // The same with user actions of its own.
    Binding(TKalkulajda& form, const BuiltWindow& window);
    ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    // After the window is shown: if it is already the active window, that is its first
    // activation; otherwise the first WindowActivate is.
    void start();

    // The window's figure features (ui/figures/FigureActions.h), which take their keys and menus
    // before the model sees them.
    void setFigures(FigureActions* figures) { filter_.setFigures(figures); }

    ModelMirror& mirror() { return mirror_; }

private:
    TKalkulajda& form_;
    std::unique_ptr<UserActions> ownUser_;
    UserActions& user_;
    ModelMirror mirror_;
    InputFilter filter_;
};

}  // namespace platomer
