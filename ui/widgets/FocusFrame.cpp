#include "ui/widgets/FocusFrame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace platomer {

void drawFocusFrame(QPainter& painter, const QWidget& widget, const QRect& rect)
{
    QStyleOptionFocusRect focus;
    focus.initFrom(&widget);
    focus.rect = rect;
    focus.backgroundColor = widget.palette().color(widget.backgroundRole());
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
}

}  // namespace platomer
