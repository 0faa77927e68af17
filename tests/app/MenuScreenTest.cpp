// The menu and the final score screen through the headless backend.
#include <gtest/gtest.h>

#include "GameRun.h"
#include "TResources.h"

namespace {

TEST(MenuScreen, StartSetsClockAndScoreEvenAfterEarlierValues) {
    TGameRun run;
    MatchState.ClockMinutes = 1;
    MatchState.ClockSeconds = 17;
    MatchState.MatchScore = 99;
    run.Start();
    EXPECT_EQ(MatchState.ClockMinutes, 5);
    EXPECT_EQ(MatchState.ClockSeconds, 0);
    EXPECT_EQ(Form2->skor->Caption(), "0");
    EXPECT_FALSE(Form1->Visible());
    EXPECT_TRUE(Form2->Visible());
}

TEST(MenuScreen, ThePointerOverStartShowsTheHoverLookOnScreen) {
    TGameRun run;
    const TFreeButton& start = *Form1->FreeButton1;
    // The face's fill at rest and under the pointer (the face lifts from (2, 2) to (0, 0)).
    const TPoint inFace{start.Left() + 20, start.Top() + 40};
    EXPECT_EQ(run.drive.Screen().Pixel(inFace.X, inFace.Y), RGB(48, 152, 96));
    run.drive.MoveMouse(start.Left() + 30, start.Top() + 25);
    EXPECT_EQ(start.MouseState(), msHover);
    EXPECT_EQ(run.drive.Screen().Pixel(inFace.X, inFace.Y), RGB(63, 167, 111));
    run.drive.MoveMouse(5, 5);
    EXPECT_EQ(start.MouseState(), msNormal);
    EXPECT_EQ(run.drive.Screen().Pixel(inFace.X, inFace.Y), RGB(48, 152, 96));
}

TEST(FinalScreen, ShowsTheScoreExactlyWithItsSignAndKeluarEndsTheGame) {
    const int scores[] = {0, 121, -37};
    for (int score : scores) {
        TGameRun run;
        run.Start();
        run.drive.Advance(150000);
        MatchState.MatchScore = score;  // what the games left when the clock ran out
        run.drive.Advance(150000);
        ASSERT_EQ(VisibleForm(), Form5);
        EXPECT_EQ(Form5->skor->Caption(), std::to_string(score));
        EXPECT_FALSE(run.app.Terminated());
        run.ClickCentre(*Form5->EXIT);
        EXPECT_TRUE(run.app.Terminated());
    }
}

// The menu and the final screen answer Enter, Space and Escape; a key held down from the screen
// before (its repeats) presses nothing.
TEST(MenuAndFinalKeys, EnterSpaceAndEscapePressTheButtonsButRepeatsDoNot) {
    struct Case {
        bool onFinal;
        int key;
        bool repeat;
        bool started;     // the match has begun (menu only)
        bool terminated;  // the application is ending
    };
    const Case cases[] = {
        {false, VK_RETURN, false, true, false}, {false, VK_SPACE, false, true, false},
        {false, VK_ESCAPE, false, false, true}, {false, 'A', false, false, false},
        {false, VK_RETURN, true, false, false}, {true, VK_RETURN, false, false, true},
        {true, VK_SPACE, false, false, true},   {true, VK_ESCAPE, false, false, true},
        {true, VK_RIGHT, false, false, false},  {true, VK_SPACE, true, false, false},
    };
    for (const Case& c : cases) {
        TGameRun run;
        if (c.onFinal) {
            run.Start();
            run.drive.Advance(300000);
            ASSERT_EQ(VisibleForm(), Form5);
        }
        run.drive.KeyDown(c.key, TShiftState::None, c.repeat);
        run.drive.KeyUp(c.key);
        SCOPED_TRACE(std::to_string(c.key) + (c.onFinal ? " on the final screen" : " on the menu"));
        if (!c.onFinal) {
            EXPECT_EQ(VisibleForm() == Form2, c.started);
        }
        EXPECT_EQ(run.app.Terminated(), c.terminated);
    }
}

TEST(FontAliases, AMissingAliasResourceIsReportedWithItsName) {
    InstallResourceTable(nullptr, 0);
    std::string error;
    EXPECT_FALSE(LoadFontAliases(&error));
    EXPECT_NE(error.find("FONTCONF"), std::string::npos) << error;
    InstallTevraResources();
    EXPECT_TRUE(LoadFontAliases(&error)) << error;
}

}  // namespace
