// Whole matches on the headless backend: the clock, the rotation, the boards and the stage.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "GameRun.h"
#include "Stage.h"

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
    const Visit visits[] = {{Form2, "sokoban"},
                            {Form3, "hangman"},
                            {Form4, "ketik"},
                            {Form2, "sokoban"},
                            {Form3, "hangman"}};
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
        ASSERT_TRUE(
            boxInBasket.LoadFromResource("G" + std::to_string(1 + Form2->Visit.BoxStyle), nullptr));
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
    const Case cases[] = {
        {1920, 1080, 560, 240}, {1024, 768, 112, 84}, {800, 600, 0, 0}, {640, 480, -80, -60}};
    for (const Case& c : cases) {
        TGameRun run(TSize{c.width, c.height});
        for (TForm* form :
             {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2), static_cast<TForm*>(Form3),
              static_cast<TForm*>(Form4), static_cast<TForm*>(Form5)}) {
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

// The whole picture grows in steps of a quarter to the largest that fits, centred on black, and
// the pointer still finds the buttons.
TEST(Match, TheStageIsDrawnAsLargeAsFitsAndStaysCentred) {
    struct Case {
        int width, height, quarters;
    };
    const Case cases[] = {{800, 600, 4},  {640, 480, 3},   {800, 480, 3},   {1024, 768, 5},
                          {1366, 768, 5}, {1920, 1080, 7}, {2560, 1440, 9}, {3840, 2160, 14}};
    EXPECT_EQ(StageScaleQuarters(320, 240), 2) << "the scale goes no lower than a half";
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.width) + "x" + std::to_string(c.height);
        ASSERT_EQ(StageScaleQuarters(c.width, c.height), c.quarters) << name;
        if (c.quarters == 4)
            continue;
        TGameRun run(TSize{c.width, c.height}, c.quarters);
        const TRect stage = run.app.Device().Map(Form1->Image1->BoundsRect());
        EXPECT_EQ(stage.Width(), 800 * c.quarters / 4) << name;
        EXPECT_EQ(stage.Height(), 600 * c.quarters / 4) << name;
        EXPECT_EQ(stage.Left, c.width - stage.Right) << name << ": not centred across";
        EXPECT_EQ(stage.Top, c.height - stage.Bottom) << name << ": not centred down";
        const TBitmap& screen = run.drive.Screen();
        EXPECT_EQ(screen.Pixel(stage.Left - 1, stage.Top + 50), clBlack) << name;
        EXPECT_NE(screen.Pixel(stage.Left, stage.Top + 50), clBlack) << name;
        const TRect start = run.app.Device().Map(Form1->FreeButton1->BoundsRect());
        run.drive.Click((start.Left + start.Right) / 2, (start.Top + start.Bottom) / 2);
        EXPECT_TRUE(Form2->Visible()) << name << ": START was not hit";
    }
}

// A resolution change or a projector mid-match: the picture is drawn again at the new display's
// scale, centred, with every control on it; the pointer follows, and the match goes on as it was.
TEST(Match, FollowsTheDisplayWhenItChangesMidMatch) {
    TGameRun run(TSize{1920, 1080}, StageScaleQuarters);
    run.Start();
    run.drive.Key(VK_RIGHT);
    run.drive.Key(VK_DOWN);
    run.drive.Advance(2500);
    const auto checkDisplay = [&](TForm& form, TSize display, const std::string& name) {
        EXPECT_EQ(run.app.Device().Quarters, StageScaleQuarters(display.Width, display.Height))
            << name;
        // Every control shown, and those the word game shows later, lie on the display.
        const TRect whole{0, 0, display.Width, display.Height};
        std::vector<const TControl*> controls = {Form3->FreeButton1, Form3->salah.back()};
        for (const auto& control : form.Controls()) {
            if (control->Visible())
                controls.push_back(control.get());
        }
        for (const TControl* control : controls) {
            const TRect device = run.app.Device().Map(control->BoundsRect());
            EXPECT_EQ(device.Intersect(whole), device) << name << ": " << control->Name;
        }
        const TRect stage = run.app.Device().Map(form.Controls().front()->BoundsRect());
        EXPECT_LE(std::abs(stage.Left - (display.Width - stage.Right)), 1) << name;
        EXPECT_LE(std::abs(stage.Top - (display.Height - stage.Bottom)), 1) << name;
        const TBitmap& screen = run.drive.Screen();
        ASSERT_EQ(screen.Width(), display.Width) << name;
        EXPECT_NE(screen.Pixel(stage.Left + 4, stage.Top + stage.Height() / 2), clBlack) << name;
        if (stage.Left > 0) {
            EXPECT_EQ(screen.Pixel(stage.Left - 1, stage.Top + 4), clBlack) << name;
        }
    };
    const TSize displays[] = {{1024, 768}, {640, 480}, {2560, 1440}, {800, 480}, {1920, 1080}};
    for (const TSize display : displays) {
        const std::string name =
            std::to_string(display.Width) + "x" + std::to_string(display.Height);
        const boxpush::TBoxPushGame game = Form2->Game;
        const TMatchState state = MatchState;
        TControl* focused = Form2->ActiveControl();
        run.backend.SetDisplaySize(display);
        run.drive.Pump();
        checkDisplay(*Form2, display, name);
        EXPECT_EQ(Form2->Game, game) << name;
        EXPECT_EQ(MatchState.ClockSeconds, state.ClockSeconds) << name;
        EXPECT_EQ(MatchState.MatchScore, state.MatchScore) << name;
        EXPECT_EQ(Form2->ActiveControl(), focused) << name;
        const TRect reset = run.app.Device().Map(Form2->Button1->BoundsRect());
        run.drive.MoveMouse((reset.Left + reset.Right) / 2, (reset.Top + reset.Bottom) / 2);
        EXPECT_TRUE(Form2->Button1->Hovered()) << name << ": the pointer missed RESET";
    }
    // On the typing screen the typed answer and the focus stay, and the clock goes on.
    run.drive.Advance(120 * 1000);
    ASSERT_EQ(VisibleForm(), Form4);
    run.drive.Text("Kulit");
    const std::string clock = Form4->waktu->Caption();
    TControl* focused = Form4->ActiveControl();
    run.backend.SetDisplaySize(TSize{800, 480});
    run.drive.Pump();
    checkDisplay(*Form4, TSize{800, 480}, "typing at 800x480");
    EXPECT_EQ(Form4->Memo1->Text(), "Kulit");
    EXPECT_EQ(Form4->ActiveControl(), focused);
    EXPECT_EQ(Form4->waktu->Caption(), clock);
    run.drive.Advance(1000);
    EXPECT_NE(Form4->waktu->Caption(), clock) << "the clock stopped";
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
