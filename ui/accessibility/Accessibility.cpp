#include "ui/accessibility/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTabBar>

#include "model/ControlLabels.h"
#include "ui/accessibility/AccessibleFields.h"
#include "ui/accessibility/Announcements.h"
#include "ui/accessibility/TabStripAccessible.h"
#include "ui/widgets/DisplayPanel.h"
#include "ui/widgets/WidgetFactory.h"

namespace platomer {

namespace {

// A plain widget that is a window of its own, the calculator and the computation beside it, is a
// frame with a title, where the toolkit would make it a bare client area. A widget made without a
// parent and placed in another later (a page of the tab control) is no frame any more.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* widget) : QAccessibleWidget(widget) {}
    QAccessible::Role role() const override
    {
        return widget()->isWindow() ? QAccessible::Window : QAccessibleWidget::role();
    }
};

// The tab control hands its focus to its tab strip, whose tab then holds it; the control itself
// is only the frame round the strip and the pages.
class FocusProxyAccessible : public QAccessibleWidget {
public:
    explicit FocusProxyAccessible(QWidget* widget) : QAccessibleWidget(widget) {}
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->focusProxy()) state.focused = false;
        return state;
    }
};

bool named(const QObject* object) { return labelOf(object->objectName().toStdString()) != nullptr; }

// The window's own entries, panels, tab control and windows; any other widget keeps the
// toolkit's interface.
QAccessibleInterface* fieldInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("platomer::DisplayPanel") && named(object))
        return new PanelAccessible(static_cast<DisplayPanel*>(object));
    if ((className == QLatin1String("platomer::TMaskeditCis") || className == QLatin1String("QLineEdit")) &&
        named(object))
        return new EntryAccessible(static_cast<QLineEdit*>(object));
    // A container panel that the keyboard stops on is a group of the controls inside it; any other
    // is only a bevel round them, which the toolkit would report as a frame, the role of a window.
    if (className == QLatin1String("platomer::BevelFrame"))
        return new QAccessibleWidget(static_cast<QWidget*>(object),
                                     named(object) ? QAccessible::Grouping : QAccessible::Client);
    if (className == QLatin1String("QTabWidget")) return new FocusProxyAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("QTabBar")) return new TabStripAccessible(static_cast<QTabBar*>(object));
    if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->windowType() == Qt::Window)
        return new WindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void useAccessibleFields()
{
    // Installed once, after the toolkit's own factory, so that it is asked first.
    static const bool installed = [] {
        QAccessible::installFactory(fieldInterface);
        return true;
    }();
    static_cast<void>(installed);
}

void setUpAccessibility(const BuiltWindow& built)
{
    for (const ControlLabel& label : controlLabels()) {
        auto it = built.widgets.find(label.control);
        if (it == built.widgets.end()) continue;
        QWidget& widget = *it->second;
        widget.setAccessibleName(QString::fromStdString(labelCaption(label)));
        if (!widget.toolTip().isEmpty()) widget.setAccessibleDescription(widget.toolTip());
    }
    new Announcements(built);
}

void announceTextChange(QWidget& widget)
{
    if (Announcements* announcements = Announcements::of(&widget)) announcements->changed(widget);
}

}  // namespace platomer
