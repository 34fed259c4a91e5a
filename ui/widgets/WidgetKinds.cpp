#include "ui/widgets/WidgetKinds.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <limits>

#include "ui/look/FieldColour.h"
#include "ui/look/LookTable.h"
#include "ui/widgets/BevelFrame.h"
#include "ui/widgets/DisplayPanel.h"
#include "ui/widgets/MaskeditCis.h"
#include "ui/widgets/TickBox.h"

namespace platomer {

namespace {

// The widget of a control of the kind: the rows below cast to it without asking, since the
// factory made it.
template <class W>
W& as(QWidget& widget)
{
    return static_cast<W&>(widget);
}
template <class W>
const W& as(const QWidget& widget)
{
    return static_cast<const W&>(widget);
}

QString noText(const QWidget& /*widget*/) { return {}; }
void showNoText(QWidget& /*widget*/, const QString& /*text*/) {}
void nothingMore(QWidget& /*widget*/, const Control& /*control*/) {}

// A page's caption is its tab's, held by the page control above it.
QTabWidget* pageControlOf(const QWidget& page)
{
    for (QWidget* above = page.parentWidget(); above; above = above->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(above)) return tabs;
    return nullptr;
}

void showEntryState(QWidget& widget, const Control& control)
{
    // An entry takes a text of any length, as the model does. Set once the widget has its name,
    // which its accessible interface is chosen by.
    auto& edit = as<QLineEdit>(widget);
    if (edit.maxLength() != std::numeric_limits<int>::max()) edit.setMaxLength(std::numeric_limits<int>::max());
    if (control.colour() != Colour::None && fieldColour(widget) != control.colour())
        setFieldColour(widget, control.colour());
}

QString entryText(const QWidget& widget) { return as<QLineEdit>(widget).text(); }
void setEntryText(QWidget& widget, const QString& text) { as<QLineEdit>(widget).setText(text); }

struct Row {
    Kind kind;
    WidgetKind widget;
};

const Row rows[] = {
    {Kind::Window,
     {[](const Look&, QWidget*) { return new QWidget(nullptr, Qt::Window); }, noText, showNoText, nothingMore}},
    {Kind::PageControl,
     {[](const Look&, QWidget* parent) -> QWidget* { return new QTabWidget(parent); }, noText, showNoText,
      nothingMore}},
    {Kind::Page,
     {[](const Look&, QWidget*) { return new QWidget; },
      [](const QWidget& widget) {
          const QTabWidget* tabs = pageControlOf(widget);
          return tabs ? tabs->tabText(tabs->indexOf(&widget)) : QString();
      },
      [](QWidget& widget, const QString& text) {
          if (QTabWidget* tabs = pageControlOf(widget); tabs && tabs->indexOf(&widget) >= 0)
              tabs->setTabText(tabs->indexOf(&widget), text);
      },
      nothingMore}},
    {Kind::GroupBox,
     {[](const Look&, QWidget* parent) -> QWidget* { return new QGroupBox(parent); },
      [](const QWidget& widget) { return as<QGroupBox>(widget).title(); },
      [](QWidget& widget, const QString& text) { as<QGroupBox>(widget).setTitle(text); }, nothingMore}},
    {Kind::Panel,
     {[](const Look&, QWidget* parent) -> QWidget* { return new BevelFrame(parent); }, noText, showNoText,
      nothingMore}},
    {Kind::Label,
     {[](const Look&, QWidget* parent) -> QWidget* { return new QLabel(parent); },
      [](const QWidget& widget) { return as<QLabel>(widget).text(); },
      [](QWidget& widget, const QString& text) { as<QLabel>(widget).setText(text); }, nothingMore}},
    {Kind::Display,
     {[](const Look&, QWidget* parent) -> QWidget* { return new DisplayPanel(parent); },
      [](const QWidget& widget) { return as<DisplayPanel>(widget).text(); },
      [](QWidget& widget, const QString& text) { as<DisplayPanel>(widget).setText(text); }, nothingMore}},
    {Kind::TickBox,
     {[](const Look& look, QWidget* parent) -> QWidget* { return new TickBox(QString(), look.captionLeft, parent); },
      [](const QWidget& widget) { return as<TickBox>(widget).text(); },
      [](QWidget& widget, const QString& text) { as<TickBox>(widget).setText(text); },
      [](QWidget& widget, const Control& control) {
          auto& box = as<TickBox>(widget);
          if (box.isChecked() != control.ticked()) box.setChecked(control.ticked());
      }}},
    {Kind::Entry,
     {[](const Look&, QWidget* parent) -> QWidget* { return new QLineEdit(parent); }, entryText, setEntryText,
      showEntryState}},
    {Kind::NumericEntry,
     {[](const Look&, QWidget* parent) -> QWidget* { return new TMaskeditCis(parent); }, entryText, setEntryText,
      showEntryState}},
};

}  // namespace

const WidgetKind& widgetKind(Kind kind)
{
    for (const Row& row : rows)
        if (row.kind == kind) return row.widget;
    return rows[0].widget;
}

void showControl(QWidget& widget, const Control& control)
{
    const WidgetKind& kind = widgetKind(control.kind());
    kind.showState(widget, control);
    const QString text = QString::fromStdString(control.text());
    if (kind.text(widget) != text) kind.setText(widget, text);
}

}  // namespace platomer
