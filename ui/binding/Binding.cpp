#include "ui/binding/Binding.h"

#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace platomer {

namespace {

// Keyboard stops take the focus only when the model gives it: never by a click or the wheel,
// which the input filter turns into actions. The container panels that are stops hold the
// focus without showing it.
void setFocusPolicies(FormModel& form, ModelMirror& mirror)
{
    const BuiltWindow& window = mirror.window();
    for (QWidget* widget : window.window->findChildren<QWidget*>())
        widget->setFocusPolicy(Qt::NoFocus);
    window.window->setFocusPolicy(Qt::NoFocus);
    for (const Control& control : form.controls()) {
        if (QWidget* widget = mirror.widgetOf(control); control.isKeyboardStop() && widget)
            widget->setFocusPolicy(Qt::TabFocus);
    }
    window.tabs->setFocusProxy(window.tabs->tabBar());
}

}  // namespace

Binding::Binding(TKalkulajda& form, UserActions& user, const BuiltWindow& window)
    : form_(form), user_(user), mirror_(form, window), filter_(form, user, mirror_)
{
    setFocusPolicies(form_, mirror_);
    form_.setObserver(&mirror_);
    mirror_.mirrorAll();
}

Binding::Binding(TKalkulajda& form, const BuiltWindow& window)
    : form_(form),
      ownUser_(std::make_unique<UserActions>(form)),
      user_(*ownUser_),
      mirror_(form, window),
      filter_(form, *ownUser_, mirror_)
{
    setFocusPolicies(form_, mirror_);
    form_.setObserver(&mirror_);
    mirror_.mirrorAll();
}

Binding::~Binding() { form_.setObserver(nullptr); }

void Binding::start()
{
    if (mirror_.window().window->isActiveWindow()) filter_.activateOnce();
}

}  // namespace platomer
