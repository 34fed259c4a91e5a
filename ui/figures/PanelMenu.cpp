#include "ui/figures/PanelMenu.h"

#include <QMenu>

#include "model/Control.h"
#include "ui/figures/FigureActions.h"
#include "ui/figures/WindowShortcuts.h"

namespace platomer {

QMenu* popUpPanelMenu(FigureActions& actions, const Control& panel, QWidget* widget, QPoint at)
{
    auto* menu = new QMenu(widget);
    menu->setObjectName("panelMenu");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The control outlives any menu of it: both belong to the window.
    const Control* figure = &panel;
    auto add = [&](const char* text, auto run, std::optional<WindowShortcut> shortcut = std::nullopt) {
        QAction* action = menu->addAction(QString::fromUtf8(text));
        if (shortcut) {
            // Shown beside the item; the window takes the key itself, wherever the focus is.
            action->setShortcut(sequenceOf(*shortcut));
            action->setShortcutContext(Qt::WidgetShortcut);
            action->setShortcutVisibleInContextMenu(true);
        }
        QObject::connect(action, &QAction::triggered, &actions, run);
    };
    add("Kopírovat částku", [&actions, figure] { actions.copyAmount(*figure); });
    add(
        "Kopírovat celý výpočet", [&actions] { actions.copyComputation(); }, WindowShortcut::CopyComputation);
    menu->addSeparator();
    add(
        "Postup výpočtu\u2026", [&actions] { actions.showComputation(); }, WindowShortcut::Computation);
    add(
        "Tisk\u2026", [&actions] { actions.print(); }, WindowShortcut::Print);
    add(
        "Uložit jako PDF\u2026", [&actions] { actions.savePdf(); }, WindowShortcut::SavePdf);
    menu->popup(at);
    return menu;
}

}  // namespace platomer
