#pragma once
// What the window does with its figures besides showing them: the tooltips that explain them,
// the window "Postup výpočtu", the menu of a display panel, the clipboard, the printed page and
// its PDF. All of it only reads the model: no figure is computed here and no event of the model
// is raised, so the calculation cannot tell whether any of it was used.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <string>

#include "explain/PageComputations.h"
#include "ui/figures/ComputationWindow.h"

class QKeyEvent;

namespace platomer {
class Control;
class ModelMirror;
class TKalkulajda;

// The file the printed page is offered to be saved as, by the print dialog and by "Uložit jako
// PDF…" alike: "Výpočet mzdy 2023.pdf", with the year of the rules in force, in the user's
// documents folder (the home folder when there is none).
QString reportFile(const TKalkulajda& form);

class FigureActions : public QObject {
    Q_OBJECT
public:
    // Belongs to the calculator window of the mirror.
    FigureActions(TKalkulajda& form, const ModelMirror& mirror);

    // A key that the window takes for itself (ui/WindowShortcuts.h): runs it and returns true.
    bool takeKey(const QKeyEvent& event);
    // The right button on a display panel opens its menu; false for any other control.
    bool openPanelMenu(const Control& control, QPoint at);
    // After every action of the user: the open computation window follows the inputs.
    void refresh();

    // Opens the window "Postup výpočtu" beside the calculator, keeping the focus where it is; when
    // it is open already, the focus goes into it.
    void showComputation();
    // Text to the clipboard the entries paste from.
    void copy(const std::string& text);
    // The figure of a panel alone, without the blanks that pad it.
    void copyAmount(const Control& panel);
    // The computation of the page that is shown, as ui/ComputationText.h has it for the clipboard.
    void copyComputation();
    // The printed page through the system's print dialog.
    void print();
    // The printed page to a PDF file chosen in a file dialog, which offers reportFile().
    void savePdf();

    // The window "Postup výpočtu", once it has been opened.
    ComputationWindow* computationWindow() const { return computation_; }
    // The explanations of both pages, which every feature here reads.
    const PageComputations& computations() const { return computations_; }

private:
    TKalkulajda& form_;
    PageComputations computations_;
    QWidget* window_;
    QPointer<ComputationWindow> computation_;
};

}  // namespace platomer
