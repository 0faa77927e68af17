// The controls: label sizing and wrapping, the button's looks and keys, the progress bar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SysColors.h"
#include "TButton.h"
#include "TFontEngine.h"
#include "TLabel.h"
#include "TProgressBar.h"
#include "WindowingTestKit.h"

namespace {

constexpr int ColorBtnShadow = 16;
constexpr int ColorBtnHighlight = 20;

TFont TestFont(int height = -20) {
    TFont font;
    font.Name = "DejaVu Sans";
    font.Height = height;
    return font;
}

int TextWidth(const std::string& text, const TFont& font = TestFont()) {
    return TFontEngine::Instance().TextExtent(font, text).Width;
}

TEST(Label, AutoSizeFollowsTheTextUnlessWrapped) {
    THeadlessApp run;
    TLabel* label = run.form->Add<TLabel>();
    label->SetFont(TestFont());
    label->SetCaption("5:00");
    const TSize extent = TFontEngine::Instance().TextExtent(TestFont(), "5:00");
    EXPECT_EQ(label->Width(), extent.Width);
    EXPECT_EQ(label->Height(), TFontEngine::Instance().Metrics(TestFont()).LineHeight());
    label->SetCaption("10:00 and more");
    EXPECT_EQ(label->Width(), TextWidth("10:00 and more"));
    label->SetFont(TestFont(-40));
    EXPECT_EQ(label->Width(), TextWidth("10:00 and more", TestFont(-40)));

    label->SetWordWrap(true);
    label->SetBounds(0, 0, 50, 70);
    label->SetCaption("a much longer caption than before");
    EXPECT_EQ(label->Width(), 50);
    EXPECT_EQ(label->Height(), 70);

    TLabel* fixed = run.form->Add<TLabel>();
    fixed->SetAutoSize(false);
    fixed->SetBounds(0, 0, 153, 68);
    fixed->SetCaption("12345678901234567890");
    EXPECT_EQ(fixed->Width(), 153);
}

TEST(Label, WrapsAtSpacesToTheWidth) {
    const TFont font = TestFont();
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"aaa bbb ccc", TextWidth("aaa bbb"), {"aaa bbb", "ccc"}},
        {"aaa bbb ccc", TextWidth("aaa bbb ccc"), {"aaa bbb ccc"}},
        {"aaa bbb ccc", TextWidth("aaa"), {"aaa", "bbb", "ccc"}},
        {"unbreakable x", TextWidth("un"), {"unbreakable", "x"}},
        {"one\ntwo three", TextWidth("two three"), {"one", "two three"}},
        {"", 100, {""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TLabel::WrapLines(font, c.text, c.width), c.lines) << c.text << " in " << c.width;
    }
}

TEST(Label, SameCaptionRepaintsNothingAndAChangeRepaintsOldAndNewBounds) {
    THeadlessApp run;
    TLabel* label = run.form->Add<TLabel>();
    label->SetFont(TestFont());
    label->SetBounds(10, 10, 0, 0);
    label->SetCaption("wide caption here");
    run.Start();
    const TRect wide = label->BoundsRect();
    label->SetCaption("wide caption here");
    EXPECT_TRUE(run.form->PendingRects().empty());
    label->SetCaption("x");
    ASSERT_EQ(run.form->PendingRects().size(), 1u);
    EXPECT_EQ(run.form->PendingRects()[0], wide) << "the old text's area is not repainted";
}

// A large transparent label with a short centred line repaints only around its old and new
// lines, and leaves none of the old line's ink behind.
TEST(Label, ALargeTransparentLabelRepaintsItsLinesOnlyAndLeavesNoOldInk) {
    const auto make = [](THeadlessApp& run, const std::string& caption) {
        run.form->Color = RGB(0, 0, 200);
        TLabel* label = run.form->Add<TLabel>();
        label->SetAutoSize(false);
        label->SetTransparent(true);
        label->SetAlignment(TAlignment::Center);
        label->SetLayout(TTextLayout::Center);
        label->SetFont(TestFont());
        label->SetBounds(10, 10, 300, 120);
        label->SetCaption(caption);
        return label;
    };
    THeadlessApp changed;
    TLabel* label = make(changed, "WWWWWWWWWWWW");
    changed.Start();
    label->SetCaption("i");
    ASSERT_EQ(changed.form->PendingRects().size(), 1u);
    EXPECT_LT(changed.form->PendingRects()[0].Height(), 60);
    changed.drive.Pump();
    THeadlessApp fresh;
    make(fresh, "i");
    fresh.Start();
    EXPECT_TRUE(changed.drive.Screen() == fresh.drive.Screen());
}

