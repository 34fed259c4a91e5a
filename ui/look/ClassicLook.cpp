#include "ui/look/ClassicLook.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTabWidget>

#include "ui/look/LookTable.h"

namespace platomer {

namespace {

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

void useClassicStyle()
{
    if (dynamic_cast<ClassicStyle*>(QApplication::style())) return;
    if (QStyle* windows = QStyleFactory::create("Windows")) QApplication::setStyle(new ClassicStyle(windows));
}

}  // namespace platomer
