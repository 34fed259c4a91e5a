#pragma once
// Where a second window goes beside the calculator so that neither covers the other: a pure
// function of the screen's free area and the two windows' frames, so that any screen can be tried.

#include <QRect>
#include <QSize>

namespace platomer {

struct SideBySide {
    QRect main;    // the calculator's frame, moved only when that makes room for both
    QRect beside;  // the second window's frame
};

// Places a window of frame size `beside` on the screen area `screen` next to the frame `main`,
// `gap` pixels apart: to the right where that side has room, else to the left; where neither side
// has room but the screen is wide enough for both, the calculator moves aside as little as it
// must; on a screen too narrow for both the window keeps to the screen's right edge and overlaps.
// Its top is the calculator's, kept on the screen, and it is never taller than the screen.
SideBySide placeBeside(const QRect& screen, const QRect& main, QSize beside, int gap);

}  // namespace platomer
