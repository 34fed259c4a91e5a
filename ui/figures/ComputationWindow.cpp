#include "ui/figures/ComputationWindow.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/figures/ComputationText.h"

namespace platomer {

namespace {

// How long after the window is shown an activation is the desktop's and not the user's.
constexpr int HandBackMs = 500;

}  // namespace

ComputationWindow::ComputationWindow(const TKalkulajda& form, QWidget* owner)
    : QWidget(owner, Qt::Window), form_(form), owner_(owner), view_(new QPlainTextEdit(this))
{
    setObjectName("computationWindow");
    setWindowTitle(QString::fromUtf8("Postup výpočtu"));
    // Shown at the user's request beside the calculator, which keeps the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    view_->setObjectName("computationText");
    view_->setReadOnly(true);
    view_->setUndoRedoEnabled(false);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Text can be selected and copied with a click into it, but Tab never lands here.
    view_->setFocusPolicy(Qt::ClickFocus);
    view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_);
    resize(560, owner->height());
}

void ComputationWindow::present()
{
    if (!isVisible()) {
        // To the right of the calculator where the screen has room, otherwise over its right part.
        const QRect frame = owner_->frameGeometry();
        QPoint at(frame.right() + 8, frame.top());
        if (const QScreen* screen = owner_->screen()) {
            const QRect room = screen->availableGeometry();
            if (at.x() + width() > room.right()) at.setX(std::max(room.left(), room.right() - width()));
        }
        move(at);
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

void ComputationWindow::refresh()
{
    if (!isVisible()) return;
    const QString text = QString::fromStdString(computationText(form_, form_.activePage()));
    if (text == this->text()) return;
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

QString ComputationWindow::text() const
{
    // The raw text keeps the no-break spaces that hold a figure and its unit together, which the
    // plain text turns into blanks; its lines end with paragraph separators.
    QString text = view_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, '\n');
    return text;
}

}  // namespace platomer
