// The display list: built once, the main display first.
#include "tests/framework/Fakes.h"

#include <gtest/gtest.h>

using namespace lume::test;
using lume::Area;
using lume::Display;

TEST(Displays, TheMainDisplayComesFirstAndTheOthersKeepTheirOrder)
{
    FakePlatformScope scope;
    scope.platform->displays = {
        {Area(-1280, 0, 0, 1024), 24, 11, false},
        {Area(1920, 0, 3200, 1024), 24, 12, false},
        {Area(0, 0, 1920, 1080), 32, 13, true},
    };
    const auto displays = Display::getDisplays();
    ASSERT_EQ(displays.size(), 3u);
    EXPECT_EQ(displays[0]->getNative(), 13);
    EXPECT_EQ(displays[0]->getArea(), Area(0, 0, 1920, 1080));
    EXPECT_EQ(displays[1]->getNative(), 12); // swapped with the first, not shifted
    EXPECT_EQ(displays[2]->getNative(), 11);
    EXPECT_EQ(Display::getMainDisplay(), displays[0]);
    EXPECT_EQ(Display::findFromNative(12), displays[1]);
    EXPECT_EQ(Display::findFromNative(99), displays[0]); // unknown monitor: the main display

    // Built once: a later change of the monitors is not seen.
    scope.platform->displays.clear();
    EXPECT_EQ(Display::getDisplays().size(), 3u);
}

TEST(Displays, WithoutAnyMonitorTheDesktopStandsIn)
{
    FakePlatformScope scope;
    scope.platform->displays.clear();
    scope.platform->desktop = {1280, 768};
    const auto displays = Display::getDisplays();
    ASSERT_EQ(displays.size(), 1u);
    EXPECT_EQ(displays[0]->getArea(), Area(0, 0, 1280, 768));
}
