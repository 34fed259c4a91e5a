#pragma once
// The dotted frame of the classic style that shows which control holds the focus.

class QPainter;
class QRect;
class QWidget;

namespace platomer {

// Dots `rect` of `widget` in the inverse of the colour behind it, as the classic style does.
void drawFocusFrame(QPainter& painter, const QWidget& widget, const QRect& rect);

}  // namespace platomer
