#include "ui/widgets/BevelFrame.h"

#include <QPainter>

#include "ui/look/ClassicLook.h"
#include "ui/widgets/FocusFrame.h"

namespace platomer {

namespace {

int ringDepth(BevelCut cut, int width) { return cut == BevelCut::None ? 0 : width; }

}  // namespace

BevelFrame::BevelFrame(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::NoFrame); }

void BevelFrame::setBevel(const Bevel& bevel)
{
    bevel_ = bevel;
    update();
}

QRect BevelFrame::bevelRect() const { return shownPart(*this, rect()); }

QRect BevelFrame::insideRect() const
{
    const int d = ringDepth(bevel_.outer, bevel_.width) + ringDepth(bevel_.inner, bevel_.width);
    return bevelRect().adjusted(d, d, -d, -d);
}

QRect BevelFrame::focusRect() const { return insideRect().adjusted(1, 1, -1, -1); }

void BevelFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawBevel(painter, bevelRect(), bevel_, palette());
    if (hasFocus()) drawFocusFrame(painter, *this, focusRect());
}

}  // namespace platomer
