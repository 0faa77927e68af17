// Where the screens' big texts land on the rendered screen: inside the white boxes of the
// background, and every character of a score shown whole.
#include <gtest/gtest.h>

#include <string>

#include "GameRun.h"
#include "Screens.h"
#include "SysColors.h"
#include "TFontEngine.h"

namespace {

bool NearWhite(TColor c) {
    return GetRValue(c) >= 235 && GetGValue(c) >= 235 && GetBValue(c) >= 235;
}

// The white box of a screen's background around a screen point, as far as the white reaches
// along the point's row and column.
TRect WhiteBoxAround(const TImage& image1, TPoint at) {
    const TBitmap& picture = image1.Picture();
    const int x = at.X - image1.Left(), y = at.Y - image1.Top();
    if (!NearWhite(picture.Pixel(x, y)))
        return TRect{};
    TRect box{x, y, x + 1, y + 1};
    while (box.Left > 0 && NearWhite(picture.Pixel(box.Left - 1, y)))
        --box.Left;
    while (box.Right < picture.Width() && NearWhite(picture.Pixel(box.Right, y)))
        ++box.Right;
    while (box.Top > 0 && NearWhite(picture.Pixel(x, box.Top - 1)))
        --box.Top;
    while (box.Bottom < picture.Height() && NearWhite(picture.Pixel(x, box.Bottom)))
        ++box.Bottom;
    return box.Offset(image1.Left(), image1.Top());
}

// What text drew inside an area of the screen: the box of the pixels that differ clearly from
// the stage picture under them.
TRect InkIn(const TBitmap& screen, const TImage& image1, const TRect& area) {
    const auto apart = [](int a, int b) { return a > b + 60 || b > a + 60; };
    TRect ink;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            const TColor shown = screen.Pixel(x, y);
            const TColor under = image1.Picture().Pixel(x - image1.Left(), y - image1.Top());
            if (apart(GetRValue(shown), GetRValue(under)) ||
                apart(GetGValue(shown), GetGValue(under)) ||
                apart(GetBValue(shown), GetBValue(under)))
                ink = ink.Union(TRect{x, y, x + 1, y + 1});
        }
    }
    return ink;
}

TRect BoundsOf(const TControl& control) {
    return TRect::FromSize(control.Left(), control.Top(), control.Width(), control.Height());
}

TPoint CentreOf(const TRect& r) {
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

std::string Describe(const TRect& r) {
    return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ") - (" +
           std::to_string(r.Right) + ", " + std::to_string(r.Bottom) + ")";
}

// The ink of the text over one area must lie inside the white box behind it with room to spare.
void ExpectInsideWhiteBox(const TGameRun& run, const TImage& image1, const TRect& area,
                          const std::string& what) {
    SCOPED_TRACE(what);
    constexpr int Spare = 2;
    const TRect box = WhiteBoxAround(image1, CentreOf(area));
    const TRect ink = InkIn(run.drive.Screen(), image1, area);
    ASSERT_FALSE(box.IsEmpty()) << "no white box behind " << Describe(area);
    ASSERT_FALSE(ink.IsEmpty()) << "no text drawn in " << Describe(area);
    EXPECT_TRUE(ink.Left - box.Left >= Spare && ink.Top - box.Top >= Spare &&
                box.Right - ink.Right >= Spare && box.Bottom - ink.Bottom >= Spare)
        << "ink " << Describe(ink) << " in the box " << Describe(box);
}

// A letter row of the word-guessing screen, measured with the other row hidden.
void ExpectLetterRowInsideWhiteBox(TGameRun& run, int first, int last, const std::string& what) {
    TRect row;
    for (int i = 0; i < 26; ++i) {
        TLabel* letter = Form3->Letters[static_cast<std::size_t>(i)];
        const bool inRow = i >= first && i <= last;
        letter->SetVisible(inRow);
        if (inRow)
            row = row.Union(BoundsOf(*letter));
    }
    run.drive.Pump();
    ExpectInsideWhiteBox(run, *Form3->Image1, row, what);
    for (TLabel* letter : Form3->Letters)
        letter->SetVisible(true);
    run.drive.Pump();
}

}  // namespace

