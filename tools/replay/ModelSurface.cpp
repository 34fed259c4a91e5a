#include "tools/replay/ModelSurface.h"

#include "explain/ComputationText.h"
#include "explain/Explanation.h"

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

std::optional<std::string> ModelSurface::tooltip(const std::string& name)
{
    if (!explainsFigure(form_.control(name))) return std::nullopt;
    return tooltipText(form_, name);
}

std::string ModelSurface::computationText() { return platomer::computationText(form_, form_.activePage()); }

std::string ModelSurface::copyComputation()
{
    form_.platform().setClipboardText(copyText(form_, form_.activePage()));
    return form_.platform().clipboardText();
}

bool ModelSurface::chooseMenu(const std::string& item)
{
    if (!user_.menuAnchor()) return false;
    if (item == "-") {
        user_.closeMenu();
        return true;
    }
    return user_.chooseMenuItem(item);
}

}  // namespace platomer
