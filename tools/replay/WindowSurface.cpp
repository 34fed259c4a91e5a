// The replay surface of the real window: every action is a real mouse or key event that goes
// through the binding, and every state is read back from the widgets.
#include "tools/replay/WindowSurface.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "explain/ComputationText.h"
#include "tools/replay/ReplayScript.h"
#include "ui/binding/Binding.h"
#include "ui/binding/CharacterOffsets.h"
#include "ui/binding/QtKeys.h"
#include "ui/figures/ComputationWindow.h"
#include "ui/figures/FigureTooltips.h"
#include "ui/figures/ReportPage.h"
#include "ui/look/FieldColour.h"
#include "ui/widgets/DisplayPanel.h"

namespace platomer {

namespace {

class WindowSurface : public Surface {
public:
    WindowSurface(TKalkulajda& form, Binding& binding) : form_(form), binding_(binding) {}

    void click(const std::string& name) override
    {
        QWidget* widget = widget_(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        settle();
    }

    void clickPage(int page) override
    {
        QTabBar* strip = tabs()->tabBar();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(page).center());
        settle();
    }

    void type(char32_t character) override
    {
        const QString text = QString::fromUcs4(&character, 1);
        Qt::Key code = Qt::Key_unknown;
        if (character == '\t')
            code = Qt::Key_Tab;
        else if (character == ' ')
            code = Qt::Key_Space;
        else if (character < 0x10000 && QChar(character).isPrint())
            code = static_cast<Qt::Key>(QChar(character).toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, keyTarget(), code, text, Qt::NoModifier);
        settle();
    }

    void press(Key key) override
    {
        const QtKey qt = qtKeyOf(key);
        QTest::keyClick(keyTarget(), qt.code, qt.modifiers);
        settle();
    }

    // The clipboard holds the text; the focused entry's context menu pastes it.
    void paste(const std::string& text) override
    {
        QApplication::clipboard()->setText(QString::fromStdString(text));
        QWidget* target = keyTarget();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, target->rect().center(),
                                  target->mapToGlobal(target->rect().center()));
        QApplication::sendEvent(target, &request);
        settle();
        if (openMenu()) chooseMenu("Vložit");
    }

    // A press on one character, a move to another and the release there. Each end is brought
    // into view before the mouse reaches it, as a drag past the edge of a narrow entry scrolls it.
    void select(const std::string& name, int start, int length) override
    {
        auto* edit = lineEdit(name);
        const QPoint from = reach(edit, start);
        QTest::mousePress(edit, Qt::LeftButton, {}, from);
        const QPoint to = reach(edit, dragEnd(start, length));
        QTest::mouseMove(edit, to);
        QTest::mouseRelease(edit, Qt::LeftButton, {}, to);
        settle();
    }

    // A click, then the second press of a double click and its release, on one character; the
    // click may have scrolled the entry, so the character is brought into view again.
    void doubleClick(const std::string& name, int index) override
    {
        auto* edit = lineEdit(name);
        QTest::mouseClick(edit, Qt::LeftButton, {}, reach(edit, index));
        settle();
        const QPoint at = reach(edit, index);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, edit->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(edit, &second);
        QTest::mouseRelease(edit, Qt::LeftButton, {}, at);
        settle();
    }

    // The right button: the desktop sends the press and then asks for the context menu.
    void rightClick(const std::string& name) override
    {
        QWidget* widget = widget_(name);
        const QPoint at = widget->rect().center();
        QTest::mouseClick(widget, Qt::RightButton, {}, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &request);
        settle();
    }

    bool chooseMenu(const std::string& item) override
    {
        QMenu* menu = openMenu();
        if (!menu) return false;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && action->text().remove('&').toStdString() == item) chosen = action;
        if (!chosen && item != "-") return false;
        // As a click on the item does: the menu closes, then the action runs.
        menu->close();
        if (chosen) chosen->trigger();
        settle();
        regainActivation();
        return true;
    }

    void dismissMenu() override
    {
        if (QMenu* menu = openMenu()) {
            menu->close();
            settle();
            regainActivation();
        }
    }

    std::string clipboard() override { return QApplication::clipboard()->text().toStdString(); }

    // A hover: the toolkit asks the widget for its tooltip at the pointer, and it is shown.
    std::optional<std::string> tooltip(const std::string& name) override
    {
        if (!explainsFigure(form_.control(name))) return std::nullopt;
        QWidget* widget = widget_(name);
        const QPoint at = widget->rect().center();
        QHelpEvent hover(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &hover);
        const QString shown = shownTooltip(widget->toolTip());
        QToolTip::hideText();
        settle();
        return shown.toStdString();
    }

    // F1 opens the window "Postup výpočtu"; its text is read, and it is closed again.
    std::string computationText() override
    {
        QTest::keyClick(keyTarget(), Qt::Key_F1);
        settle();
        auto* shown = window()->findChild<ComputationWindow*>("computationWindow");
        if (!shown || !shown->isVisible()) return {};
        std::string text = shown->text().toStdString();
        shown->close();
        settle();
        regainActivation();
        return text;
    }

    // Ctrl+Shift+C, which the window takes wherever the focus is.
    std::string copyComputation() override
    {
        QTest::keyClick(keyTarget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        settle();
        return clipboard();
    }

    bool reportPdf(const std::string& file) override
    {
        return writeReportPdf(form_, QString::fromStdString(file), QDate::currentDate());
    }

    bool isEntry(const std::string& name) override { return lineEdit(name) != nullptr; }

    ControlState state(const std::string& name) override
    {
        const Control& control = form_.control(name);
        QWidget* widget = widget_(name);
        ControlState s;
        s.text = text(control, widget);
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            s.tickBox = true;
            s.ticked = box->isChecked();
        }
        s.enabled = widget->isEnabled();
        if (control.kind() == Kind::Page)
            s.visible = tabs()->isTabVisible(tabs()->indexOf(widget));
        else
            s.visible = !widget->isHidden();
        s.focused = focusName() == name;
        s.background = control.kind() == Kind::NumericEntry ? colourName(fieldColour(*widget)) : "-";
        return s;
    }

