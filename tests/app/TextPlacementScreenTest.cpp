// Where the screens' big texts land on the rendered screen, 1:1 and at the displays' scales:
// inside the white boxes of the background, and every character of a score shown whole.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "GameRun.h"
#include "Screens.h"
#include "Stage.h"
#include "SysColors.h"
#include "TFontEngine.h"

namespace {

bool NearWhite(TColor c) {
    return GetRValue(c) >= 235 && GetGValue(c) >= 235 && GetBValue(c) >= 235;
}

std::string Describe(const TRect& r) {
    return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ") - (" +
           std::to_string(r.Right) + ", " + std::to_string(r.Bottom) + ")";
}

// A match on a 1920 x 1080 headless display at the given scale, with the game's font aliases.
struct TPlacementRun : TGameRun {
    explicit TPlacementRun(int quarters) : TGameRun(TSize{1920, 1080}, quarters) {}

    // A control's place in device pixels.
    TRect OnScreen(const TControl& control) const {
        return app.Device().Map(
            TRect::FromSize(control.Left(), control.Top(), control.Width(), control.Height()));
    }
    void StartMatch() {
        const TRect start = OnScreen(*Form1->FreeButton1);
        drive.Click((start.Left + start.Right) / 2, (start.Top + start.Bottom) / 2);
    }
    // What the controls draw: the device pixels that change when they are hidden, and the
    // screen without them.
    TRect InkOf(std::initializer_list<TControl*> controls, TBitmap* without = nullptr) {
        const TBitmap with = drive.Screen();
        for (TControl* control : controls)
            control->Hide();
        drive.Pump();
        const TBitmap& bare = drive.Screen();
        TRect ink;
        for (int y = 0; y < with.Height(); ++y)
            for (int x = 0; x < with.Width(); ++x)
                if (with.Pixel(x, y) != bare.Pixel(x, y))
                    ink = ink.Union(TRect{x, y, x + 1, y + 1});
        if (without)
            *without = bare;
        for (TControl* control : controls)
            control->Show();
        drive.Pump();
        return ink;
    }
};

// The white box of a screen around a point, as far as the white reaches along its row and column.
TRect WhiteBoxAround(const TBitmap& screen, TPoint at) {
    if (!NearWhite(screen.Pixel(at.X, at.Y)))
        return TRect{};
    TRect box{at.X, at.Y, at.X + 1, at.Y + 1};
    while (NearWhite(screen.Pixel(box.Left - 1, at.Y)))
        --box.Left;
    while (NearWhite(screen.Pixel(box.Right, at.Y)))
        ++box.Right;
    while (NearWhite(screen.Pixel(at.X, box.Top - 1)))
        --box.Top;
    while (NearWhite(screen.Pixel(at.X, box.Bottom)))
        ++box.Bottom;
    return box;
}

// The ink of the controls must lie inside the white box behind them, 2 stage pixels to spare.
void ExpectInsideWhiteBox(TPlacementRun& run, std::initializer_list<TControl*> controls,
                          const std::string& what) {
    SCOPED_TRACE(what);
    TBitmap bare;
    const TRect ink = run.InkOf(controls, &bare);
    const TRect box =
        WhiteBoxAround(bare, TPoint{(ink.Left + ink.Right) / 2, (ink.Top + ink.Bottom) / 2});
    const int spare = 2 * run.app.Device().Quarters / 4;  // 2 stage pixels, rounded down
    ASSERT_FALSE(ink.IsEmpty()) << "no text drawn";
    EXPECT_TRUE(ink.Left - box.Left >= spare && ink.Top - box.Top >= spare &&
                box.Right - ink.Right >= spare && box.Bottom - ink.Bottom >= spare)
        << "ink " << Describe(ink) << " in the box " << Describe(box);
}

TRect InkOfWholeText(const TFont& font, const std::string& text, double scale) {
    TBitmap ground;
    ground.SetSize(3000, 600, clWhite);
    TFontEngine::Instance().DrawTextScaled(ground, TRect{0, 0, 3000, 600}, 100, 100, font, text,
                                           scale);
    TRect ink;
    for (int y = 0; y < ground.Height(); ++y)
        for (int x = 0; x < ground.Width(); ++x)
            if (ground.Pixel(x, y) != clWhite)
                ink = ink.Union(TRect{x, y, x + 1, y + 1});
    return ink;
}

class TextPlacement : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        InstallTevraResources();
        std::string error;
        ASSERT_TRUE(LoadFontAliases(&error)) << error;  // as the game does at start-up
    }
};

}  // namespace

