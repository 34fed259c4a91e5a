#include "ui/accessibility/AccessibleFields.h"

#include <QLineEdit>
#include <QVariant>

#include "ui/accessibility/AssistiveClient.h"
#include "ui/widgets/DisplayPanel.h"

namespace platomer {

namespace {

// The field puts the caret at the character boundary nearest to a point, so the caret passes to
// boundary `boundary` at the middle of the character before it: the leftmost x where it does,
// found by halving, is that character's middle, wherever the field has scrolled its text.
int middleBefore(QLineEdit& edit, int boundary)
{
    const int y = edit.height() / 2;
    const int reach = edit.width() + edit.fontMetrics().horizontalAdvance(edit.text());
    int low = -reach;
    int high = reach;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (edit.cursorPositionAt(QPoint(mid, y)) >= boundary)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

}  // namespace

QString withoutPadding(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    return text.mid(i);
}

PaddedTextAccessible::PaddedTextAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

void* PaddedTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString PaddedTextAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value) return withoutPadding(padded());
    // A figure's explanation is made when a screen reader asks for it.
    if (type == QAccessible::Description)
        if (std::optional<QString> explained = describe(*widget())) return *explained;
    return QAccessibleWidget::text(type);
}

int PaddedTextAccessible::blanks() const
{
    const QString text = padded();
    return static_cast<int>(text.size() - withoutPadding(text).size());
}

int PaddedTextAccessible::shownOffset(int paddedOffset) const
{
    return qBound(0, paddedOffset - blanks(), characterCount());
}

void PaddedTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    int start = 0;
    int end = 0;
    if (selectionIndex != 0 || !paddedSelection(&start, &end)) return;
    *startOffset = shownOffset(start);
    *endOffset = shownOffset(end);
}

int PaddedTextAccessible::selectionCount() const
{
    int start = 0;
    int end = 0;
    // A selection of padding blanks only selects nothing that is read.
    return paddedSelection(&start, &end) && shownOffset(start) != shownOffset(end) ? 1 : 0;
}

int PaddedTextAccessible::cursorPosition() const { return shownOffset(paddedCursor()); }

QString PaddedTextAccessible::text(int startOffset, int endOffset) const
{
    startOffset = qMax(0, startOffset);
    if (startOffset > endOffset) return {};
    return withoutPadding(padded()).mid(startOffset, endOffset - startOffset);
}

int PaddedTextAccessible::characterCount() const { return static_cast<int>(withoutPadding(padded()).size()); }

QRect PaddedTextAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount()) return {};
    const QRect local = paddedCharacterRect(offset + blanks());
    return {widget()->mapToGlobal(local.topLeft()), local.size()};
}

int PaddedTextAccessible::offsetAtPoint(const QPoint& point) const
{
    const int offset = paddedOffsetAt(widget()->mapFromGlobal(point));
    return offset < 0 ? -1 : shownOffset(offset);
}

QString PaddedTextAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    // One run of the widget's font over the whole text.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

EntryAccessible::EntryAccessible(QLineEdit* edit) : PaddedTextAccessible(edit, QAccessible::EditableText) {}

QLineEdit* EntryAccessible::edit() const { return static_cast<QLineEdit*>(widget()); }

QAccessible::State EntryAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    state.readOnly = edit()->isReadOnly();
    return state;
}

QString EntryAccessible::padded() const { return edit()->text(); }

int EntryAccessible::paddedCursor() const { return edit()->cursorPosition(); }

bool EntryAccessible::paddedSelection(int* start, int* end) const
{
    if (!edit()->hasSelectedText()) return false;
    *start = edit()->selectionStart();
    *end = edit()->selectionEnd();
    return true;
}

QRect EntryAccessible::paddedCharacterRect(int offset) const
{
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int width = edit()->fontMetrics().horizontalAdvance(padded().at(offset));
    return {middleBefore(*edit(), offset + 1) - width / 2, caret.y(), width, caret.height()};
}

int EntryAccessible::paddedOffsetAt(const QPoint& point) const
{
    if (!edit()->rect().contains(point)) return -1;
    // The boundary nearest to the point has the character under it on one side or the other.
    const int boundary = edit()->cursorPositionAt(point);
    if (boundary > 0 && point.x() <= paddedCharacterRect(boundary - 1).right()) return boundary - 1;
    return boundary < padded().size() ? boundary : -1;
}

PanelAccessible::PanelAccessible(DisplayPanel* panel) : PaddedTextAccessible(panel, QAccessible::EditableText) {}

DisplayPanel* PanelAccessible::panel() const { return static_cast<DisplayPanel*>(widget()); }

QAccessible::State PanelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

QString PanelAccessible::padded() const { return panel()->text(); }

int PanelAccessible::textLeft() const
{
    const QRect inside = panel()->insideRect();
    return inside.x() + inside.width() - panel()->fontMetrics().horizontalAdvance(padded());
}

QRect PanelAccessible::paddedCharacterRect(int offset) const
{
    const QString text = padded();
    const QFontMetrics metrics = panel()->fontMetrics();
    const QRect inside = panel()->insideRect();
    const int height = metrics.height();
    return {textLeft() + metrics.horizontalAdvance(text.left(offset)), inside.y() + (inside.height() - height) / 2,
            metrics.horizontalAdvance(text.at(offset)), height};
}

int PanelAccessible::paddedOffsetAt(const QPoint& point) const
{
    const QString text = padded();
    const int left = textLeft();
    if (!panel()->insideRect().contains(point) || point.x() < left) return -1;
    const QFontMetrics metrics = panel()->fontMetrics();
    for (int i = 0; i < text.size(); ++i)
        if (point.x() < left + metrics.horizontalAdvance(text.left(i + 1))) return i;
    return -1;
}

}  // namespace platomer