    std::string focusName() override
    {
        Control* control = binding_.mirror().controlOf(QApplication::focusWidget());
        return control ? control->name() : std::string();
    }

    bool onHiddenPage(const std::string& name) override
    {
        QWidget* widget = widget_(name);
        for (int page = 0; page < tabs()->count(); ++page)
            if (tabs()->widget(page)->isAncestorOf(widget) || tabs()->widget(page) == widget)
                return page != tabs()->currentIndex();
        return false;
    }

    bool hasWindow() const override { return true; }

    // Each control's place relative to the inside of its parent, as the control table gives it.
    std::vector<std::string> geometry() override
    {
        std::vector<std::string> lines;
        const QRect client = window()->geometry();
        const std::string first = std::string(controlTable().front().name) + "\t-\t" + std::to_string(client.x()) +
                                  '\t' + std::to_string(client.y()) + '\t' + std::to_string(client.width()) + '\t' +
                                  std::to_string(client.height());
        for (const ControlRow& row : controlTable()) {
            if (row.kind == Kind::Window) continue;
            QWidget* widget = widget_(row.name);
            QWidget* parent = std::string(row.parent) == "Kalkulajda" ? window() : widget_(row.parent);
            const QPoint at = widget->mapTo(parent, QPoint(0, 0));
            lines.push_back(std::string(row.name) + '\t' + row.parent + '\t' + std::to_string(at.x()) + '\t' +
                            std::to_string(at.y()) + '\t' + std::to_string(widget->width()) + '\t' +
                            std::to_string(widget->height()));
        }
        std::sort(lines.begin(), lines.end());
        // The window itself first: its client area on the screen.
        lines.insert(lines.begin(), first);
        return lines;
    }

    bool screenshot(const std::string& file) override
    {
        return window()->grab().save(QString::fromStdString(file), "PNG");
    }

private:
    QWidget* window() const { return binding_.mirror().window().window; }
    QTabWidget* tabs() const { return binding_.mirror().window().tabs; }
    QWidget* widget_(const std::string& name) const { return binding_.mirror().window().widgets.at(name); }

    QLineEdit* lineEdit(const std::string& name) const { return qobject_cast<QLineEdit*>(widget_(name)); }

    static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    // The offscreen platform activates a popup like a window and does not hand the activation
    // back when it closes; a desktop keeps the main window active throughout.
    void regainActivation() const
    {
        if (window()->isActiveWindow()) return;
        window()->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(window()));
        settle();
    }

    // A point in the entry where a press puts the caret before the character at `index`; a
    // position past either end of the text is that end. The entry's view follows its caret when
    // it is painted, so a position scrolled out of sight is brought into view by one paint with
    // the caret there; the caret and the selection are put back at once, so that only the view
    // has moved when the mouse arrives.
    static QPoint reach(QLineEdit* edit, int index)
    {
        const int wanted = utf16Offset(edit->text(), std::max(index, 0));
        if (std::optional<QPoint> at = shownPosition(edit, wanted, true)) return *at;
        {
            const QSignalBlocker quiet(edit);
            const int caret = edit->cursorPosition(), start = edit->selectionStart(), end = edit->selectionEnd();
            edit->setCursorPosition(wanted);
            edit->repaint();
            if (start < 0)
                edit->setCursorPosition(caret);
            else if (caret == start)
                edit->setSelection(end, start - end);
            else
                edit->setSelection(start, end - start);
        }
        return shownPosition(edit, wanted, false).value_or(QPoint(edit->width() - 1, edit->height() / 2));
    }

    // The first point of the entry's middle line where a press puts the caret at `wanted`, or
    // (unless `exactly`) at the first position after it, should `wanted` split a character that
    // the entry shows as one.
    static std::optional<QPoint> shownPosition(QLineEdit* edit, int wanted, bool exactly)
    {
        const int y = edit->height() / 2;
        for (int x = 0; x < edit->width(); ++x) {
            const int position = edit->cursorPositionAt(QPoint(x, y));
            if (position == wanted || (!exactly && position > wanted)) return QPoint(x, y);
        }
        return std::nullopt;
    }

    QWidget* keyTarget() const
    {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused : window();
    }

    std::string text(const Control& control, QWidget* widget) const
    {
        QString shown;
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            shown = edit->text();
        else if (auto* panel = qobject_cast<DisplayPanel*>(widget))
            shown = panel->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            shown = label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            shown = group->title();
        else if (auto* box = qobject_cast<QCheckBox*>(widget))
            shown = box->text();
        else if (control.kind() == Kind::Page)
            shown = tabs()->tabText(tabs()->indexOf(widget));
        return shown.toStdString();
    }

    // Lets posted events (a closed menu's deletion, focus changes) happen before the next line.
    static void settle() { QCoreApplication::processEvents(); }

    TKalkulajda& form_;
    Binding& binding_;
};

}  // namespace

std::unique_ptr<Surface> windowSurface(TKalkulajda& form, Binding& binding)
{
    return std::make_unique<WindowSurface>(form, binding);
}

std::string WindowPlatform::clipboardText() const { return QApplication::clipboard()->text().toStdString(); }

void WindowPlatform::setClipboardText(const std::string& text)
{
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace platomer
