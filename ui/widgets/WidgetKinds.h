#pragma once
// Every kind of control of the control table as a widget, in one table: how its widget is made,
// how the model's state of the control is shown in it, and how the text it shows is read back.
// The window is built (ui/widgets/WidgetFactory.h), mirrored (ui/binding/ModelMirror.h) and read
// by the tools through these rows alone.

#include <QString>

#include "model/Control.h"

class QWidget;

namespace platomer {
struct Look;

struct WidgetKind {
    // Makes the widget of a control of this kind inside `parent`; a page is placed by its page
    // control, the window has no parent.
    QWidget* (*make)(const Look& look, QWidget* parent);
    // The text the widget shows as its own; empty for a kind that shows none.
    QString (*text)(const QWidget& widget);
    // Shows a text; nothing for a kind that shows none.
    void (*setText)(QWidget& widget, const QString& text);
    // Shows what else of the control's state belongs to the kind, before its text: a tick box's
    // tick, an entry's background and its unlimited length. Only what differs is written.
    void (*showState)(QWidget& widget, const Control& control);
};

const WidgetKind& widgetKind(Kind kind);

// Writes the state of the control's kind and its text into its widget, where they differ.
void showControl(QWidget& widget, const Control& control);

}  // namespace platomer