TEST(TextPlacement, ClockScoreAndLettersSitInsideTheirWhiteBoxes) {
    InstallTevraResources();
    std::string error;
    ASSERT_TRUE(LoadFontAliases(&error)) << error;  // as the game does at start-up
    TGameRun run;
    run.Start();
    MatchState.MatchScore = 8888;  // wide digits, shown from the next screen on
    run.drive.Advance(61000);
    ASSERT_TRUE(Form3->Visible());
    // The visit bar crosses the foot of the clock's box; it is no text, so it is out of the way.
    Form3->ProgressBar1->Hide();
    run.drive.Pump();
    ExpectInsideWhiteBox(run, *Form3->Image1, BoundsOf(*Form3->waktu), "word guessing clock");
    Form3->ProgressBar1->Show();
    ExpectInsideWhiteBox(run, *Form3->Image1, BoundsOf(*Form3->skor), "word guessing score");
    ExpectLetterRowInsideWhiteBox(run, 0, 12, "letters A to M");
    ExpectLetterRowInsideWhiteBox(run, 13, 25, "letters N to Z");

    run.drive.Advance(60000);
    ASSERT_TRUE(Form4->Visible());
    ExpectInsideWhiteBox(run, *Form4->Image1, BoundsOf(*Form4->waktu), "typing clock");
    ExpectInsideWhiteBox(run, *Form4->Image1, BoundsOf(*Form4->skor), "typing score");

    // The hint after a wrong answer: clear of the bar's foot and of the puzzle box's frame.
    run.drive.Key(VK_RETURN);
    ASSERT_FALSE(Form4->Label2->Caption().empty());
    Form4->ProgressBar1->Hide();
    run.drive.Pump();
    const TRect hint = InkIn(run.drive.Screen(), *Form4->Image1, BoundsOf(*Form4->Label2));
    const TRect puzzleBox = WhiteBoxAround(*Form4->Image1, CentreOf(BoundsOf(*Form4->RichEdit1)));
    EXPECT_GE(hint.Top, BoundsOf(*Form4->ProgressBar1).Bottom) << Describe(hint);
    EXPECT_LE(hint.Bottom + 2, puzzleBox.Top) << Describe(hint) << " over " << Describe(puzzleBox);
    Form4->ProgressBar1->Show();

    run.drive.Advance(60000);
    ASSERT_TRUE(Form2->Visible());
    ExpectInsideWhiteBox(run, *Form2->Image1, BoundsOf(*Form2->waktu), "box pushing clock");
    ExpectInsideWhiteBox(run, *Form2->Image1, BoundsOf(*Form2->skor), "box pushing score");

    run.drive.Advance(120000);
    ASSERT_TRUE(Form5->Visible());
    ExpectInsideWhiteBox(run, *Form5->Image1, BoundsOf(*Form5->skor), "final score");
}

// The ink of a text drawn whole, at the given font, on a white ground.
TRect InkOfWholeText(const TFont& font, const std::string& text) {
    TBitmap ground;
    ground.SetSize(2000, 400, clWhite);
    TFontEngine::Instance().DrawText(ground, TRect{0, 0, 2000, 400}, 100, 100, font, text);
    TRect ink;
    for (int y = 0; y < ground.Height(); ++y)
        for (int x = 0; x < ground.Width(); ++x)
            if (GetRValue(ground.Pixel(x, y)) < 195 || GetBValue(ground.Pixel(x, y)) < 195)
                ink = ink.Union(TRect{x, y, x + 1, y + 1});
    return ink;
}

// Every score a signed 32-bit number can hold shows whole on the three game screens and the final
// screen: its ink stays clear of the label's edges and is as wide as the whole number drawn
// unclipped in the size shown, and a negative score starts with the short bar of its minus.
TEST(TextPlacement, EveryScoreShowsItsSignAndAllItsDigits) {
    InstallTevraResources();
    std::string error;
    ASSERT_TRUE(LoadFontAliases(&error)) << error;
    const std::int32_t scores[] = {-2147483647 - 1, -29574,    -10000, -9999, -1, 0, 9999,
                                   10000,           2147483647};
    for (const std::int32_t score : scores) {
        SCOPED_TRACE(score);
        TGameRun run;
        run.Start();
        MatchState.MatchScore = score;  // shown from the next screen on
        const std::string text = std::to_string(score);
        const auto expectWhole = [&](const TForm* form, const TImage& image1, const TLabel& skor) {
            ASSERT_TRUE(form->Visible());
            ASSERT_EQ(skor.Caption(), text);
            const TRect label = BoundsOf(skor);
            const TRect ink = InkIn(run.drive.Screen(), image1, label);
            const TRect whole = InkOfWholeText(skor.FittedFont(), text);
            EXPECT_TRUE(ink.Left > label.Left && ink.Right < label.Right)
                << Describe(ink) << " in " << Describe(label);
            EXPECT_NEAR(ink.Width(), whole.Width(), 1) << "digits cut off: " << Describe(ink);
            ExpectInsideWhiteBox(run, image1, label, "a smaller score stays in its box");
            if (score < 0) {
                const TRect sign = InkIn(run.drive.Screen(), image1,
                                         TRect{ink.Left, label.Top, ink.Left + 2, label.Bottom});
                EXPECT_LT(sign.Height() * 3, ink.Height()) << "the first mark is the minus";
            }
        };
        run.drive.Advance(61000);
        expectWhole(Form3, *Form3->Image1, *Form3->skor);
        run.drive.Advance(60000);
        expectWhole(Form4, *Form4->Image1, *Form4->skor);
        run.drive.Advance(60000);
        expectWhole(Form2, *Form2->Image1, *Form2->skor);
        run.drive.Advance(120000);
        expectWhole(Form5, *Form5->Image1, *Form5->skor);
    }
}
