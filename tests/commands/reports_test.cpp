// Touches, held controls and a game pad turned into commands.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "commands/reports.h"

namespace {

// A touch at client-area pixel (x, y) of a window shown `zoom` CSS pixels a game pixel.
TouchPoint At(double x, double y, double zoom = 1) {
    return {static_cast<int>(x * zoom * 8), static_cast<int>(y * zoom * 8), static_cast<int>(479 * zoom * 8)};
}

std::vector<Command> Commands(const Meaning& meaning) { return {meaning.commands, meaning.commands + meaning.count}; }

using C = Command;
const std::vector<Command> kNone;

struct ReportsTest : testing::Test {
    Reports reports = {};
    Meaning meaning;
    template <typename Report>
    std::vector<Command> Means(Report report) {
        meaning = {};
        report(meaning);
        return Commands(meaning);
    }
    auto Moved(TouchPoint at, int ms) { return Means([&](Meaning& m) { TouchMoved(reports, at, ms, m); }); }
    auto Ended(bool lifted = true) { return Means([&](Meaning& m) { TouchEnded(reports, lifted, m); }); }
    auto Woken(int ms) { return Means([&](Meaning& m) { WakeUp(reports, ms, m); }); }
    auto Pad(uint32_t buttons, int ms = 0, int stickX = 0) {
        return Means([&](Meaning& m) { PadRead(reports, buttons, stickX, ms, m); });
    }
    int PadKey(uint32_t buttons) { return Means([&](Meaning& m) { PadReadInDialog(reports, buttons, m); }), meaning.dialogKey; }
};

TEST_F(ReportsTest, TapTurnsOnTheWellAndOpensTheSheetOnTheLogoOnly) {
    ASSERT_TRUE(TouchBegan(reports, At(235, 160), 0));
    EXPECT_FALSE(TouchBegan(reports, At(60, 60), 10)) << "a second finger";
    EXPECT_EQ(Moved(At(240, 165), 50), kNone) << "a wander of 7 pixels";
    EXPECT_EQ(Ended(), std::vector<Command>{C::Rotate});
    for (const auto& [x, y, wanted] : {std::tuple{60.0, 200.0, C::ShowAbout}, {60.0, 60.0, C::None}, {20.0, 200.0, C::MoveLeft}}) {
        TouchBegan(reports, At(x, y), 0);
        EXPECT_EQ(Ended(), wanted == C::None ? kNone : std::vector<Command>{wanted}) << x << ", " << y;
    }
    TouchBegan(reports, At(235, 160, 2), 0);
    Moved(At(235, 166, 2), 50);
    EXPECT_EQ(Ended(), std::vector<Command>{C::Rotate}) << "12 CSS pixels away at twice the size";
    TouchBegan(reports, At(235, 160, 2), 0);
    Moved(At(235, 168, 2), 50);
    EXPECT_EQ(Ended(), kNone) << "16 CSS pixels away at twice the size";
}

TEST_F(ReportsTest, DragMovesACellForEachCellDraggedEitherWay) {
    TouchBegan(reports, At(235, 160), 0);
    EXPECT_EQ(Moved(At(254, 160), 10), kNone);
    EXPECT_EQ(Moved(At(285, 160), 20), (std::vector<Command>{C::MoveRight, C::MoveRight}));
    EXPECT_EQ(Moved(At(196, 160), 30), (std::vector<Command>{C::MoveLeft, C::MoveLeft, C::MoveLeft}));
    EXPECT_EQ(Ended(), kNone) << "a drag is no tap";
}

TEST_F(ReportsTest, QuickFlickDownHoldsDownUntilTheLift) {
    TouchBegan(reports, At(235, 100), 1000);
    EXPECT_EQ(Moved(At(235, 132), 1100), kNone) << "twice a tap's slop exactly";
    EXPECT_EQ(Moved(At(236, 133), 1200), std::vector<Command>{C::DownPressed});
    EXPECT_EQ(Ended(), std::vector<Command>{C::DownReleased});
    TouchBegan(reports, At(235, 100), 1000);
    EXPECT_EQ(Moved(At(235, 200), 1250), kNone) << "too slow";
    Ended();
    TouchBegan(reports, At(235, 100), 0);
    EXPECT_EQ(Moved(At(217, 135), 100), kNone) << "no more down than sideways twice";
}

// A finger is the same size on every screen: at the smallest scale a phone
// shows the window (a third of a CSS pixel a game pixel) and at three, a
// slide of 15 CSS pixels is still a tap, a drag never moves for less than
// 20 CSS pixels, and a flick of 33 drops.
TEST_F(ReportsTest, GestureThresholdsAreCssPixelsAtTheSmallestAndLargestScale) {
    for (const double zoom : {1.0 / 3, 3.0}) {
        const auto from = [zoom](double dx, double dy) {
            return TouchPoint{static_cast<int>((235 * zoom + dx) * 8), static_cast<int>((160 * zoom + dy) * 8),
                              static_cast<int>(479 * zoom * 8)};
        };
        const double column = zoom < 1 ? 20 : 20 * zoom;  // CSS pixels a column's drag
        for (const auto& [dx, dy] : {std::pair{0.0, 15.0}, {15.0, 0.0}, {-10.0, 11.0}}) {
            TouchBegan(reports, from(0, 0), 0);
            EXPECT_EQ(Moved(from(dx, dy), 20), kNone) << zoom << ": " << dx << ", " << dy;
            EXPECT_EQ(Ended(), std::vector<Command>{C::Rotate}) << zoom << ": " << dx << ", " << dy;
        }
        TouchBegan(reports, from(0, 0), 0);
        EXPECT_EQ(Moved(from(column - 0.5, 0), 300), kNone) << zoom;
        EXPECT_EQ(Moved(from(column + 0.5, 0), 310), std::vector<Command>{C::MoveRight}) << zoom;
        EXPECT_EQ(Moved(from(2 * column + 0.5, 0), 320), std::vector<Command>{C::MoveRight}) << zoom;
        EXPECT_EQ(Moved(from(-column - 0.5, 0), 330), (std::vector<Command>{C::MoveLeft, C::MoveLeft, C::MoveLeft})) << zoom;
        EXPECT_EQ(Ended(), kNone) << zoom;
        TouchBegan(reports, from(0, 0), 0);
        EXPECT_EQ(Moved(from(0, 31), 60), kNone) << zoom;
        EXPECT_EQ(Moved(from(1, 33), 100), std::vector<Command>{C::DownPressed}) << zoom;
        EXPECT_EQ(Ended(), std::vector<Command>{C::DownReleased}) << zoom;
    }
}

TEST_F(ReportsTest, LongPressBesideTheWellOpensTheMenuOnce) {
    TouchBegan(reports, At(60, 60), 1000);
    EXPECT_EQ(NextWakeUp(reports).atMs, 1500);
    EXPECT_EQ(Woken(1499), kNone);
    EXPECT_EQ(Woken(1500), std::vector<Command>{C::OpenMainMenu});
    EXPECT_FALSE(NextWakeUp(reports).wanted);
    EXPECT_EQ(Ended(), kNone) << "no tap after it";
    TouchBegan(reports, At(60, 60), 0);
    EXPECT_EQ(Means([&](Meaning& m) { TouchHeld(reports, m); }), std::vector<Command>{C::OpenMainMenu}) << "the system's own";
    EXPECT_EQ(Woken(500), kNone);
    Ended();
    TouchBegan(reports, At(60, 60), 0);
    Moved(At(60, 76), 100);
    EXPECT_FALSE(NextWakeUp(reports).wanted) << "a finger that wandered";
}

TEST_F(ReportsTest, HeldLeftRepeatsAfterTheDelayAtThePeriodUntilReleased) {
    ControlDown(reports, 0x25, 1000, meaning);
    ControlDown(reports, 0x28, 1000, meaning);
    EXPECT_EQ(Commands(meaning), (std::vector<Command>{C::MoveLeft, C::DownPressed}));
    EXPECT_EQ(NextWakeUp(reports).atMs, 1500) << "Down does not repeat";
    EXPECT_EQ(Woken(1510), std::vector<Command>{C::MoveLeft});
    EXPECT_EQ(NextWakeUp(reports).atMs, 1543);
    EXPECT_EQ(Woken(1540), kNone);
    EXPECT_EQ(Woken(1543), std::vector<Command>{C::MoveLeft});
    meaning = {};
    ControlUp(reports, 0x28, meaning);
    ControlUp(reports, 0x25, meaning);
    ControlUp(reports, 0x25, meaning);
    EXPECT_EQ(Commands(meaning), std::vector<Command>{C::DownReleased});
    EXPECT_FALSE(NextWakeUp(reports).wanted);
}

TEST_F(ReportsTest, PadInTheGamePressesTheKeysItsButtonsStandFor) {
    EXPECT_EQ(Pad(1u << 8), std::vector<Command>{C::StartGame});
    EXPECT_EQ(Pad(1u << 8), kNone) << "held, Back starts once";
    EXPECT_EQ(Pad(1u << 0 | 1u << 12), std::vector<Command>{C::Rotate}) << "A and up turn once together";
    EXPECT_EQ(Pad(1u << 13), std::vector<Command>{C::DownPressed});
    EXPECT_EQ(Pad(1u << 9), (std::vector<Command>{C::DownReleased, C::TogglePauseIfRunning}));
    EXPECT_EQ(Pad(0, 2000, -600), std::vector<Command>{C::MoveLeft});
    EXPECT_EQ(NextWakeUp(reports).atMs, 2500);
    EXPECT_EQ(Pad(1u << 15, 2100, -400), std::vector<Command>{C::MoveRight});
}

TEST_F(ReportsTest, PadInADialogPressesItsKeysOneAReadAndHandsTheKeysBackCleanly) {
    Pad(1u << 13 | 1u << 14);
    EXPECT_EQ(PadKey(1u << 13 | 1u << 14), 0) << "the buttons held before wait for their release";
    EXPECT_EQ(PadKey(1u << 13 | 1u << 14 | 1u << 0), 0x20);
    EXPECT_EQ(PadKey(0), 0);
    EXPECT_EQ(PadKey(1u << 14 | 1u << 1), 0x09 | kWithShift) << "one key a read";
    EXPECT_EQ(PadKey(1u << 14 | 1u << 1), 0x1B);
    EXPECT_EQ(PadKey(1u << 4 | 1u << 9), 0x0D);
    EXPECT_EQ(Pad(1u << 4 | 1u << 0), kNone) << "A held as the dialog closes";
    EXPECT_EQ(Pad(1u << 0 | 1u << 15), std::vector<Command>{C::MoveRight});
}

TEST_F(ReportsTest, PadKeysHeldInTheGameAreReleasedWhenADialogOpens) {
    Pad(1u << 13 | 1u << 14, 0);
    EXPECT_EQ(Means([&](Meaning& m) { PadReadInDialog(reports, 1u << 13 | 1u << 14, m); }), std::vector<Command>{C::DownReleased});
    EXPECT_FALSE(NextWakeUp(reports).wanted);
}

}  // namespace
