#pragma once
// The window "Postup výpočtu": the computation of the page that is shown, step by step, read
// only. It follows every change of the inputs while it is open, never takes the focus from the
// calculator by itself and sends nothing to the model.

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;

namespace platomer {
class TKalkulajda;

class ComputationWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own that belongs to the calculator window `owner`.
    ComputationWindow(const TKalkulajda& form, QWidget* owner);

    // Shows the window beside the calculator without activating it, or raises it if it is open.
    void present();
    // Writes the computation again when the window is open.
    void refresh();
    // The text it shows.
    QString text() const;

protected:
    bool event(QEvent* event) override;

private:
    const TKalkulajda& form_;
    QWidget* owner_;
    QPlainTextEdit* view_;
    QPointer<QWidget> handBackTo_;
};

}  // namespace platomer
