// The box-pushing screen played through the headless backend: solving, bonus, visit end, UNDO,
// RESET, and the board's pixels after every key.
#include <gtest/gtest.h>

#include <string>

#include "GameRun.h"

namespace {

// Key sequences that solve the two shipped levels from their start.
const char* const SolutionOf[] = {"", "LDDRUUURDRDLULLDDRUULURDRU", "RDDLRUULDUULLDDR"};

int KeyOf(char c) {
    switch (c) {
        case 'L':
            return VK_LEFT;
        case 'U':
            return VK_UP;
        case 'R':
            return VK_RIGHT;
        default:
            return VK_DOWN;
    }
}

int LevelPlayed() {
    return Form2->Visit.LevelOrder[Form2->Visit.LevelSlot - 1];
}

// Every cell of the board on screen shows the tile of its code, pixel for pixel.
void ExpectScreenMatchesBoard(const TBitmap& screen, const std::string& when) {
    const TDrawGrid& grid = *Form2->dg;
    for (int col = 0; col < 15; ++col) {
        for (int row = 0; row < 12; ++row) {
            const auto code = static_cast<std::size_t>(Form2->Game.Board[col][row]);
            const TBitmap& tile = Form2->TileSet[code];
            for (int y = 0; y < 40; y += 3) {
                for (int x = 0; x < 40; x += 3) {
                    if (screen.Pixel(grid.Left() + col * 40 + x, grid.Top() + row * 40 + y) !=
                        tile.Pixel(x, y)) {
                        ADD_FAILURE() << "cell " << col << "," << row << " differs " << when;
                        return;
                    }
                }
            }
        }
    }
}

void Solve(TGameRun& run, const std::string& keys, bool checkPixels) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        ASSERT_EQ(VisibleForm(), Form2) << "solved early, at key " << i;
        run.drive.Key(KeyOf(keys[i]));
        if (checkPixels && Form2->Visible()) {
            ExpectScreenMatchesBoard(run.drive.Screen(), "after key " + std::to_string(i + 1));
        }
    }
}

TEST(BoxPushScreen, EachLevelIsSolvedByItsKeysAndTheBonusFallsWithTheTicks) {
    TGameRun run;
    run.Start();
    const int firstLevel = LevelPlayed();
    Solve(run, SolutionOf[firstLevel], true);
    EXPECT_EQ(VisibleForm(), Form3) << "solving hands over to word guessing";
    EXPECT_EQ(MatchState.MatchScore, 70) << "solved before the first tick";
    EXPECT_EQ(Form2->Visit.LevelSlot, 2);

    run.drive.Advance(120000);  // word guessing and typing, with nothing typed
    ASSERT_EQ(VisibleForm(), Form2);
    EXPECT_NE(LevelPlayed(), firstLevel);
    run.drive.Advance(19 * 3000);
    ASSERT_EQ(VisibleForm(), Form2);
    Solve(run, SolutionOf[LevelPlayed()], false);
    EXPECT_EQ(VisibleForm(), Form3);
    EXPECT_EQ(MatchState.MatchScore, 70 + 51) << "solved after nineteen ticks";
    EXPECT_EQ(Form3->skor->Caption(), "121");
}

TEST(BoxPushScreen, TheTwentiethTickScoresNothingAndTheNextVisitPlaysTheOtherLevel) {
    TGameRun run;
    run.Start();
    const int firstLevel = LevelPlayed();
    run.drive.Key(VK_LEFT);
    run.drive.Advance(19 * 3000);
    EXPECT_EQ(VisibleForm(), Form2);
    EXPECT_EQ(Form2->ProgressBar1->Position(), 19);
    EXPECT_EQ(Form2->VisitClock.TicksLeft(), 1);
    run.drive.Advance(3000);
    EXPECT_EQ(VisibleForm(), Form3);
    EXPECT_EQ(MatchState.MatchScore, 0);
    run.drive.Advance(120000);
    ASSERT_EQ(VisibleForm(), Form2);
    EXPECT_NE(LevelPlayed(), firstLevel);
    EXPECT_EQ(Form2->ProgressBar1->Position(), 0);
    EXPECT_FALSE(Form2->Button3->Enabled()) << "UNDO at the start of a visit";
}

