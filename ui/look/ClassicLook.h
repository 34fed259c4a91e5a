#pragma once
// The classic desktop look the window's layout was drawn for: silver 3-D surfaces with white
// and grey bevels, sunken white fields, square tick boxes and pages at a fixed place.

#include <QPalette>
#include <QRect>

#include "ui/look/LookTable.h"

class QPainter;
class QWidget;

namespace platomer {

// The window's palette; every control takes it unless its look says otherwise.
QPalette classicPalette();
// Draws the application's widgets in the classic style, when the toolkit has it.
void useClassicStyle();
// The part of `rect`, in the coordinates of `widget`, that the widget's parents leave visible. A
// control that reaches past the edge of its page is cut there, and its frame is drawn along the
// cut, so that every frame is closed.
QRect shownPart(const QWidget& widget, const QRect& rect);
// Draws the rings of `bevel` along the inside of `rect`, each line a whole pixel on every scale;
// returns the rectangle inside them.
QRect drawBevel(QPainter& painter, QRect rect, const Bevel& bevel, const QPalette& palette);
// The property of the page control that holds the rectangle of its pages.
inline constexpr const char* PageAreaProperty = "pageArea";

}  // namespace platomer
