// Every frame of the window is closed: the outermost line of each bevelled panel and of each group
// box runs along all four edges of the part of it that its page shows, on a plain screen and on
// screens scaled by a half and by two.
#include <QGroupBox>
#include <QImage>
#include <QStyleOptionGroupBox>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "WindowFixture.h"
#include "ui/widgets/BevelFrame.h"

namespace platomer {

namespace {

// The colours of a frame's outermost line: one at the top and the left, one at the bottom and the
// right.
struct OuterLine {
    QColor topLeft;
    QColor bottomRight;
};

struct Frame {
    std::string name;
    QRect shown;    // the outermost line's rectangle, in the window, cut to what the page shows
    QRect caption;  // a group box's title, which interrupts its top line
    OuterLine line;
};

// The part of a rectangle of `widget` that its parents leave visible, in the window.
QRect shownPart(QRect rect, const QWidget& widget, const QWidget& window)
{
    QRect part = rect.translated(widget.mapTo(&window, QPoint(0, 0)));
    for (const QWidget* above = widget.parentWidget(); above && above != &window; above = above->parentWidget())
        part &= QRect(above->mapTo(&window, QPoint(0, 0)), above->size());
    return part;
}

std::vector<Frame> framesShown(const QWidget& window)
{
    std::vector<Frame> frames;
    const QColor light = window.palette().color(QPalette::Light);
    const QColor dark = window.palette().color(QPalette::Dark);
    for (const BevelFrame* panel : window.findChildren<BevelFrame*>()) {
        if (!panel->isVisible()) continue;
        const Bevel& bevel = panel->bevel();
        const BevelCut outer = bevel.outer != BevelCut::None ? bevel.outer : bevel.inner;
        if (outer == BevelCut::None) continue;
        const OuterLine line = outer == BevelCut::Raised ? OuterLine{light, dark} : OuterLine{dark, light};
        frames.push_back({panel->objectName().toStdString(), shownPart(panel->rect(), *panel, window), {}, line});
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (!box->isVisible()) continue;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect frame = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
        QRect caption;
        if (!box->title().isEmpty())
            caption = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // An etched line: sunken outside, raised inside.
        frames.push_back({box->objectName().toStdString(), shownPart(frame, *box, window),
                          caption.translated(box->mapTo(&window, QPoint(0, 0))), OuterLine{dark, light}});
    }
    return frames;
}

// The device pixels that cover logical pixel `at`.
struct Span {
    int first;
    int last;
};
Span deviceSpan(int at, qreal ratio)
{
    return {static_cast<int>(std::floor(at * ratio)), static_cast<int>(std::ceil((at + 1) * ratio)) - 1};
}

// One edge of a frame: the logical line `across` (a column for a vertical edge, a row for a
// horizontal one) from `from` to `to`. Returns how many device pixels along it have no pixel of
// `colour` across the line; those inside `skip` (along the edge) are not looked at.
int gapsAlong(const QImage& image, bool vertical, int across, int from, int to, const QColor& colour,
              Span skip = {1, 0})
{
    const qreal ratio = image.devicePixelRatio();
    const Span band = deviceSpan(across, ratio);
    int gaps = 0;
    for (int along = deviceSpan(from, ratio).first; along <= deviceSpan(to, ratio).last; ++along) {
        if (along >= skip.first && along <= skip.last) continue;
        bool drawn = false;
        for (int at = band.first; at <= band.last && !drawn; ++at)
            drawn = (vertical ? image.pixelColor(at, along) : image.pixelColor(along, at)) == colour;
        gaps += drawn ? 0 : 1;
    }
    return gaps;
}

// At each ratio in the window's own year and in a later one, whose page shows the employee's frame.
class Frames : public WindowFixture, public ::testing::WithParamInterface<std::tuple<qreal, int>> {};

// The corners, where the lines of two edges meet, are left out: two logical pixels at each end.
TEST_P(Frames, EveryFrameIsClosedOnBothPages)
{
    const qreal ratio = std::get<0>(GetParam());
    form->ZvolRok(std::get<1>(GetParam()));
    QWidget* window = built.window;
    for (int page = 0; page < 2; ++page) {
        clickTab(page);
        ASSERT_EQ(built.tabs->currentIndex(), page);
        QImage image((QSizeF(window->size()) * ratio).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        window->render(&image);
        const std::vector<Frame> frames = framesShown(*window);
        ASSERT_GT(frames.size(), 5U);
        for (const Frame& frame : frames) {
            const QRect& r = frame.shown;
            const OuterLine& line = frame.line;
            const Span caption = frame.caption.isNull() ? Span{1, 0}
                                                        : Span{deviceSpan(frame.caption.left(), ratio).first,
                                                               deviceSpan(frame.caption.right(), ratio).last};
            const std::string where = frame.name + " on page " + std::to_string(page) + " at ratio " +
                                      std::to_string(ratio) + ": device pixels missing along the ";
            EXPECT_EQ(gapsAlong(image, false, r.top(), r.left() + 2, r.right() - 2, line.topLeft, caption), 0)
                << where << "top";
            EXPECT_EQ(gapsAlong(image, true, r.left(), r.top() + 2, r.bottom() - 2, line.topLeft), 0)
                << where << "left";
            EXPECT_EQ(gapsAlong(image, false, r.bottom(), r.left() + 2, r.right() - 2, line.bottomRight), 0)
                << where << "bottom";
            EXPECT_EQ(gapsAlong(image, true, r.right(), r.top() + 2, r.bottom() - 2, line.bottomRight), 0)
                << where << "right";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, Frames,
                         ::testing::Combine(::testing::Values(1.0, 1.5, 2.0), ::testing::Values(2023, 2026)));

}  // namespace

}  // namespace platomer
