#include "model/Control.h"

#include "model/FormModel.h"

namespace platomer {

Control::Control(FormModel& form, const ControlRow& row, int index, int parent)
    : form_(&form),
      row_(&row),
      name_(row.name),
      index_(index),
      parent_(parent),
      text_(row.text),
      ticked_((row.flags & Ticked) != 0),
      visible_((row.flags & Hidden) == 0),
      colour_((row.flags & BgYellow) ? Colour::Yellow
              : (row.flags & BgInfo) ? Colour::InfoBk
                                     : Colour::None)
{
}

bool Control::focused() const { return &form_->focused() == this; }

void Control::setText(const std::string& text) { form_->writeText(*this, text); }

void Control::setTicked(bool ticked) { form_->writeTick(*this, ticked); }

void Control::setEnabled(bool enabled)
{
    if (enabled_ == enabled) return;
    // A control that is switched off while it holds the focus hands it on, as a window does.
    if (!enabled && focused()) form_->focusNext(true);
    enabled_ = enabled;
    form_->notify(*this);
}

void Control::setVisible(bool visible)
{
    if (visible_ == visible) return;
    // Hidden while it holds the focus, it hands the focus on like a control switched off.
    if (!visible && focused()) form_->focusNext(true);
    visible_ = visible;
    form_->notify(*this);
}

void Control::setHint(const std::string& hint)
{
    if (hint_ == hint) return;
    hint_ = hint;
    form_->notify(*this);
}

void Control::setColour(Colour colour)
{
    if (colour_ == colour) return;
    colour_ = colour;
    form_->notify(*this);
}

void Control::setFocus() { form_->moveFocus(*this, FocusCause::Keyboard); }

Control& Control::child(int i) const { return form_->at(children_.at(static_cast<std::size_t>(i))); }

bool Control::isKeyboardStop() const
{
    switch (kind()) {
    case Kind::PageControl:
    case Kind::TickBox:
    case Kind::Entry:
    case Kind::NumericEntry: return true;
    case Kind::Panel: return (row().flags & TabStop) != 0;
    default: return false;
    }
}

const char* colourName(Colour colour)
{
    switch (colour) {
    case Colour::Yellow: return "clYellow";
    case Colour::InfoBk: return "clInfoBk";
    case Colour::None: break;
    }
    return "-";
}

}  // namespace platomer
