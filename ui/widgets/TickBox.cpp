#include "ui/widgets/TickBox.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "ui/widgets/FocusFrame.h"

namespace platomer {

namespace {

constexpr int CaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextHideMnemonic;

}  // namespace

TickBox::TickBox(const QString& caption, bool captionLeft, QWidget* parent)
    : QCheckBox(caption, parent), captionLeft_(captionLeft)
{
}

QRect TickBox::squareRect() const
{
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    const int x = captionLeft_ ? width() - w : 0;
    return {x, (height() - h) / 2, w, h};
}

QRect TickBox::captionRect() const
{
    const QRect square = squareRect();
    return captionLeft_ ? QRect(0, 0, square.left() - 2, height())
                        : QRect(square.right() + 5, 0, width() - square.right() - 5, height());
}

QRect TickBox::focusRect() const
{
    // Without a caption the frame runs round the whole control, outside the square's own sunken
    // edge, where it shows against the face colour.
    if (text().isEmpty()) return rect();
    return style()
        ->itemTextRect(fontMetrics(), captionRect(), CaptionFlags, isEnabled(), text())
        .adjusted(-1, 0, 1, 0)
        .intersected(rect());
}

void TickBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = squareRect();
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);

    if (!text().isEmpty())
        style()->drawItemText(&painter, captionRect(), CaptionFlags, palette(), isEnabled(), text(),
                              QPalette::WindowText);
    if (hasFocus()) drawFocusFrame(painter, *this, focusRect());
}

bool TickBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void TickBox::nextCheckState() {}

}  // namespace platomer
