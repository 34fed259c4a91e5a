#pragma once
// The window "Postup výpočtu": the computation of the page that is shown, step by step, read
// only. It follows every change of the inputs while it is open, never takes the focus from the
// calculator by itself and sends nothing to the model. The keyboard reaches it as another
// window: F6 (or F1 again) goes into it and F6 or Escape back, the calculator's focused control
// keeping its place the while; inside, a caret moves over the text, and Shift+F10 or the Menu key
// copies the figure or the whole line under it.

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

class QKeyEvent;
class QMenu;
class QPlainTextEdit;

namespace platomer {
class FigureActions;
class TKalkulajda;

class ComputationWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own that belongs to the calculator window `owner`; the keys the calculator
    // takes for itself, and the clipboard, are those of `actions`.
    ComputationWindow(FigureActions& actions, const TKalkulajda& form, QWidget* owner);

    // Shows the window beside the calculator without activating it, or raises it if it is open.
    void present();
    // The keyboard into its text, as when the user switches windows; shows it first if need be.
    void enter();
    // The keyboard back to the calculator, whose focused control has kept its place; `closing`
    // closes this window as well.
    void leave(bool closing);
    // Writes the computation again when the window is open.
    void refresh();
    // The text it shows.
    QString text() const;
    // The menu of the line under the caret, as Shift+F10 and the Menu key open it.
    QMenu* openLineMenu();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    bool takeKey(const QKeyEvent& event);
    // The menu of a line (a paragraph of the text) at a point of the screen.
    QMenu* popUpLineMenu(int line, QPoint at);
    // What "Kopírovat částku" copies from a line: the figure as its control shows it, without
    // padding; empty for a line that holds no figure.
    std::string figureOf(int line) const;

    FigureActions& actions_;
    const TKalkulajda& form_;
    QWidget* owner_;
    QPlainTextEdit* view_;
    QPointer<QWidget> handBackTo_;
    QPointer<QMenu> lineMenu_;
    // Each figure's line as the text writes it (without a step's number) and the figure shown.
    std::vector<std::pair<QString, std::string>> figures_;
};

}  // namespace platomer
