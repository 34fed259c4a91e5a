#pragma once
// A tick box; with the caption on the left it draws the caption at the left and the square at
// the right end of its rectangle. It never changes its own state: the binding sets it.

#include <QCheckBox>

class TickBox : public QCheckBox {
    Q_OBJECT
public:
    TickBox(const QString& caption, bool captionLeft, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    bool captionLeft_;
};
