#pragma once
// The tooltip of every figure of both pages: how the figure came about, with the numbers of the
// calculation the window shows. The text is made when the tooltip is about to show, so that it
// always follows the last calculation; the two insurance boxes keep the hints of their look. A
// screen reader finds the same explanation, without the label that it reads as the name, as the
// figure's description: made when it asks for it, and while one listens brought up to date at the
// end of every user action, so that it hears which descriptions changed.

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <unordered_map>

namespace platomer {
class ModelMirror;
class PageComputations;
class TKalkulajda;

class FigureTooltips : public QObject {
public:
    // Watches the widget of every control that explains its figure (ui/ComputationText.h).
    FigureTooltips(const TKalkulajda& form, const PageComputations& computations, const ModelMirror& mirror,
                   QObject* parent);
    ~FigureTooltips() override;
    FigureTooltips(const FigureTooltips&) = delete;
    FigureTooltips& operator=(const FigureTooltips&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How the descriptions stand when somebody begins to listen.
    void noteDescriptions();
    // At the end of an action that somebody hears: each figure whose description changed says so.
    void describe();
    // The description of a widget of this window, if it explains a figure.
    std::optional<QString> descriptionOf(const QWidget& widget) const;

    const PageComputations& computations_;
    std::unordered_map<const QObject*, std::string> controls_;
    // What the listener was last told of each figure's description.
    std::unordered_map<const QObject*, QString> told_;
};

// The tooltip as the widget holds it: rich text, so that the toolkit wraps a long explanation
// instead of showing it on one line across the screen; the first line in bold.
QString tooltipMarkup(const std::string& text);
// What a tooltip shows, as plain text with its lines: the markup read as the tooltip reads it.
QString shownTooltip(const QString& tooltip);

}  // namespace platomer
