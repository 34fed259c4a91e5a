#pragma once
// What a screen reader reads from the amount fields, the counters and the display panels: their
// text without the blanks that pad an amount to the width of its field, as the value and through
// the text interface, with every offset counted in that shorter text. Caret and selection are
// only reported: the model alone moves them, so requests to move them change nothing.

#include <QAccessibleWidget>

class QLineEdit;

namespace platomer {
class DisplayPanel;

// The text without its leading blanks.
QString withoutPadding(const QString& text);

class PaddedTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    PaddedTextAccessible(QWidget* widget, QAccessible::Role role);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    // The widget's own text, blanks included, and its caret, selection and character places in
    // offsets of that text; rectangles and points in the widget's coordinates.
    virtual QString padded() const = 0;
    virtual int paddedCursor() const { return 0; }
    virtual bool paddedSelection(int* /*start*/, int* /*end*/) const { return false; }
    virtual QRect paddedCharacterRect(int offset) const = 0;
    virtual int paddedOffsetAt(const QPoint& point) const = 0;

private:
    int blanks() const;
    int shownOffset(int paddedOffset) const;
};

// An entry: an editable text whose caret and selection are those the model holds.
class EntryAccessible : public PaddedTextAccessible {
public:
    explicit EntryAccessible(QLineEdit* edit);
    QAccessible::State state() const override;

protected:
    QString padded() const override;
    int paddedCursor() const override;
    bool paddedSelection(int* start, int* end) const override;
    QRect paddedCharacterRect(int offset) const override;
    int paddedOffsetAt(const QPoint& point) const override;

private:
    QLineEdit* edit() const;
};

// A display panel: a text that can be read but not changed, drawn right-aligned.
class PanelAccessible : public PaddedTextAccessible {
public:
    explicit PanelAccessible(DisplayPanel* panel);
    QAccessible::State state() const override;

protected:
    QString padded() const override;
    QRect paddedCharacterRect(int offset) const override;
    int paddedOffsetAt(const QPoint& point) const override;

private:
    DisplayPanel* panel() const;
    // Where the text starts: it ends at the right edge of the inside of the bevel.
    int textLeft() const;
};

}  // namespace platomer
