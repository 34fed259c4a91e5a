#pragma once
// The widgets as a mirror of the model: every change the model reports is written into the
// widget of its control, under signal blockers, so nothing written here comes back as input.

#include <unordered_map>
#include <vector>

#include "model/FormModel.h"
#include "ui/widgets/WidgetFactory.h"

namespace platomer {

class ModelMirror : public FormObserver {
public:
    ModelMirror(FormModel& form, const BuiltWindow& window);

    void controlChanged(const Control& control) override;
    void focusChanged(const Control& control) override;
    void pageChanged(int page) override;

    // Writes every control, the page and the focus again: Qt moves the focus itself when the
    // focused widget is hidden or disabled or its page goes, and this puts it back.
    void mirrorAll();
    // Gives the Qt focus to the model's focused control, when the window can hold it.
    void assertFocus();

    // The widget that stands for the control and takes its focus (the tab strip for PcHlav).
    QWidget* widgetOf(const Control& control) const;
    // The control a widget belongs to: the nearest control at or above it; the tab strip is
    // PcHlav. nullptr for widgets of no control.
    Control* controlOf(const QWidget* widget) const;
    const BuiltWindow& window() const { return window_; }

private:
    void showSelection(const Control& control);

    FormModel& form_;
    BuiltWindow window_;
    std::unordered_map<const QWidget*, int> controls_;
    // The widget of each control by its index in the model.
    std::vector<QWidget*> widgets_;
};

}  // namespace platomer
