#include "platform/window_place.h"

#include <gtest/gtest.h>

#include <ostream>

namespace nencho {

void PrintTo(const WindowSpot& spot, std::ostream* out) {
    *out << "(" << spot.x << ", " << spot.y << ")";
}

namespace {

// A 1600 × 1200 screen with a panel of 40 pixels at its foot, and the main window's frame as
// the program first shows it there: 690 × 560, its buttons in the right three fifths.
constexpr WindowRect kScreen{0, 0, 1600, 1160};
constexpr WindowRect kMainAtLeft{0, 300, 690, 560};

constexpr WindowRect buttonsOf(const WindowRect& main) {
    return {main.x + 272, main.y + 60, 402, 340};
}

TEST(WindowPlaceTest, AScreenStandsBesideTheMainWindowWhollyOnTheScreen) {
    struct Case {
        const char* what;
        WindowRect main;
        WindowRect screen;
        int width;
        int height;
        WindowSpot expected;
    };
    const Case cases[] = {
        {"room on the right: beside it, tops level", kMainAtLeft, kScreen, 845, 580, {690, 300}},
        {"the widest screen still fits on the right", kMainAtLeft, kScreen, 910, 580, {690, 300}},
        {"a tall screen is lifted to stay on the screen",
         kMainAtLeft,
         kScreen,
         700,
         1000,
         {690, 160}},
        {"main window at the right edge: on its left",
         {910, 100, 690, 560},
         kScreen,
         845,
         580,
         {65, 100}},
        {"main window near the top: its top kept on the screen",
         {0, -20, 690, 560},
         kScreen,
         600,
         400,
         {690, 0}},
        {"no room on either side: below it", {455, 0, 690, 560}, kScreen, 690, 500, {455, 560}},
        {"no room on either side, the foot above: above it",
         {455, 600, 690, 560},
         kScreen,
         690,
         500,
         {455, 100}},
        // Centred, the main window leaves room beside it for no wide screen: the screen goes
        // over its lists on the left, its buttons left clear.
        {"no room beside it: over its lists, not its buttons",
         {455, 300, 690, 560},
         kScreen,
         700,
         580,
         {0, 300}},
        {"no room beside the buttons either: as few covered as the screen allows",
         {200, 300, 690, 560},
         kScreen,
         1300,
         580,
         {200, 580}},
        {"a screen on a second monitor: beside it there",
         {1600, 200, 690, 560},
         {1600, 0, 1920, 1040},
         845,
         580,
         {2290, 200}},
        {"a window larger than the screen keeps its corner on it",
         kMainAtLeft,
         kScreen,
         1700,
         1300,
         {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placeBesideMainWindow(c.main, buttonsOf(c.main), c.screen, c.width, c.height),
                  c.expected)
            << c.what;
}

TEST(WindowPlaceTest, TheMainWindowStartsAtTheLeftEdgeHalfWayDown) {
    struct Case {
        WindowRect screen;
        int width;
        int height;
        WindowSpot expected;
    };
    const Case cases[] = {
        {kScreen, 690, 560, {0, 300}},
        {{0, 30, 1024, 738}, 690, 560, {0, 119}},
        {{0, 0, 640, 480}, 690, 560, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placeMainWindow(c.screen, c.width, c.height), c.expected) << c.screen.width;
}

}  // namespace
}  // namespace nencho
