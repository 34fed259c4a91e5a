#include "ui/figures/FigureTooltips.h"

#include <QEvent>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

#include "explain/ComputationText.h"
#include "ui/accessibility/Announcements.h"
#include "ui/binding/ModelMirror.h"

namespace platomer {

namespace {

// In pixels: some sixty characters of the window's type on a line.
constexpr int TooltipWidth = 380;

}  // namespace

FigureTooltips::FigureTooltips(const TKalkulajda& form, const ModelMirror& mirror, QObject* parent)
    : QObject(parent), form_(form)
{
    for (const Control& control : form.controls()) {
        QWidget* widget = explainsFigure(control) ? mirror.widgetOf(control) : nullptr;
        if (!widget) continue;
        controls_.emplace(widget, control.name());
        widget->installEventFilter(this);
    }
    describe();
    if (Announcements* announcements = Announcements::of(mirror.window().window))
        connect(announcements, &Announcements::actionEnding, this, &FigureTooltips::describe);
}

void FigureTooltips::describe()
{
    for (const auto& [object, name] : controls_) {
        auto* widget = static_cast<QWidget*>(object);
        const QString description = QString::fromStdString(render(explain(form_, name)));
        if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
    }
}

bool FigureTooltips::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return false;
    auto it = controls_.find(watched);
    // The widget shows the tooltip itself once it is set.
    if (it != controls_.end())
        static_cast<QWidget*>(watched)->setToolTip(tooltipMarkup(tooltipText(form_, it->second)));
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
