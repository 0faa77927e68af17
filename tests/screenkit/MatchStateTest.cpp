// The match clock's count-down and its texts, and the stage origin on common displays.
#include <gtest/gtest.h>

#include "MatchState.h"
#include "Stage.h"

namespace {

TEST(MatchClock, CountsDownFiveMinutesAndStopsAtZero) {
    TMatchState state;
    state.ClockMinutes = 5;
    state.ClockSeconds = 0;
    struct Expected {
        int tick;
        const char* text;
    };
    // x:10 and x:09 are either side of the one place where the leading zero starts.
    const Expected expected[] = {{1, "4:59"},   {50, "4:10"},  {51, "4:09"},  {55, "4:05"},
                                 {60, "4:00"},  {173, "2:07"}, {255, "0:45"}, {290, "0:10"},
                                 {291, "0:09"}, {293, "0:07"}, {300, "0:00"}};
    std::size_t next = 0;
    for (int tick = 1; tick <= 300; ++tick) {
        const TClockOutcome outcome = TickMatchClock(state);
        EXPECT_EQ(outcome == TClockOutcome::MatchOver, tick == 300) << "tick " << tick;
        if (next < std::size(expected) && expected[next].tick == tick) {
            EXPECT_EQ(ClockText(state.ClockMinutes, state.ClockSeconds), expected[next].text);
            ++next;
        }
    }
    // A clock that is already at 0:00 never goes below it.
    EXPECT_EQ(TickMatchClock(state), TClockOutcome::MatchOver);
    EXPECT_EQ(ClockText(state.ClockMinutes, state.ClockSeconds), "0:00");
}

TEST(VisitClock, TheTwentiethTickIsFullAndResetStartsAgain) {
    TVisitClock clock;
    EXPECT_EQ(clock.TicksLeft(), 20);
    for (int tick = 1; tick < 20; ++tick)
        ASSERT_EQ(clock.Step(), TVisitTick::Running) << tick;
    EXPECT_EQ(clock.TicksLeft(), 1);
    EXPECT_EQ(clock.Step(), TVisitTick::Full);
    EXPECT_EQ(clock.Step(), TVisitTick::Full) << "a full clock stays full";
    EXPECT_EQ(clock.Ticks(), 20);
    clock.Reset();
    EXPECT_EQ(clock.Ticks(), 0);
    EXPECT_EQ(clock.Step(), TVisitTick::Running);
}

TEST(MatchClock, ScoreTextKeepsTheMinusSign) {
    EXPECT_EQ(ScoreText(0), "0");
    EXPECT_EQ(ScoreText(-21), "-21");
    EXPECT_EQ(ScoreText(1234), "1234");
}

TEST(Stage, IsCentredAndOverhangsSmallDisplays) {
    struct Case {
        int width, height, left, top;
    };
    const Case cases[] = {{1920, 1080, 560, 240},
                          {1024, 768, 112, 84},
                          {800, 600, 0, 0},
                          {640, 480, -80, -60},
                          {1025, 769, 112, 84}};
    for (const Case& c : cases) {
        const TStageOrigin origin = StageOriginFor(c.width, c.height);
        EXPECT_EQ(origin.Left, c.left) << c.width << "x" << c.height;
        EXPECT_EQ(origin.Top, c.top) << c.width << "x" << c.height;
    }
}

}  // namespace
