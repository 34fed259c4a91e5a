#pragma once
// A panel drawn with the classic two-step bevel: an outer and an inner ring, each raised or
// lowered. Its children are placed from its top-left corner, as on the classic form. A panel that
// the keyboard stops on draws a dotted focus frame just inside its bevel while it holds the focus.

#include <QFrame>

#include "ui/look/LookTable.h"

namespace platomer {

class BevelFrame : public QFrame {
    Q_OBJECT
public:
    explicit BevelFrame(QWidget* parent = nullptr);
    void setBevel(const Bevel& bevel);
    // The rectangle inside both bevels.
    QRect insideRect() const;
    // Where the focus frame is drawn: one pixel in from the bevel.
    QRect focusRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel bevel_;
};

}  // namespace platomer
