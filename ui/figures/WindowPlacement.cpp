#include "ui/figures/WindowPlacement.h"

#include <algorithm>

namespace platomer {

SideBySide placeBeside(const QRect& screen, const QRect& main, QSize beside, int gap)
{
    const int height = std::min(beside.height(), screen.height());
    const int top = std::clamp(main.top(), screen.top(), screen.top() + screen.height() - height);
    // The first column right of the screen and right of the calculator.
    const int screenEnd = screen.left() + screen.width();
    const int mainEnd = main.left() + main.width();
    const int width = beside.width();
    auto at = [&](int left) { return QRect(left, top, width, height); };

    if (mainEnd + gap + width <= screenEnd) return {main, at(mainEnd + gap)};
    if (main.left() - gap - width >= screen.left()) return {main, at(main.left() - gap - width)};
    if (main.width() + gap + width <= screen.width()) {
        // Moving left to make room on the right, or right to make room on the left: the shorter.
        const int leftward = mainEnd + gap + width - screenEnd;
        const int rightward = screen.left() - (main.left() - gap - width);
        QRect moved = main;
        if (leftward <= rightward) {
            moved.moveLeft(main.left() - leftward);
            return {moved, at(moved.left() + moved.width() + gap)};
        }
        moved.moveLeft(main.left() + rightward);
        return {moved, at(screen.left())};
    }
    return {main, at(std::max(screen.left(), screenEnd - width))};
}

}  // namespace platomer
