#pragma once
// A tick box; with the caption on the left it draws the caption at the left and the square at
// the right end of its rectangle. It never changes its own state: the binding sets it. While it
// holds the focus it draws a dotted frame round its caption, or round itself when it has none.

#include <QCheckBox>

namespace platomer {

class TickBox : public QCheckBox {
    Q_OBJECT
public:
    TickBox(const QString& caption, bool captionLeft, QWidget* parent = nullptr);
    // Where the square is drawn.
    QRect squareRect() const;
    // Where the focus frame is drawn.
    QRect focusRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole rectangle, caption included, takes a click.
    bool hitButton(const QPoint& pos) const override;
    // A click or the space bar leaves the tick as it is.
    void nextCheckState() override;

private:
    QRect captionRect() const;
    bool captionLeft_;
};

}  // namespace platomer
