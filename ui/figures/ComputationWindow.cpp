#include "ui/figures/ComputationWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "explain/ComputationText.h"
#include "ui/binding/QtKeys.h"
#include "ui/figures/FigureActions.h"
#include "ui/figures/WindowPlacement.h"
#include "ui/figures/WindowShortcuts.h"

namespace platomer {

namespace {

// How long after the window is shown an activation is the desktop's and not the user's.
constexpr int HandBackMs = 500;
// The room between the calculator's frame and this window's.
constexpr int Gap = 8;

const char* const Title = "Postup výpočtu";

}  // namespace

ComputationWindow::ComputationWindow(FigureActions& actions, const TKalkulajda& form, QWidget* owner)
    : QWidget(owner, Qt::Window), actions_(actions), form_(form), owner_(owner), view_(new QPlainTextEdit(this))
{
    setObjectName("computationWindow");
    setWindowTitle(QString::fromUtf8(Title));
    // A screen reader names the window and its text when the focus arrives.
    setAccessibleName(QString::fromUtf8(Title));
    // Shown at the user's request beside the calculator, which keeps the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    view_->setObjectName("computationText");
    view_->setAccessibleName(QString::fromUtf8(Title));
    view_->setReadOnly(true);
    view_->setUndoRedoEnabled(false);
    // Read only, with a caret that the arrows and the page keys move and Shift selects with.
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The only control of its window: the focus goes to it whenever the window is entered.
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_);
    resize(560, owner->height());
}

void ComputationWindow::present()
{
    if (!isVisible()) {
        place();
        // A desktop that activates every new window anyway gets the keyboard handed back to the
        // window that had it; an activation the user makes later stays.
        handBackTo_ = QApplication::activeWindow();
        QTimer::singleShot(HandBackMs, this, [this] { handBackTo_ = nullptr; });
        show();
    } else {
        raise();
    }
    refresh();
}

void ComputationWindow::place()
{
    // Beside the calculator, never over the figures it explains; the calculator moves aside when
    // only that makes room for both.
    const QScreen* screen = owner_->screen();
    if (!screen) return;
    const QRect frame = owner_->frameGeometry();
    const QSize decoration = frame.size() - owner_->size();
    const SideBySide placed = placeBeside(screen->availableGeometry(), frame, size() + decoration, Gap);
    if (placed.main != frame) owner_->move(placed.main.topLeft());
    resize(placed.beside.size() - decoration);
    move(placed.beside.topLeft());
}

void ComputationWindow::enter()
{
    if (!isVisible()) present();
    handBackTo_ = nullptr;
    raise();
    view_->setFocus(Qt::ActiveWindowFocusReason);
    activateWindow();
}

void ComputationWindow::leave(bool closing)
{
    handBackTo_ = nullptr;
    if (closing) close();
    // The calculator gets back the control it had, as after any change of windows: the model
    // sees no exit and no entry.
    owner_->activateWindow();
}

void ComputationWindow::refresh()
{
    if (!isVisible()) return;
    const int page = form_.activePage();
    const PageComputations& computations = actions_.computations();
    const QString text = QString::fromStdString(computations.text(page));
    if (text == this->text()) return;
    figures_.clear();
    for (const ExplanationLine& line : computations.lines(page))
        figures_.emplace_back(QString::fromStdString(line.label + ": " + platomer::render(line)), line.shown);
    // A change of the inputs keeps the place the user is reading.
    const int scrolled = view_->verticalScrollBar()->value();
    view_->setPlainText(text);
    view_->verticalScrollBar()->setValue(scrolled);
}

bool ComputationWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && handBackTo_) {
        QWidget* previous = handBackTo_;
        handBackTo_ = nullptr;
        previous->activateWindow();
    }
    return QWidget::event(event);
}

bool ComputationWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == view_) return takeKey(*static_cast<QKeyEvent*>(event));
    if (event->type() != QEvent::ContextMenu) return false;
    // The right button opens the menu of the line under the pointer, the keyboard that under the
    // caret.
    const auto* request = static_cast<QContextMenuEvent*>(event);
    if (request->reason() == QContextMenuEvent::Mouse)
        popUpLineMenu(
            view_->cursorForPosition(view_->viewport()->mapFrom(static_cast<QWidget*>(watched), request->pos()))
                .blockNumber(),
            request->globalPos());
    else
        openLineMenu();
    return true;
}

bool ComputationWindow::takeKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event.key() == Qt::Key_Escape && held == Qt::NoModifier) {
        leave(true);
        return true;
    }
    if (const std::optional<Key> key = keyOf(event); key == Key::Menu || key == Key::ShiftF10) {
        openLineMenu();
        return true;
    }
    // F6 here goes back; the calculator's other keys work here as they work there.
    if (windowShortcutOf(event) == WindowShortcut::OtherWindow) {
        if (!event.isAutoRepeat()) leave(false);
        return true;
    }
    return actions_.takeKey(event);
}

QMenu* ComputationWindow::openLineMenu()
{
    const QRect caret = view_->cursorRect();
    return popUpLineMenu(view_->textCursor().blockNumber(), view_->viewport()->mapToGlobal(caret.bottomLeft()));
}

QMenu* ComputationWindow::popUpLineMenu(int line, QPoint at)
{
    // The desktop may send the Menu key both as a key and as a request for a menu: one menu.
    if (lineMenu_) return lineMenu_;
    QMenu* menu = view_->createStandardContextMenu(view_->viewport()->mapFromGlobal(at));
    menu->setObjectName("computationMenu");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const std::string figure = figureOf(line);
    const std::string whole = view_->document()->findBlockByNumber(line).text().toStdString();
    QAction* first = menu->actions().value(0);
    auto* amount = new QAction(QString::fromUtf8("Kopírovat částku"), menu);
    amount->setEnabled(!figure.empty());
    connect(amount, &QAction::triggered, &actions_, [this, figure] { actions_.copy(figure); });
    auto* row = new QAction(QString::fromUtf8("Kopírovat řádek"), menu);
    row->setEnabled(!whole.empty());
    connect(row, &QAction::triggered, &actions_, [this, whole] { actions_.copy(whole); });
    menu->insertActions(first, {amount, row});
    menu->insertSeparator(first);
    lineMenu_ = menu;
    menu->popup(at);
    return menu;
}

std::string ComputationWindow::figureOf(int line) const
{
    // A line is the figure's own text, under the heading of the calculation with its step's number.
    const QString text = view_->document()->findBlockByNumber(line).text();
    for (const auto& [written, shown] : figures_) {
        if (!text.endsWith(written)) continue;
        const QString step = text.chopped(written.size());
        if (step.isEmpty() || (step.endsWith(". ") && step.chopped(2).toUInt() > 0)) return shown;
    }
    return {};
}

QString ComputationWindow::text() const
{
    // The raw text keeps the no-break spaces that hold a figure and its unit together, which the
    // plain text turns into blanks; its lines end with paragraph separators.
    QString text = view_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, '\n');
    return text;
}

}  // namespace platomer
