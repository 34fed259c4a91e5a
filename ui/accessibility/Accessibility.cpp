#include "ui/accessibility/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

#include "model/ControlLabels.h"
#include "ui/accessibility/AccessibleFields.h"
#include "ui/widgets/DisplayPanel.h"
#include "ui/widgets/WidgetFactory.h"

namespace platomer {

namespace {

// The figure a screen reader was last told of, kept on the panel itself: the announcement of a
// change carries the text it replaces.
constexpr const char* AnnouncedProperty = "announcedFigure";

bool named(const QObject* object) { return labelOf(object->objectName().toStdString()) != nullptr; }

// The window's own entries and panels; any other widget keeps the toolkit's interface.
QAccessibleInterface* fieldInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("platomer::DisplayPanel") && named(object))
        return new PanelAccessible(static_cast<DisplayPanel*>(object));
    if ((className == QLatin1String("platomer::TMaskeditCis") || className == QLatin1String("QLineEdit")) &&
        named(object))
        return new EntryAccessible(static_cast<QLineEdit*>(object));
    // A container panel that the keyboard stops on is a group of the controls inside it.
    if (className == QLatin1String("platomer::BevelFrame") && named(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
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
        if (auto* panel = qobject_cast<DisplayPanel*>(&widget))
            panel->setProperty(AnnouncedProperty, withoutPadding(panel->text()));
    }
}

void announceTextChange(QWidget& widget)
{
    auto* panel = qobject_cast<DisplayPanel*>(&widget);
    if (!panel) return;
    const QString shown = withoutPadding(panel->text());
    const QString before = panel->property(AnnouncedProperty).toString();
    if (shown == before) return;
    panel->setProperty(AnnouncedProperty, shown);
    // The toolkit passes the events on only while a screen reader listens.
    QAccessibleTextUpdateEvent text(panel, 0, before, shown);
    QAccessible::updateAccessibility(&text);
    QAccessibleValueChangeEvent value(panel, shown);
    QAccessible::updateAccessibility(&value);
}

}  // namespace platomer
