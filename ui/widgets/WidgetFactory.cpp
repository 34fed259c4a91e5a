// One loop over the control table: each row becomes a widget of its kind, dressed in its look
// and showing the model's current state of that control.
#include "ui/widgets/WidgetFactory.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

#include "model/FormModel.h"
#include "ui/accessibility/Accessibility.h"
#include "ui/look/ClassicLook.h"
#include "ui/look/LookTable.h"
#include "ui/widgets/BevelFrame.h"
#include "ui/widgets/WidgetKinds.h"

namespace platomer {

namespace {

// `palette` holds the roles the widget sets itself; the others it takes from its parent.
void dress(QWidget& widget, const Look& look, QPalette palette)
{
    widget.setFont(fontOf(look));
    const QColor text = colourOf(look.text);
    // A disabled control keeps the greyed text of the window's palette.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
    }
    if (look.background != Paint::Parent) {
        // An entry's background is its field; other controls paint their whole rectangle.
        const bool entry = qobject_cast<QLineEdit*>(&widget) != nullptr;
        palette.setColor(entry ? QPalette::Base : QPalette::Window, colourOf(look.background));
        widget.setAutoFillBackground(!entry);
    }
    widget.setPalette(palette);
    if (look.hint) widget.setToolTip(QString::fromUtf8(look.hint));
    if (look.handCursor) widget.setCursor(Qt::PointingHandCursor);
    if (auto* frame = qobject_cast<BevelFrame*>(&widget)) frame->setBevel(look.bevel);
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setAlignment(look.centredTop ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
    }
}

// Writes the model's current state of the control into its widget.
void showState(QWidget& widget, const Control& control)
{
    showControl(widget, control);
    widget.setEnabled(control.enabled());
    if (!control.visible()) widget.hide();
}

void place(QWidget& widget, const ControlRow& row, BuiltWindow& built)
{
    switch (row.kind) {
    case Kind::Window:
        widget.setWindowTitle(QString::fromUtf8(row.text));
        widget.setFixedSize(row.width, row.height);
        break;
    case Kind::Page:
        built.tabs->setProperty(PageAreaProperty, QRect(row.left, row.top, row.width, row.height));
        built.tabs->addTab(&widget, QString::fromUtf8(row.text));
        break;
    default: widget.setGeometry(row.left, row.top, row.width, row.height); break;
    }
}

}  // namespace

BuiltWindow buildWindow(const FormModel& form)
{
    useClassicStyle();
    useAccessibleFields();
    BuiltWindow built;
    const std::vector<ControlRow>& rows = controlTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        const Control& control = form.controls()[i];
        const Look look = lookOf(row);
        QWidget* parent = *row.parent ? built.widgets.at(row.parent) : nullptr;
        QWidget* widget = widgetKind(row.kind).make(look, parent);
        widget->setObjectName(QString::fromUtf8(row.name));
        if (row.kind == Kind::Window) built.window = widget;
        if (row.kind == Kind::PageControl) built.tabs = static_cast<QTabWidget*>(widget);
        dress(*widget, look, row.kind == Kind::Window ? classicPalette() : QPalette());
        place(*widget, row, built);
        showState(*widget, control);
        built.widgets.emplace(row.name, widget);
    }
    built.tabs->setCurrentIndex(form.activePage());
    // A page that has not been shown yet keeps the toolkit's default size; give every page the
    // size of the page area now, so both report the same geometry from the start.
    const QRect area = built.tabs->property(PageAreaProperty).toRect();
    for (int page = 0; page < built.tabs->count(); ++page)
        built.tabs->widget(page)->resize(area.size());
    built.widgets.erase(rows.front().name);
    fitPagesToShown(form, built);
    setUpAccessibility(built);
    return built;
}

void fitPagesToShown(const FormModel& form, const BuiltWindow& built)
{
    const ControlRow* window = controlRow("Kalkulajda");
    const ControlRow* strip = controlRow("PcHlav");
    int pageHeight = 0, needed = 0;
    for (const Control& c : form.controls()) {
        if (c.kind() == Kind::Page) pageHeight = std::max(pageHeight, c.row().height);
        const bool onPage =
            c.parent() >= 0 && form.controls()[static_cast<std::size_t>(c.parent())].kind() == Kind::Page;
        if (onPage && c.visible()) needed = std::max(needed, c.row().top + c.row().height);
    }
    // As much room below the lowest frame as the footer leaves below itself.
    constexpr int Margin = 7;
    const int extra = std::max(0, needed + Margin - pageHeight);
    if (built.window->height() == window->height + extra) return;
    // The page area first: the page control lays its pages out by it when it is resized.
    QRect area = built.tabs->property(PageAreaProperty).toRect();
    area.setHeight(pageHeight + extra);
    built.tabs->setProperty(PageAreaProperty, area);
    built.window->setFixedSize(window->width, window->height + extra);
    built.tabs->setGeometry(strip->left, strip->top, strip->width, strip->height + extra);
    for (int page = 0; page < built.tabs->count(); ++page)
        built.tabs->widget(page)->resize(area.size());
}

}  // namespace platomer
