#include "ui/widgets/DisplayPanel.h"

#include <QPainter>

namespace platomer {

DisplayPanel::DisplayPanel(QWidget* parent) : BevelFrame(parent) {}

void DisplayPanel::setText(const QString& text)
{
    if (text == text_) return;
    text_ = text;
    update();
}

void DisplayPanel::paintEvent(QPaintEvent* event)
{
    BevelFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = insideRect();
    // Right-aligned and clipped to the inside, so a long text loses its left end.
    painter.setClipRect(inside);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(inside, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

}  // namespace platomer
