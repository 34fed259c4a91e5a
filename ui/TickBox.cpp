#include "ui/TickBox.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace platomer {

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

void TickBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect square = squareRect();
    option.rect = square;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);

    QRect focusArea = square;
    if (!text().isEmpty()) {
        const QRect captionArea = captionLeft_ ? QRect(0, 0, square.left() - 2, height())
                                               : QRect(square.right() + 5, 0, width() - square.right() - 5, height());
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextHideMnemonic;
        style()->drawItemText(&painter, captionArea, flags, palette(), isEnabled(), text(), QPalette::WindowText);
        focusArea = style()
                        ->itemTextRect(fontMetrics(), captionArea, flags, isEnabled(), text())
                        .adjusted(-1, 0, 1, 0)
                        .intersected(rect());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = focusArea;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool TickBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void TickBox::nextCheckState() {}

}  // namespace platomer
