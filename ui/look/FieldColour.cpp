#include "ui/look/FieldColour.h"

#include <QPalette>
#include <QWidget>

#include "ui/look/LookTable.h"

namespace platomer {

namespace {

Paint paintOf(Colour colour) { return colour == Colour::Yellow ? Paint::Yellow : Paint::InfoBk; }

}  // namespace

void setFieldColour(QWidget& field, Colour colour)
{
    if (colour == Colour::None) return;
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, colourOf(paintOf(colour)));
    field.setPalette(palette);
}

Colour fieldColour(const QWidget& field)
{
    const QColor shown = field.palette().color(QPalette::Base);
    if (shown == colourOf(Paint::Yellow)) return Colour::Yellow;
    if (shown == colourOf(Paint::InfoBk)) return Colour::InfoBk;
    return Colour::None;
}

}  // namespace platomer
