#include "ui/widgets/BevelFrame.h"

#include <QPainter>

#include "ui/widgets/FocusFrame.h"

namespace platomer {

namespace {

// One ring of a bevel, `width` lines deep: a raised ring is light at the top and the left and
// dark at the bottom and the right, a lowered ring the other way round.
QRect drawRing(QPainter& painter, QRect rect, BevelCut cut, int width, const QPalette& palette)
{
    if (cut == BevelCut::None) return rect;
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor& topLeft = cut == BevelCut::Raised ? light : dark;
    const QColor& bottomRight = cut == BevelCut::Raised ? dark : light;
    // Each line is a rectangle one pixel thick, filled: the same pixels as a one-pixel pen's,
    // without the pen's stroking, which shows in the first frame of a window of many panels.
    for (int i = 0; i < width && rect.width() > 1 && rect.height() > 1; ++i) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
}

int ringDepth(BevelCut cut, int width) { return cut == BevelCut::None ? 0 : width; }

}  // namespace

BevelFrame::BevelFrame(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::NoFrame); }

void BevelFrame::setBevel(const Bevel& bevel)
{
    bevel_ = bevel;
    update();
}

QRect BevelFrame::insideRect() const
{
    const int d = ringDepth(bevel_.outer, bevel_.width) + ringDepth(bevel_.inner, bevel_.width);
    return rect().adjusted(d, d, -d, -d);
}

QRect BevelFrame::focusRect() const { return insideRect().adjusted(1, 1, -1, -1); }

void BevelFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect rect = drawRing(painter, this->rect(), bevel_.outer, bevel_.width, palette());
    drawRing(painter, rect, bevel_.inner, bevel_.width, palette());
    if (hasFocus()) drawFocusFrame(painter, *this, focusRect());
}

}  // namespace platomer
