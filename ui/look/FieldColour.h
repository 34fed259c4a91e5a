#pragma once
// The background of an amount field, which the option rules swap between yellow (the field the
// user types into) and the tooltip colour (the field that shows a result).

#include "model/Control.h"

class QWidget;

namespace platomer {

void setFieldColour(QWidget& field, Colour colour);
// The colour the field shows; Colour::None when it is neither of the two.
Colour fieldColour(const QWidget& field);

}  // namespace platomer
