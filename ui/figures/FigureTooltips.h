#pragma once
// The tooltip of every figure of both pages: how the figure came about, with the numbers of the
// calculation the window shows. The text is made when the tooltip is about to show, so that it
// always follows the last calculation; the two insurance boxes keep the hints of their look. A
// screen reader finds the same explanation, without the label that it reads as the name, as the
// figure's description, brought up to date at the end of every user action.

#include <QObject>
#include <QString>
#include <string>
#include <unordered_map>

namespace platomer {
class ModelMirror;
class TKalkulajda;

class FigureTooltips : public QObject {
public:
    // Watches the widget of every control that explains its figure (ui/ComputationText.h).
    FigureTooltips(const TKalkulajda& form, const ModelMirror& mirror, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every figure's explanation as its accessible description.
    void describe();

    const TKalkulajda& form_;
    std::unordered_map<QObject*, std::string> controls_;
};

// The tooltip as the widget holds it: rich text, so that the toolkit wraps a long explanation
// instead of showing it on one line across the screen; the first line in bold.
QString tooltipMarkup(const std::string& text);
// What a tooltip shows, as plain text with its lines: the markup read as the tooltip reads it.
QString shownTooltip(const QString& tooltip);

}  // namespace platomer
