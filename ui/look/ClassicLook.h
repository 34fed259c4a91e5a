#pragma once
// The classic desktop look the window's layout was drawn for: silver 3-D surfaces with white
// and grey bevels, sunken white fields, square tick boxes and pages at a fixed place.

#include <QPalette>

namespace platomer {

// The window's palette; every control takes it unless its look says otherwise.
QPalette classicPalette();
// Draws the application's widgets in the classic style, when the toolkit has it.
void useClassicStyle();
// The property of the page control that holds the rectangle of its pages.
inline constexpr const char* PageAreaProperty = "pageArea";

}  // namespace platomer
