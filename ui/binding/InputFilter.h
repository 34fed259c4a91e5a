#pragma once
// The one way in: mouse and keyboard input for the window's widgets is swallowed here and sent
// to the model as user actions; the model decides focus, exit, click and tick, and the widgets
// are mirrored afterwards. Qt's own reactions (click focus, Tab navigation, the tab strip's
// keys and wheel, a check box toggling itself, typing into a line edit) never happen.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <optional>

#include "model/UserActions.h"

class QContextMenuEvent;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QWidget;

namespace platomer {
class FigureActions;
class ModelMirror;

class InputFilter : public QObject {
    Q_OBJECT
public:
    InputFilter(TKalkulajda& form, UserActions& user, ModelMirror& mirror);
    ~InputFilter() override;

    // The window receives the focus for the first time: the model's activation, once per run.
    void activateOnce();
    // Runs one user action, then writes the model into the widgets and puts the focus back.
    void act(const std::function<void()>& action);
    // What the window does with its figures: it takes its own keys and the panels' menus, and
    // follows every action.
    void setFigures(FigureActions* figures);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ours(const QObject* watched) const;
    void mouse(QWidget* widget, QMouseEvent* event);
    void key(QKeyEvent* event);
    void contextMenu(QWidget* widget, QContextMenuEvent* event);
    void showMenu();
    // The character of an entry under a point of one of its widgets; -1 outside an entry.
    int characterAt(QWidget* widget, QPoint at) const;
    void focusArrived(QWidget* widget);

    TKalkulajda& form_;
    UserActions& user_;
    ModelMirror& mirror_;
    QPointer<QWidget> pressed_;
    int pressedAt_ = -1;
    bool doubleClick_ = false;
    QPointer<QMenu> menu_;
    // The tooltips, the computation window, the panels' menu and the printed page.
    QPointer<FigureActions> figures_;
    std::optional<QPoint> menuAt_;
    bool busy_ = false;
    bool activated_ = false;
    bool reassertQueued_ = false;
};

}  // namespace platomer
