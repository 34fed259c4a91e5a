#pragma once
// The context menu of a display panel: its figure or the whole computation to the clipboard, the
// window "Postup výpočtu", printing and saving the printed page as PDF.

#include <QPoint>

class QMenu;
class QWidget;

namespace platomer {
class Control;
class FigureActions;

// Opens the menu of the panel at a point of the screen; it deletes itself when it closes.
QMenu* popUpPanelMenu(FigureActions& actions, const Control& panel, QWidget* widget, QPoint at);

}  // namespace platomer
