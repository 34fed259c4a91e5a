// One QApplication for every GUI test, offscreen unless a platform is chosen.
#include <QApplication>
#include <gtest/gtest.h>

#include "tools/replay/Offscreen.h"

int main(int argc, char** argv)
{
    platomer::useOffscreen("platomer-gui-tests");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