TEST(BoxPushScreen, ResetRestartsTheLevelButKeepsTheBarAndTheFallingBonus) {
    TGameRun run;
    run.Start();
    const boxpush::TBoxPushGame start = Form2->Game;
    run.drive.Advance(3 * 3000);
    run.drive.Key(VK_UP);  // both levels have floor above the start
    EXPECT_NE(Form2->Game.Board, start.Board);
    EXPECT_TRUE(Form2->Button3->Enabled());
    run.ClickCentre(*Form2->Button1);
    EXPECT_EQ(Form2->Game.Board, start.Board);
    EXPECT_FALSE(Form2->Button3->Enabled());
    EXPECT_EQ(Form2->ProgressBar1->Position(), 3);
    EXPECT_EQ(Form2->VisitClock.TicksLeft(), 17);
    ExpectScreenMatchesBoard(run.drive.Screen(), "after RESET");
    // The arrows work at once, without a click on the board.
    run.drive.Key(VK_RIGHT);
    EXPECT_NE(Form2->Game.Board, start.Board);
}

TEST(BoxPushScreen, UndoClicksStepBackOneKeyEachAndTheArrowsWorkAfterwards) {
    TGameRun run;
    run.Start();
    const boxpush::TBoxPushGame start = Form2->Game;
    EXPECT_FALSE(Form2->Button3->Enabled());
    run.drive.Key(VK_UP);
    const boxpush::BoardGrid afterOne = Form2->Game.Board;
    run.drive.Key(VK_LEFT);
    run.drive.Key(VK_RIGHT);
    run.ClickCentre(*Form2->Button3);
    run.ClickCentre(*Form2->Button3);
    EXPECT_EQ(Form2->Game.Board, afterOne);
    run.ClickCentre(*Form2->Button3);
    EXPECT_EQ(Form2->Game.Board, start.Board);
    EXPECT_FALSE(Form2->Button3->Enabled()) << "nothing left to undo";
    ExpectScreenMatchesBoard(run.drive.Screen(), "after the third UNDO");
    run.drive.Key(VK_UP);
    EXPECT_EQ(Form2->Game.Board, afterOne);
    EXPECT_TRUE(Form2->Button3->Enabled());
}

TEST(BoxPushScreen, ArrowsCountWithModifiersAndKeyRepeatWhileOtherKeysDoNothing) {
    TGameRun run;
    run.Start();
    const boxpush::TBoxPushGame start = Form2->Game;
    for (int key : {int{VK_SPACE}, int{VK_RETURN}, int{'A'}, int{VK_ESCAPE}})
        run.drive.Key(key);
    EXPECT_EQ(Form2->Game, start) << "keys other than the arrows change nothing";
    run.drive.Key(VK_UP, TShiftState::Shift);
    EXPECT_NE(Form2->Game.Board, start.Board) << "a modifier does not stop an arrow";
    const boxpush::BoardGrid afterShifted = Form2->Game.Board;
    run.drive.KeyDown(VK_DOWN);
    run.drive.KeyDown(VK_DOWN, TShiftState::None, true);
    run.drive.KeyUp(VK_DOWN);
    EXPECT_NE(Form2->Game.Board, afterShifted);
    EXPECT_EQ(Form2->Game.UndoDepth, 3) << "each repeated key takes a place in the history";
}

TEST(BoxPushScreen, AMovePushesOnlyTheCellsItChanged) {
    TGameRun run;
    run.Start();
    // Both levels have floor above the start. The first key also enables UNDO; the second key's
    // push is the move alone.
    run.drive.Key(VK_UP);
    run.drive.Key(VK_DOWN);
    long long area = 0;
    for (const TRect& r : run.backend.LastPresentRects())
        area += 1LL * r.Width() * r.Height();
    EXPECT_GT(area, 0);
    EXPECT_LE(area, 2 * 40 * 40) << "more than the changed cells went to the display";
}

}  // namespace