TEST_P(TextPlacement, ClockScoreLettersAndHintSitInsideTheirWhiteBoxes) {
    TPlacementRun run(GetParam());
    run.StartMatch();
    MatchState.MatchScore = 8888;  // wide digits, shown from the next screen on
    run.drive.Advance(61000);
    ASSERT_TRUE(Form3->Visible());
    // The word-guessing clock shares its box with the bar: its slot is checked below.
    ExpectInsideWhiteBox(run, {Form3->skor}, "word guessing score");
    const auto& l = Form3->Letters;
    ExpectInsideWhiteBox(
        run, {l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], l[8], l[9], l[10], l[11], l[12]},
        "letters A to M");
    ExpectInsideWhiteBox(
        run,
        {l[13], l[14], l[15], l[16], l[17], l[18], l[19], l[20], l[21], l[22], l[23], l[24], l[25]},
        "letters N to Z");

    run.drive.Advance(60000);
    ASSERT_TRUE(Form4->Visible());
    ExpectInsideWhiteBox(run, {Form4->waktu}, "typing clock");
    ExpectInsideWhiteBox(run, {Form4->skor}, "typing score");
    // The hint after a wrong answer: clear of the bar's foot and of the puzzle box's frame.
    run.drive.Key(VK_RETURN);
    ASSERT_FALSE(Form4->Label2->Caption().empty());
    TBitmap bare;
    const TRect hint = run.InkOf({Form4->Label2}, &bare);
    int puzzleBoxTop = hint.Bottom;  // the first white row below the hint
    while (puzzleBoxTop < bare.Height() &&
           !NearWhite(bare.Pixel((hint.Left + hint.Right) / 2, puzzleBoxTop)))
        ++puzzleBoxTop;
    EXPECT_GE(hint.Top, run.OnScreen(*Form4->ProgressBar1).Bottom) << Describe(hint);
    EXPECT_GE(puzzleBoxTop - hint.Bottom, 2) << Describe(hint) << " over the puzzle box";

    run.drive.Advance(60000);
    ASSERT_TRUE(Form2->Visible());
    ExpectInsideWhiteBox(run, {Form2->waktu}, "box pushing clock");
    ExpectInsideWhiteBox(run, {Form2->skor}, "box pushing score");

    run.drive.Advance(120000);
    ASSERT_TRUE(Form5->Visible());
    ExpectInsideWhiteBox(run, {Form5->skor}, "final score");
}

// Every score a signed 32-bit number can hold shows whole on the three game screens and the final
// screen: its ink stays clear of the label's edges and is as wide as the whole number drawn
// unclipped in the size shown, and a negative score starts with the short bar of its minus.
TEST_P(TextPlacement, EveryScoreShowsItsSignAndAllItsDigits) {
    const std::int32_t scores[] = {-2147483647 - 1, -29574,    -10000, -9999, -1, 0, 9999,
                                   10000,           2147483647};
    for (const std::int32_t score : scores) {
        SCOPED_TRACE(score);
        TPlacementRun run(GetParam());
        run.StartMatch();
        MatchState.MatchScore = score;  // shown from the next screen on
        const std::string text = std::to_string(score);
        const auto expectWhole = [&](const TForm* form, TLabel* skor) {
            ASSERT_TRUE(form->Visible());
            ASSERT_EQ(skor->Caption(), text);
            const TRect label = run.OnScreen(*skor);
            const TRect ink = run.InkOf({skor});
            const TRect whole = InkOfWholeText(skor->FittedFont(), text, run.app.Device().Scale());
            EXPECT_TRUE(ink.Left > label.Left && ink.Right < label.Right)
                << Describe(ink) << " in " << Describe(label);
            EXPECT_NEAR(ink.Width(), whole.Width(), 1) << "digits cut off: " << Describe(ink);
            ExpectInsideWhiteBox(run, {skor}, "a smaller score stays in its box");
            if (score < 0) {
                // The first two ink columns: the minus is a short bar.
                TRect sign;
                for (int y = ink.Top; y < ink.Bottom; ++y)
                    for (int x = ink.Left; x < ink.Left + 2; ++x)
                        if (!NearWhite(run.drive.Screen().Pixel(x, y)))
                            sign = sign.Union(TRect{x, y, x + 1, y + 1});
                EXPECT_LT(sign.Height() * 3, ink.Height()) << "the first mark is the minus";
            }
        };
        run.drive.Advance(61000);
        expectWhole(Form3, Form3->skor);
        run.drive.Advance(60000);
        expectWhole(Form4, Form4->skor);
        run.drive.Advance(60000);
        expectWhole(Form2, Form2->skor);
        run.drive.Advance(120000);
        expectWhole(Form5, Form5->skor);
    }
}

