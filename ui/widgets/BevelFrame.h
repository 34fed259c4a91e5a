#pragma once
// A panel drawn with the classic two-step bevel: an outer and an inner ring, each raised or
// lowered. Its children are placed from its top-left corner, as on the classic form. A panel that
// the keyboard stops on draws a dotted focus frame just inside its bevel while it holds the focus.
// A panel that reaches past the edge of its page has its bevel drawn along that edge.

#include <QFrame>

#include "ui/look/LookTable.h"

namespace platomer {

class BevelFrame : public QFrame {
    Q_OBJECT
public:
    explicit BevelFrame(QWidget* parent = nullptr);
    void setBevel(const Bevel& bevel);
    const Bevel& bevel() const { return bevel_; }
    // The rectangle inside both bevels.
    QRect insideRect() const;
    // Where the focus frame is drawn: one pixel in from the bevel.
    QRect focusRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the outer bevel runs: the panel's rectangle, or the part of it that its page shows.
    QRect bevelRect() const;

    Bevel bevel_;
};

}  // namespace platomer
