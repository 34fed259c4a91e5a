#include "tools/replay/ModelSurface.h"

namespace platomer {

ControlState ModelSurface::state(const std::string& name)
{
    const Control& c = form_.control(name);
    ControlState s;
    s.text = c.text();
    s.tickBox = c.isTickBox();
    s.ticked = c.ticked();
    s.enabled = c.enabled();
    s.visible = c.visible();
    s.focused = c.focused();
    s.background = colourName(c.kind() == Kind::NumericEntry ? c.colour() : Colour::None);
    return s;
}

bool ModelSurface::chooseMenu(const std::string& item)
{
    if (!user_.menuOwner()) return false;
    if (item == "-") {
        user_.closeMenu();
        return true;
    }
    return user_.chooseMenuItem(item);
}

}  // namespace platomer
