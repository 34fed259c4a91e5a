// Where the window "Postup výpočtu" opens on screens of every size: beside the calculator on the
// side that has room, the calculator moved aside only when neither side has room and the screen
// holds both, an overlap only on a screen too narrow for both.
#include <algorithm>
#include <gtest/gtest.h>

#include "ui/figures/WindowPlacement.h"

namespace platomer {

namespace {

constexpr int Gap = 8;
const QSize Beside(560, 700);

}  // namespace

TEST(WindowPlacement, TheCalculatorMovesAsLittleAsItMustWhenNeitherSideHasRoom)
{
    const QRect screen(0, 0, 1280, 1024);
    // Centred, as a desktop often opens it: 310 px free either side.
    const QRect centred(310, 40, 660, 700);
    SideBySide placed = placeBeside(screen, centred, Beside, Gap);
    EXPECT_EQ(placed.main, QRect(52, 40, 660, 700));  // 258 px to the left
    EXPECT_EQ(placed.beside, QRect(720, 40, 560, 700));
    // Nearer the right edge, moving right to free the left side is shorter.
    const QRect rightish(400, 40, 660, 700);
    placed = placeBeside(screen, rightish, Beside, Gap);
    EXPECT_EQ(placed.main, QRect(568, 40, 660, 700));
    EXPECT_EQ(placed.beside, QRect(0, 40, 560, 700));
}

// Every position of the calculator on screens that hold both: never an overlap, both wholly on
// the screen, the calculator left where it was whenever one side had room, the right side first.
TEST(WindowPlacement, NoPositionOnAScreenWideEnoughGivesAnOverlap)
{
    for (const QRect screen : {QRect(0, 0, 1280, 1024), QRect(1920, 0, 1280, 1024), QRect(-1228, 30, 1228, 900)}) {
        for (int left = screen.left(); left + 660 <= screen.left() + screen.width(); left += 7) {
            const QRect main(left, screen.top() + 20, 660, 700);
            const SideBySide placed = placeBeside(screen, main, Beside, Gap);
            EXPECT_FALSE(placed.main.intersects(placed.beside)) << left;
            EXPECT_TRUE(screen.contains(placed.main)) << left;
            EXPECT_TRUE(screen.contains(placed.beside)) << left;
            const int apart = std::max(placed.beside.left() - (placed.main.right() + 1),
                                       placed.main.left() - (placed.beside.right() + 1));
            EXPECT_GE(apart, Gap) << left;
            const bool right = left + 660 + Gap + 560 <= screen.left() + screen.width();
            if (right || left - Gap - 560 >= screen.left()) {
                EXPECT_EQ(placed.main, main) << left;
                EXPECT_EQ(placed.beside.left() > main.left(), right) << left;
            }
        }
    }
}

TEST(WindowPlacement, OnlyAScreenTooNarrowForBothOverlapsThem)
{
    // 800 px hold the calculator or the window, not both: the window keeps to the right edge.
    const QRect screen(0, 0, 800, 600);
    const QRect main(20, 0, 660, 560);
    const SideBySide placed = placeBeside(screen, main, QSize(560, 560), Gap);
    EXPECT_EQ(placed.main, main);
    EXPECT_EQ(placed.beside, QRect(240, 0, 560, 560));
    // A window wider than the screen starts at its left edge.
    EXPECT_EQ(placeBeside(screen, main, QSize(900, 560), Gap).beside.left(), 0);
}

TEST(WindowPlacement, ItsTopIsTheCalculatorsKeptOnTheScreen)
{
    const QRect screen(0, 24, 1280, 1000);  // a panel at the top of the screen
    // Level with the calculator.
    EXPECT_EQ(placeBeside(screen, QRect(0, 100, 660, 700), Beside, Gap).beside.top(), 100);
    // Low on the screen: lifted so that its bottom stays on it.
    EXPECT_EQ(placeBeside(screen, QRect(0, 500, 660, 700), Beside, Gap).beside.bottom(), 1023);
    // Partly above the screen: down to its top.
    EXPECT_EQ(placeBeside(screen, QRect(0, -50, 660, 700), Beside, Gap).beside.top(), 24);
    // Taller than the screen: as tall as the screen.
    EXPECT_EQ(placeBeside(screen, QRect(0, 100, 660, 700), QSize(560, 1200), Gap).beside, QRect(668, 24, 560, 1000));
}

}  // namespace platomer