TEST(Label, OpaqueLabelsFillTheirColourAndTransparentOnesLeaveTheBackground) {
    THeadlessApp run;
    run.form->Color = RGB(0, 0, 200);
    TLabel* label = run.form->Add<TLabel>();
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 30);
    label->SetColor(RGB(10, 200, 10));
    run.Start();
    EXPECT_EQ(run.drive.Screen().Pixel(69, 39), RGB(10, 200, 10));
    label->SetTransparent(true);
    run.drive.Pump();
    EXPECT_EQ(run.drive.Screen().Pixel(69, 39), RGB(0, 0, 200));
}

// One 80 x 30 button at (20, 20) on a blue form.
struct TButtonRun : THeadlessApp {
    TButtonRun() {
        form->Color = RGB(0, 0, 200);
        button = form->Add<TButton>();
        button->SetBounds(20, 20, 80, 30);
        button->SetFont(TestFont());
        button->SetCaption("HH");
        button->OnClick = [this](TControl*) { ++clicks; };
        Start();
    }
    TColor At(int x, int y) const { return drive.Screen().Pixel(20 + x, 20 + y); }
    std::vector<TColor> CaptionColours() const {
        std::vector<TColor> colours;
        for (int y = 4; y < 26; ++y)
            for (int x = 4; x < 76; ++x)
                colours.push_back(At(x, y));
        return colours;
    }
    TButton* button = nullptr;
    int clicks = 0;
};

bool Contains(const std::vector<TColor>& colours, TColor c) {
    return std::find(colours.begin(), colours.end(), c) != colours.end();
}

TEST(Button, RaisedPressedAndDisabledLooks) {
    const TColor light = GetSysColor(ColorBtnHighlight), dark = GetSysColor(ColorBtnShadow);
    const TColor face = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* look;
        void (*setUp)(TButtonRun&);
        TColor topLeftEdge, bottomRightEdge;
    };
    const Case cases[] = {
        {"raised", [](TButtonRun&) {}, light, dark},
        {"pressed", [](TButtonRun& r) { r.drive.Press(60, 35); }, dark, light},
        {"disabled", [](TButtonRun& r) { r.button->SetEnabled(false), r.drive.Pump(); }, light,
         dark},
    };
    for (const Case& c : cases) {
        TButtonRun run;
        c.setUp(run);
        EXPECT_EQ(run.At(0, 0), clBlack) << c.look << ": outer frame";
        EXPECT_EQ(run.At(79, 29), clBlack) << c.look << ": outer frame";
        EXPECT_EQ(run.At(-1, -1), RGB(0, 0, 200)) << c.look << ": painted outside";
        EXPECT_EQ(run.At(1, 10), c.topLeftEdge) << c.look << ": left edge";
        EXPECT_EQ(run.At(40, 1), c.topLeftEdge) << c.look << ": top edge";
        EXPECT_EQ(run.At(78, 10), c.bottomRightEdge) << c.look << ": right edge";
        EXPECT_EQ(run.At(40, 28), c.bottomRightEdge) << c.look << ": bottom edge";
        EXPECT_EQ(run.At(3, 3), face) << c.look << ": face";
    }
    TButtonRun enabled;
    EXPECT_TRUE(Contains(enabled.CaptionColours(), clBlack));
    TButtonRun disabled;
    disabled.button->SetEnabled(false);
    disabled.drive.Pump();
    const std::vector<TColor> greyed = disabled.CaptionColours();
    EXPECT_FALSE(Contains(greyed, clBlack)) << "a disabled caption is still black";
    EXPECT_TRUE(Contains(greyed, dark));
    EXPECT_TRUE(Contains(greyed, light)) << "no embossed shadow";
}

