#include "ui/figures/FigureTooltips.h"

#include <QAccessible>
#include <QEvent>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "explain/ComputationText.h"
#include "explain/PageComputations.h"
#include "ui/accessibility/Announcements.h"
#include "ui/accessibility/AssistiveClient.h"
#include "ui/binding/ModelMirror.h"

namespace platomer {

namespace {

// In pixels: some sixty characters of the window's type on a line.
constexpr int TooltipWidth = 380;

// Every window's tooltips, which the one describer of the accessible figures asks in turn.
std::vector<const FigureTooltips*>& instances()
{
    static std::vector<const FigureTooltips*> all;
    return all;
}

}  // namespace

FigureTooltips::FigureTooltips(const TKalkulajda& form, const PageComputations& computations, const ModelMirror& mirror,
                               QObject* parent)
    : QObject(parent), computations_(computations)
{
    for (const Control& control : form.controls()) {
        QWidget* widget = explainsFigure(control) ? mirror.widgetOf(control) : nullptr;
        if (!widget) continue;
        controls_.emplace(widget, control.name());
        widget->installEventFilter(this);
    }
    if (instances().empty())
        setDescriber([](const QWidget& widget) -> std::optional<QString> {
            for (const FigureTooltips* tooltips : instances())
                if (std::optional<QString> description = tooltips->descriptionOf(widget)) return description;
            return std::nullopt;
        });
    instances().push_back(this);
    if (Announcements* announcements = Announcements::of(mirror.window().window)) {
        connect(announcements, &Announcements::listeningBegins, this, &FigureTooltips::noteDescriptions);
        connect(announcements, &Announcements::actionEnding, this, &FigureTooltips::describe);
    }
}

FigureTooltips::~FigureTooltips()
{
    std::vector<const FigureTooltips*>& all = instances();
    all.erase(std::find(all.begin(), all.end(), this));
}

void FigureTooltips::noteDescriptions()
{
    for (const auto& [object, name] : controls_)
        told_[object] = QString::fromStdString(computations_.description(name));
}

void FigureTooltips::describe()
{
    for (const auto& [object, name] : controls_) {
        QString description = QString::fromStdString(computations_.description(name));
        QString& told = told_[object];
        if (told == description) continue;
        told = std::move(description);
        QAccessibleEvent changed(const_cast<QObject*>(object), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

std::optional<QString> FigureTooltips::descriptionOf(const QWidget& widget) const
{
    auto it = controls_.find(&widget);
    if (it == controls_.end()) return std::nullopt;
    return QString::fromStdString(computations_.description(it->second));
}

bool FigureTooltips::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return false;
    auto it = controls_.find(watched);
    // The widget shows the tooltip itself once it is set.
    if (it != controls_.end())
        static_cast<QWidget*>(watched)->setToolTip(tooltipMarkup(computations_.tooltip(it->second)));
    return false;
}

QString tooltipMarkup(const std::string& text)
{
    const QStringList lines = QString::fromStdString(text).split('\n');
    // A cell of a fixed width: left to itself the toolkit wraps a tooltip a few words wide.
    QString markup =
        QString("<table width=\"%1\"><tr><td><b>").arg(TooltipWidth) + lines.front().toHtmlEscaped() + "</b>";
    for (qsizetype i = 1; i < lines.size(); ++i)
        markup += "<br>" + lines[i].toHtmlEscaped();
    return markup + "</td></tr></table>";
}

QString shownTooltip(const QString& tooltip)
{
    if (!Qt::mightBeRichText(tooltip)) return tooltip;
    QTextDocument document;
    document.setHtml(tooltip);
    // The cell's frame reads as a line break before and after the text.
    return document.toPlainText().trimmed();
}

}  // namespace platomer
