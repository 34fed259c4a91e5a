#include "ui/look/ClassicLook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QWidget>

namespace platomer {

namespace {

// A group box's etched line: a lowered ring around a raised one.
constexpr Bevel Etched{BevelCut::Lowered, BevelCut::Raised, 1};

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
    // without the pen's stroking, which shows in the first frame of a window of many panels. On
    // a scaled screen a filled rectangle still covers whole device pixels, where a thin pen's
    // line can fall between them and leave a gap.
    for (int i = 0; i < width && rect.width() > 1 && rect.height() > 1; ++i) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
}

// The classic page control puts its pages at a fixed place below the tab headers, 4 pixels in
// from its sides and its bottom, with its 3-D frame along its outer edge; the page area comes
// from the layout (the property pageArea of the page control).
class ClassicStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        const QRect pages = widget ? widget->property(PageAreaProperty).toRect() : QRect();
        if (qobject_cast<const QTabWidget*>(widget) && pages.isValid()) {
            if (element == SE_TabWidgetTabContents) return pages;
            if (element == SE_TabWidgetTabPane) return pages.adjusted(-4, -4, 4, 4);
        }
        return QProxyStyle::subElementRect(element, option, widget);
    }

    // A group box's frame is etched along the part of the box its page shows, with the same
    // whole-pixel lines as the panels' bevels.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (element == PE_FrameGroupBox && frame && !(frame->features & QStyleOptionFrame::Flat) && widget) {
            drawBevel(*painter, shownPart(*widget, option->rect), Etched, option->palette);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

}  // namespace

QPalette classicPalette()
{
    QPalette palette;
    const QColor face = colourOf(Paint::Silver);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    return palette;
}

QRect shownPart(const QWidget& widget, const QRect& rect)
{
    QRect part = rect;
    QPoint offset;  // from the widget to the parent reached
    for (const QWidget* w = &widget; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        offset += w->pos();
        part &= w->parentWidget()->rect().translated(-offset);
    }
    return part;
}

QRect drawBevel(QPainter& painter, QRect rect, const Bevel& bevel, const QPalette& palette)
{
    rect = drawRing(painter, rect, bevel.outer, bevel.width, palette);
    return drawRing(painter, rect, bevel.inner, bevel.width, palette);
}

void useClassicStyle()
{
    if (dynamic_cast<ClassicStyle*>(QApplication::style())) return;
    if (QStyle* windows = QStyleFactory::create("Windows")) QApplication::setStyle(new ClassicStyle(windows));
}

}  // namespace platomer
