// Whole matches on the headless backend: the clock, the rotation, the boards and the stage.
#include <gtest/gtest.h>

#include <memory>

#include "GameRun.h"

namespace {

TEST(Match, StartShowsTheBoxPushingScreenWithTheClockAtFiveMinutes) {
    TGameRun run;
    EXPECT_EQ(VisibleForm(), Form1);
    run.Start();
    EXPECT_EQ(VisibleForm(), Form2);
    EXPECT_EQ(Form2->skor->Caption(), "0");
    EXPECT_EQ(Form2->waktu->Caption(), "5:00");
    EXPECT_EQ(MatchState.CurrentGameTag, "sokoban");
    EXPECT_TRUE(Form2->Game.BoardReady);
    run.drive.Advance(1000);
    for (TLabel* clock : {Form2->waktu, Form3->waktu, Form4->waktu}) {
        EXPECT_EQ(clock->Caption(), "4:59");
    }
}

TEST(Match, ClockLabelsAgreeAndTheFinalScreenComesAtTickThreeHundred) {
    TGameRun run;
    run.Start();
    struct Expected {
        int tick;
        const char* text;
    };
    const Expected checks[] = {{1, "4:59"}, {55, "4:05"}, {293, "0:07"}, {299, "0:01"}};
    int tick = 0;
    for (const Expected& check : checks) {
        run.drive.Advance((check.tick - tick) * 1000);
        tick = check.tick;
        for (TLabel* clock : {Form2->waktu, Form3->waktu, Form4->waktu}) {
            EXPECT_EQ(clock->Caption(), check.text) << "tick " << tick;
        }
        EXPECT_NE(VisibleForm(), Form5) << "tick " << tick;
    }
    run.drive.Advance(1000);
    EXPECT_EQ(Form2->waktu->Caption(), "0:00");
    EXPECT_EQ(VisibleForm(), Form5);
    EXPECT_EQ(Form5->skor->Caption(), "0");
    EXPECT_FALSE(run.app.NextTimerDue().has_value()) << "a timer still runs after the match";
    run.drive.Advance(10 * 60 * 1000);
    EXPECT_EQ(Form2->waktu->Caption(), "0:00");
    EXPECT_EQ(VisibleForm(), Form5);
}

TEST(Match, RotatesThroughTheThreeGamesEverySixtySeconds) {
    TGameRun run;
    run.Start();
    struct Visit {
        TForm* form;
        const char* tag;
    };
    const Visit visits[] = {{Form2, "sokoban"}, {Form3, "hangman"}, {Form4, "ketik"},
                            {Form2, "sokoban"}, {Form3, "hangman"}};
    for (const Visit& visit : visits) {
        EXPECT_EQ(VisibleForm(), visit.form);
        EXPECT_EQ(MatchState.CurrentGameTag, visit.tag);
        run.drive.Advance(59999);
        EXPECT_EQ(VisibleForm(), visit.form) << "the visit ended early";
        run.drive.Advance(1);
    }
    EXPECT_EQ(VisibleForm(), Form5);
}

TEST(Match, LevelsAlternateAcrossVisits) {
    TGameRun run;
    run.Start();
    const int first = Form2->Visit.LevelOrder[0];
    const int second = Form2->Visit.LevelOrder[1];
    EXPECT_NE(first, second);
    const int targetsOf[] = {0, 2, 3};  // TES1 has two targets, TES2 three
    EXPECT_EQ(Form2->Game.TargetCount, targetsOf[first]);
    run.drive.Advance(180000);  // box pushing, word guessing, typing, then box pushing again
    ASSERT_EQ(VisibleForm(), Form2);
    EXPECT_EQ(Form2->Game.TargetCount, targetsOf[second]);
}

TEST(Match, BoxTilesAlwaysComeInMatchingPairs) {
    TGameRun run;
    run.Start();
    for (int visit = 0; visit < 3; ++visit) {
        TBitmap box, boxInBasket;
        ASSERT_TRUE(box.LoadFromResource("F" + std::to_string(5 + Form2->Visit.BoxStyle), nullptr));
        ASSERT_TRUE(boxInBasket.LoadFromResource("G" + std::to_string(1 + Form2->Visit.BoxStyle), nullptr));
        EXPECT_TRUE(Form2->TileSet[3] == box) << "style " << Form2->Visit.BoxStyle;
        EXPECT_TRUE(Form2->TileSet[6] == boxInBasket) << "style " << Form2->Visit.BoxStyle;
        run.drive.Advance(180000);
    }
}

TEST(Match, TheBoardOnScreenShowsEachCellsTileAndLeavesUnknownCodesUnpainted) {
    TGameRun run;
    run.Start();
    const TBitmap& screen = run.drive.Screen();
    const TDrawGrid& grid = *Form2->dg;
    for (int col = 0; col < 15; ++col) {
        for (int row = 0; row < 12; ++row) {
            const auto code = static_cast<std::size_t>(Form2->Game.Board[col][row]);
            const int x = grid.Left() + col * 40 + 20, y = grid.Top() + row * 40 + 20;
            ASSERT_EQ(screen.Pixel(x, y), Form2->TileSet[code].Pixel(20, 20))
                << "cell " << col << "," << row;
        }
    }
    Form2->Game.Board[0][0] = static_cast<boxpush::CellCode>(9);
    Form2->dg->InvalidateCell(0, 0);
    run.drive.Pump();
    const TImage& background = *Form2->Image1;
    EXPECT_EQ(screen.Pixel(grid.Left() + 7, grid.Top() + 9),
              background.Picture().Pixel(grid.Left() - background.Left() + 7,
                                         grid.Top() - background.Top() + 9));
}

TEST(Match, StageIsCentredOnEveryDisplaySize) {
    struct Case {
        int width, height, left, top;
    };
    const Case cases[] = {{1920, 1080, 560, 240}, {1024, 768, 112, 84}, {800, 600, 0, 0},
                          {640, 480, -80, -60}};
    for (const Case& c : cases) {
        TGameRun run(TSize{c.width, c.height});
        for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2),
                            static_cast<TForm*>(Form3), static_cast<TForm*>(Form4),
                            static_cast<TForm*>(Form5)}) {
            const TControl& image = *form->Controls().front();
            EXPECT_EQ(image.Left(), c.left) << c.width << "x" << c.height;
            EXPECT_EQ(image.Top(), c.top) << c.width << "x" << c.height;
        }
        EXPECT_EQ(Form2->dg->Left(), c.left + 100);
        EXPECT_EQ(Form2->dg->Top(), c.top + 100);
        EXPECT_EQ(Form1->FreeButton1->Left(), c.left + 480);
        EXPECT_EQ(Form5->skor->Top(), c.top + 224);
    }
}

TEST(Match, KeluarAndTheCloseCommandEndTheApplication) {
    {
        TGameRun run;
        run.ClickCentre(*Form1->FreeButton5);
        EXPECT_TRUE(run.app.Terminated());
    }
    {
        TGameRun run;
        run.Start();
        run.drive.Advance(5000);
        run.drive.Close();
        EXPECT_TRUE(run.app.Terminated());
    }
}

}  // namespace