namespace {

// Where the backgrounds frame each text and bar, in stage units: the inside of the frame line
// (of the slot, for a bar) and how far the ink (the bar) keeps from it on each side.
struct TSlot {
    const char* What;
    int Screen;  // 2 to 5
    const char* Control;
    TRect Inside;
    int Left, Top, Right, Bottom;
};

const TSlot Slots[] = {
    {"box pushing clock", 2, "waktu", {131, 13, 253, 64}, 4, 4, 4, 4},
    {"box pushing score", 2, "skor", {609, 13, 776, 64}, 4, 4, 4, 4},
    {"box pushing bar", 2, "ProgressBar1", {304, 69, 515, 92}, 3, 3, 3, 3},
    // The clock's digits end two pixels above the bar, whose slot is open towards them.
    {"word guessing clock", 3, "waktu", {343, 4, 562, 50}, 4, 4, 4, 1},
    {"word guessing score", 3, "skor", {635, 4, 790, 57}, 4, 4, 4, 4},
    {"word guessing category", 3, "Label2", {273, 223, 696, 263}, 4, 4, 4, 4},
    {"word guessing bar", 3, "ProgressBar1", {347, 50, 558, 70}, 3, 0, 3, 3},
    {"typing clock", 4, "waktu", {149, 13, 267, 61}, 4, 4, 4, 4},
    {"typing score", 4, "skor", {575, 13, 746, 61}, 4, 4, 4, 4},
    // The hint's line runs right under the bar, so its slot has no floor.
    {"typing bar", 4, "ProgressBar1", {346, 47, 559, 67}, 4, 3, 4, 0},
    {"final score", 5, "skor", {424, 226, 780, 412}, 4, 4, 4, 4},
};

TControl* Named(const TForm& form, const std::string& name) {
    for (const auto& control : form.Controls())
        if (control->Name == name)
            return control.get();
    return nullptr;
}

}  // namespace

// Each text's ink (the widest score, the longest category) and each bar lies in the slot the
// background draws for it, with the margins above; and the background does draw the slot there:
// a frame line (a dark slot) just outside it, ground just inside.
TEST_P(TextPlacement, TextsAndBarsLieInTheirDrawnSlots) {
    TPlacementRun run(GetParam());
    run.StartMatch();
    MatchState.MatchScore = 8888;  // wide digits, shown from the next screen on
    TForm* const screens[] = {nullptr, nullptr, Form2, Form3, Form4, Form5};
    for (const TSlot& slot : Slots) {
        SCOPED_TRACE(slot.What);
        TForm* screen = screens[slot.Screen];
        for (int second = 0; second < 300 && !screen->Visible(); ++second)
            run.drive.Advance(1000);
        ASSERT_TRUE(screen->Visible());
        if (screen == Form3)
            Form3->Label2->SetCaption("TOKOH DI INDONESIA");
        run.drive.Pump();
        TControl* control = Named(*screen, slot.Control);
        ASSERT_NE(control, nullptr);
        const bool isBar = std::string(slot.Control) == "ProgressBar1";
        const TControl& stage = *Named(*screen, "Image1");
        const TDeviceTransform& device = run.app.Device();
        const TRect inside = device.Map(slot.Inside.Offset(stage.Left(), stage.Top()));
        TBitmap bare;
        const TRect drawn = isBar ? run.OnScreen(*control) : run.InkOf({control}, &bare);
        if (isBar)
            run.InkOf({control}, &bare);
        ASSERT_FALSE(drawn.IsEmpty());
        const auto px = [&](int stageMargin) { return stageMargin * device.Quarters / 4; };
        const std::string where = Describe(drawn) + " in " + Describe(inside);
        EXPECT_GE(drawn.Left - inside.Left, px(slot.Left)) << where;
        EXPECT_GE(drawn.Top - inside.Top, px(slot.Top)) << where;
        EXPECT_GE(inside.Right - drawn.Right, px(slot.Right)) << where;
        EXPECT_GE(inside.Bottom - drawn.Bottom, px(slot.Bottom)) << where;
        // The left edge of the slot as drawn: ground inside, a line or the dark slot outside.
        const int midY = isBar ? (drawn.Top + drawn.Bottom) / 2 : (inside.Top + inside.Bottom) / 2;
        const TColor in = bare.Pixel(inside.Left + 1, midY);
        const TColor out = bare.Pixel(inside.Left - 2, midY);
        if (isBar) {
            EXPECT_LT(GetRValue(in) + GetGValue(in) + GetBValue(in), 3 * 128) << "no dark slot";
        } else {
            EXPECT_TRUE(NearWhite(in) && !NearWhite(out)) << "no frame line at the slot's edge";
        }
    }
}

// 1:1, and the scales of an 800 x 480, a 1024 x 768 and a 1920 x 1080 display.
INSTANTIATE_TEST_SUITE_P(OneToOneAndScaled, TextPlacement,
                         ::testing::Values(4, StageScaleQuarters(800, 480),
                                           StageScaleQuarters(1024, 768),
                                           StageScaleQuarters(1920, 1080)));
