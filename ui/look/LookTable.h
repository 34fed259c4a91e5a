#pragma once
// How each control looks, as data: font, colours, bevels, caption side, hint and cursor, keyed by
// the control's name. A control without a row of its own looks like the others of its kind.

#include <QColor>
#include <QFont>
#include <string_view>

#include "model/ControlTable.h"

namespace platomer {

// The colours the window is painted with, by the names its layout uses.
enum class Paint : unsigned char {
    Parent,      // no colour of its own: the parent's shows through
    Silver,      // the window and page background
    InfoBk,      // the system's tooltip background
    HotLight,    // the system's hot-track blue
    Background,  // the desktop colour
    WindowText,  // the system's window text colour
    Blue,
    Red,
    Black,
    Yellow,
};

QColor colourOf(Paint paint);

enum class BevelCut : unsigned char { None, Raised, Lowered };

// A panel's border: an outer and an inner bevel, each `width` pixels.
struct Bevel {
    BevelCut outer = BevelCut::None;
    BevelCut inner = BevelCut::None;
    int width = 1;
};

struct Look {
    const char* family = nullptr;  // nullptr: the window's font family
    int pixelHeight = 11;
    bool bold = false;
    Paint text = Paint::WindowText;
    Paint background = Paint::Parent;
    Bevel bevel;
    bool captionLeft = false;  // tick box: caption at the left, square at the right end
    bool centredTop = false;   // label: text centred horizontally at the top
    const char* hint = nullptr;
    bool handCursor = false;
};

QFont fontOf(const Look& look);

// The look of a control: its own row, or the look common to its kind.
Look lookOf(const ControlRow& row);

}  // namespace platomer