TEST(Button, PressedCaptionIsShiftedByOnePixel) {
    TButtonRun raised;
    TButtonRun pressed;
    pressed.drive.Press(60, 35);
    // Compare the caption area: every pressed pixel is the raised pixel one up and left of it.
    for (int y = 6; y < 24; ++y)
        for (int x = 6; x < 74; ++x)
            ASSERT_EQ(pressed.At(x + 1, y + 1), raised.At(x, y)) << x << "," << y;
}

TEST(Button, PressedLookFollowsThePointerAndClicksOnlyOnReleaseInside) {
    TButtonRun run;
    run.drive.Press(60, 35);
    EXPECT_TRUE(run.button->Pressed());
    EXPECT_TRUE(run.button->Focused()) << "the press did not take the focus";
    run.drive.MoveMouse(150, 35);
    EXPECT_FALSE(run.button->Pressed());
    run.drive.MoveMouse(50, 30);
    EXPECT_TRUE(run.button->Pressed());
    run.drive.Release(50, 30);
    EXPECT_FALSE(run.button->Pressed());
    EXPECT_EQ(run.clicks, 1);
    run.drive.Press(60, 35);
    run.drive.MoveMouse(150, 35);
    run.drive.Release(150, 35);
    EXPECT_EQ(run.clicks, 1);
    run.drive.DoubleClick(60, 35);  // a button counts both presses
    EXPECT_EQ(run.clicks, 3);
    run.button->SetEnabled(false);
    run.drive.Click(60, 35);
    EXPECT_EQ(run.clicks, 3);
}

TEST(Button, SpaceAndEnterClickTheFocusedButton) {
    TButtonRun run;
    run.drive.Key(VK_SPACE);
    EXPECT_EQ(run.clicks, 0) << "clicked without the focus";
    run.button->SetFocus();
    run.drive.Key(VK_SPACE);
    run.drive.Key(VK_RETURN);
    run.drive.Key(VK_RETURN, TShiftState::None, true);
    run.drive.Key('A');
    EXPECT_EQ(run.clicks, 2);
}

TEST(ProgressBar, PositionStaysInRangeAndStepItStartsOverPastTheEnd) {
    THeadlessApp run;
    TProgressBar* bar = run.form->Add<TProgressBar>();
    bar->SetRange(0, 20);
    bar->SetStep(1);
    bar->SetPosition(25);
    EXPECT_EQ(bar->Position(), 20);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 0);
    for (int i = 0; i < 20; ++i)
        bar->StepIt();
    EXPECT_EQ(bar->Position(), 20) << "a step that lands on Max stays there";
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 0);
    bar->SetRange(5, 10);
    EXPECT_EQ(bar->Position(), 5);
}

TEST(ProgressBar, FillsItsShareOfTheWidthInsideASunkenFrame) {
    THeadlessApp run;
    TProgressBar* bar = run.form->Add<TProgressBar>();
    bar->SetBounds(10, 10, 102, 17);
    bar->SetRange(0, 20);
    bar->SetPosition(10);
    run.Start();
    const TBitmap& screen = run.drive.Screen();
    EXPECT_EQ(bar->FilledWidth(), 50);
    EXPECT_EQ(screen.Pixel(10, 10), GetSysColor(ColorBtnShadow));
    EXPECT_EQ(screen.Pixel(111, 26), GetSysColor(ColorBtnHighlight));
    EXPECT_EQ(screen.Pixel(13, 18), RGB(0, 0, 128));
    EXPECT_EQ(screen.Pixel(80, 18), GetSysColor(COLOR_BTNFACE));
    bar->SetPosition(20);
    run.drive.Pump();
    EXPECT_EQ(screen.Pixel(109, 18), RGB(0, 0, 128)) << "a full bar does not reach the end";
}

}  // namespace
