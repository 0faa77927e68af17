// Pixels of the button: face, bevels, shadows, light, caption, glyph and clipping in each look.
#include <functional>

#include <gtest/gtest.h>

#include "FreeButtonTestKit.h"
#include "TFontEngine.h"

namespace {

constexpr TColor Emerald = RGB(48, 152, 96);

TColor Lighter(TColor c, int n) {
    return ShadeColor(c, n, TShade::Lighten);
}
TColor Darker(TColor c, int n) {
    return ShadeColor(c, n, TShade::Darken);
}

// Every pixel for which inside(x, y) is false must be equal in both pictures.
void ExpectSameOutside(const TBitmap& a, const TBitmap& b,
                       const std::function<bool(int, int)>& inside, const char* what) {
    ASSERT_EQ(a.Width(), b.Width());
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!inside(x, y) && a.Pixel(x, y) != b.Pixel(x, y) && ++differences <= 3)
                ADD_FAILURE() << what << ": pixel (" << x << "," << y << ") " << Rgb(a.Pixel(x, y))
                              << " vs " << Rgb(b.Pixel(x, y));
}

int CountDifferences(const TBitmap& a, const TBitmap& b) {
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            differences += a.Pixel(x, y) != b.Pixel(x, y);
    return differences;
}

struct TPixelCase {
    TMouseState Look;
    int X, Y;
    TColor Expected;
    const char* What;
};

}  // namespace

TEST(FreeButtonPaint, StartButtonPixelsInEachLook) {
    const TColor b = StartBack;
    const TColor f = Emerald;
    const TColor fh = Lighter(f, 15);
    const TPixelCase cases[] = {
        // At rest the face image sits at (2, 2).
        {msNormal, 12, 25, f, "face fill"},
        {msNormal, 12, 2, Lighter(f, 40), "outer outline, top"},
        {msNormal, 2, 25, RGB(88, 192, 136), "outer outline, left"},
        {msNormal, 12, 47, RGB(88, 192, 136), "outer outline, bottom"},
        {msNormal, 247, 25, RGB(88, 192, 136), "outer outline, right"},
        {msNormal, 12, 3, RGB(8, 112, 56), "inner outline, top"},
        {msNormal, 3, 25, RGB(8, 112, 56), "inner outline, left"},
        {msNormal, 12, 46, RGB(8, 112, 56), "inner outline, bottom"},
        {msNormal, 12, 5, Lighter(f, 30), "top bevel"},
        {msNormal, 5, 25, Lighter(f, 30), "left bevel"},
        {msNormal, 12, 45, Darker(f, 30), "bottom bevel"},
        {msNormal, 245, 25, Darker(f, 30), "right bevel"},
        {msNormal, 2, 2, b, "cut-off corner of the face"},
        {msNormal, 1, 25, b, "left of the face"},
        {msNormal, 248, 4, RGB(136, 133, 116), "inner shadow starts at y 4"},
        {msNormal, 248, 3, b, "above the inner shadow"},
        {msNormal, 248, 30, RGB(136, 133, 116), "inner shadow, right"},
        {msNormal, 100, 48, RGB(136, 133, 116), "inner shadow, bottom"},
        {msNormal, 4, 48, RGB(136, 133, 116), "inner shadow ends at x 4"},
        {msNormal, 3, 48, b, "left of the inner shadow"},
        {msNormal, 249, 5, RGB(186, 183, 166), "outer shadow starts at y 5"},
        {msNormal, 249, 4, b, "above the outer shadow"},
        {msNormal, 100, 49, RGB(186, 183, 166), "outer shadow, bottom"},
        {msNormal, 4, 49, b, "left of the outer shadow"},
        {msNormal, 247, 47, RGB(136, 133, 116), "shadow corner 1"},
        {msNormal, 248, 48, RGB(186, 183, 166), "shadow corner 2"},
        {msNormal, 249, 49, b, "outer corner"},
        // Under the pointer the face lifts to (0, 0) and the shadow widens to four lines.
        {msHover, 12, 23, RGB(63, 167, 111), "face fill"},
        {msHover, 12, 0, Lighter(f, 55), "outer outline"},
        {msHover, 12, 1, Lighter(f, 5), "inner outline"},
        {msHover, 12, 3, Lighter(f, 45), "top bevel"},
        {msHover, 3, 23, Lighter(f, 45), "left bevel"},
        {msHover, 12, 43, Darker(f, 5), "bottom bevel"},
        {msHover, 0, 0, b, "cut-off corner"},
        {msHover, 246, 20, Darker(b, 100), "shadow x 246"},
        {msHover, 247, 20, Darker(b, 75), "shadow x 247"},
        {msHover, 248, 20, Darker(b, 50), "shadow x 248"},
        {msHover, 249, 20, Darker(b, 25), "shadow x 249"},
        {msHover, 100, 46, Darker(b, 100), "shadow y 46"},
        {msHover, 100, 47, Darker(b, 75), "shadow y 47"},
        {msHover, 100, 48, Darker(b, 50), "shadow y 48"},
        {msHover, 100, 49, Darker(b, 25), "shadow y 49"},
        {msHover, 245, 45, Darker(b, 100), "corner 1"},
        {msHover, 246, 46, Darker(b, 75), "corner 2"},
        {msHover, 247, 47, Darker(b, 50), "corner 3"},
        {msHover, 248, 48, Darker(b, 25), "corner 4"},
        {msHover, 249, 49, b, "outer corner"},
        {msHover, 249, 4, b, "above the outermost line"},
        // Pressed, the face sinks to (3, 3); top/left turn darker than the face, bottom/right
        // lighter.
        {msPressed, 15, 26, fh, "face fill"},
        {msPressed, 15, 6, Darker(f, 5), "top bevel"},
        {msPressed, 6, 26, Darker(f, 5), "left bevel"},
        {msPressed, 15, 46, Lighter(f, 45), "bottom bevel"},
        {msPressed, 246, 26, Lighter(f, 45), "right bevel"},
    };
    TButtonHarness h;
    TCountingButton* button = AddStartButton(h);
    for (TMouseState look : {msNormal, msHover, msPressed}) {
        ShowLook(*button, look);
        const TBitmap picture = Render(*button);
        for (const TPixelCase& c : cases)
            if (c.Look == look) {
                EXPECT_EQ(Rgb(picture.Pixel(c.X, c.Y)), Rgb(c.Expected))
                    << LookName(look) << ", " << c.What << " at (" << c.X << "," << c.Y << ")";
            }
    }
}

TEST(FreeButtonPaint, AroundTheFaceIsOnlyBackColourAndShadow) {
    TButtonHarness h;
    TCountingButton* button = AddStartButton(h);
    const TBitmap plain(250, 50, StartBack);
    ShowLook(*button, msPressed);
    ExpectSameOutside(
        Render(*button), plain, [](int x, int y) { return x >= 3 && y >= 3 && x < 249 && y < 49; },
        "pressed");
    ShowLook(*button, msNormal);
    ExpectSameOutside(
        Render(*button), plain, [](int x, int y) { return x >= 2 && y >= 2 && x < 250 && y < 50; },
        "at rest");
    ShowLook(*button, msHover);
    ExpectSameOutside(
        Render(*button), plain,
        [](int x, int y) {
            return x >= 0 && y >= 0 && x < 250 && y < 50 && (x < 246 || y >= 4) &&
                   (y < 46 || x >= 3);
        },
        "hover");
}

TEST(FreeButtonPaint, LightColoursFollowLookAndClicks) {
    // The light's right angle sits at face (238, 38); (236, 36) is inside it.
    struct TCase {
        TMouseState Look;
        bool AfterClick;
        TPoint Fill;
        TPoint Corner;
        TColor FillColour;
        TColor OutlineColour;
    };
    const TColor l = RGB(68, 172, 116);
    const TCase cases[] = {
        {msNormal, false, {238, 38}, {240, 40}, RGB(28, 132, 76), RGB(0, 92, 36)},
        {msNormal, true, {238, 38}, {240, 40}, l, RGB(0, 92, 36)},
        {msHover, false, {236, 36}, {238, 38}, Darker(l, 20), Darker(l, 60)},
        {msHover, true, {236, 36}, {238, 38}, Lighter(l, 20), Darker(l, 60)},
        {msPressed, true, {239, 39}, {241, 41}, Lighter(l, 20), Darker(l, 60)},
    };
    for (const TCase& c : cases) {
        TButtonHarness h;
        TCountingButton* button = AddStartButton(h);
        EXPECT_EQ(Rgb(button->ActiveLightColor()), Rgb(l));
        if (c.AfterClick)
            ClickByHand(*button);
        EXPECT_EQ(button->LightOn(), c.AfterClick);
        ShowLook(*button, c.Look);
        const TBitmap picture = Render(*button);
        EXPECT_EQ(Rgb(picture.Pixel(c.Fill.X, c.Fill.Y)), Rgb(c.FillColour))
            << LookName(c.Look) << " fill";
        EXPECT_EQ(Rgb(picture.Pixel(c.Corner.X, c.Corner.Y)), Rgb(c.OutlineColour))
            << LookName(c.Look) << " outline";
    }
}

TEST(FreeButtonPaint, LightSizeAndDrawLightShapeTheTriangle) {
    TButtonHarness h;
    TCountingButton* button = AddStartButton(h);
    button->SetDrawLight(false);
    const TBitmap noLight = Render(*button);
    EXPECT_EQ(Rgb(noLight.Pixel(238, 38)), Rgb(Emerald))
        << "no light: face fill where the light was";
    for (TMouseState look : {msHover, msPressed}) {
        ShowLook(*button, look);
        const TBitmap without = Render(*button);
        button->SetDrawLight(true);
        EXPECT_GT(CountDifferences(without, Render(*button)), 20) << LookName(look);
        button->SetDrawLight(false);
    }
    ShowLook(*button, msNormal);
    button->SetDrawLight(true);

    // Size 0: the triangle collapses onto its corner pixel.
    button->SetLightSize(0);
    const TBitmap point = Render(*button);
    EXPECT_EQ(CountDifferences(noLight, point), 1);
    EXPECT_EQ(Rgb(point.Pixel(240, 40)), Rgb(RGB(0, 92, 36)));

    // A negative size turns it down and right, into the face's bottom-right margin.
    button->SetLightSize(-6);
    const TBitmap flipped = Render(*button);
    EXPECT_EQ(Rgb(flipped.Pixel(242, 42)), Rgb(RGB(28, 132, 76)));
    EXPECT_EQ(Rgb(flipped.Pixel(238, 38)), Rgb(Emerald));
}

TEST(FreeButtonPaint, CaptionSitsAtItsOriginWithItsShadow) {
    for (bool shadow : {true, false}) {
        TButtonHarness h;
        TCountingButton* button = AddStartButton(h);
        button->SetDrawLight(false);
        button->SetDrawDropShadow(shadow);
        const TSize text = TFontEngine::Instance().TextExtent(button->Font(), "START");
        ASSERT_GT(text.Width, 0) << "no font could be loaded";
        const TPoint origin = button->TextOrigin(246, 46);
        EXPECT_EQ(origin.X, (242 - text.Width) / 2);
        EXPECT_EQ(origin.Y, (46 - text.Height) / 2);

        // The same caption drawn alone on the face colour, where it must land at rest.
        TBitmap expected(250, 50, Emerald);
        TCanvas canvas(expected);
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.Font = button->Font();
        if (shadow) {
            canvas.Font.Color = Darker(Emerald, 40);
            canvas.TextOut(origin.X + 4, origin.Y + 4, "START");
            canvas.Font.Color = clWhite;
        }
        canvas.TextOut(origin.X + 2, origin.Y + 2, "START");

        const TBitmap picture = Render(*button);
        int firstInk = -1;
        for (int x = 0; x < 250 && firstInk < 0; ++x)
            for (int y = origin.Y + 2; y < origin.Y + 4 + text.Height; ++y)
                if (expected.Pixel(x, y) != Emerald) {
                    firstInk = x;
                    break;
                }
        ASSERT_GE(firstInk, origin.X + 2);
        int mismatches = 0;
        for (int y = origin.Y + 2; y < origin.Y + 4 + text.Height; ++y)
            for (int x = origin.X + 2; x < origin.X + 4 + text.Width; ++x)
                mismatches += picture.Pixel(x, y) != expected.Pixel(x, y);
        EXPECT_EQ(mismatches, 0) << (shadow ? "with" : "without") << " drop shadow";
        // The button's first painted column in the caption band is the caption's own.
        bool inkInFirstColumn = false;
        for (int y = origin.Y + 2; y < origin.Y + 4 + text.Height; ++y)
            inkInFirstColumn |= picture.Pixel(firstInk, y) != Emerald;
        EXPECT_TRUE(inkInFirstColumn);
        for (int y = origin.Y + 2; y < origin.Y + 4 + text.Height; ++y)
            EXPECT_EQ(Rgb(picture.Pixel(firstInk - 1, y)), Rgb(Emerald))
                << "column left of the caption, y " << y;
    }
}

TEST(FreeButtonPaint, CaptionAndGlyphPlacementsAgree) {
    // A glyph of the caption's own size lands where the caption does, except that a centred
    // caption sits 2 pixels further left.
    TButtonHarness h;
    TCountingButton* button = h.AddButton(0, 0, 204, 80);
    button->SetCaption("Klik");
    const TSize text = TFontEngine::Instance().TextExtent(button->Font(), "Klik");
    button->SetGlyph(TBitmap(text.Width, text.Height));
    for (int i = 0; i < 9; ++i) {
        button->SetTextPosition(static_cast<TTextPosition>(i));
        button->SetGlyphPosition(static_cast<TGlyphPosition>(i));
        const TPoint t = button->TextOrigin(200, 76);
        const TPoint g = button->GlyphOrigin(200, 76);
        EXPECT_EQ(t.X, g.X - (i / 3 == 1 ? 2 : 0)) << "position " << i;
        EXPECT_EQ(t.Y, g.Y) << "position " << i;
    }
}

TEST(FreeButtonPaint, GlyphOriginsTruncateTowardZero) {
    struct TCase {
        TGlyphPosition Position;
        int FaceW, FaceH, GlyphW, GlyphH;
        TPoint Expected;
    };
    const TCase cases[] = {
        {gpTopLeft, 100, 40, 10, 10, {4, 4}},
        {gpMiddleLeft, 100, 41, 10, 10, {4, 15}},
        {gpBottomLeft, 100, 40, 10, 10, {4, 22}},
        {gpTopCenter, 101, 40, 10, 10, {45, 4}},
        {gpMiddleCenter, 100, 40, 11, 11, {44, 14}},
        {gpMiddleBottom, 100, 40, 10, 10, {45, 22}},
        {gpTopRight, 100, 40, 10, 10, {82, 4}},
        {gpMiddleRight, 100, 40, 10, 10, {82, 15}},
        {gpBottomRight, 100, 40, 10, 10, {82, 22}},
        // A glyph larger than the face: -2.5 truncates to -2, not -3.
        {gpMiddleCenter, 10, 10, 15, 15, {-2, -2}},
        {gpBottomRight, 10, 10, 15, 15, {-13, -13}},
    };
    TButtonHarness h;
    TCountingButton* button = h.AddButton(0, 0, 83, 31);
    for (const TCase& c : cases) {
        button->SetGlyph(TBitmap(c.GlyphW, c.GlyphH));
        button->SetGlyphPosition(c.Position);
        const TPoint at = button->GlyphOrigin(c.FaceW, c.FaceH);
        EXPECT_EQ(at, c.Expected) << "position " << int(c.Position) << ": got " << at.X << ","
                                  << at.Y;
    }
}

TEST(FreeButtonPaint, OversizedCaptionIsClippedToTheFace) {
    TButtonHarness h;
    TCountingButton* button = h.AddButton(0, 0, 60, 31);
    const std::string caption = "Klik Soal Berikutnya/ tekan Spasi";
    const std::function<bool(int, int)> faces[] = {
        [](int x, int y) { return x >= 2 && y >= 2 && x < 58 && y < 29; },
        [](int x, int y) { return x < 56 && y < 27; },
        [](int x, int y) { return x >= 3 && y >= 3 && x < 59 && y < 30; },
    };
    const TMouseState looks[] = {msNormal, msHover, msPressed};
    for (TTextPosition position : {tpMiddleCenter, tpTopRight, tpBottomLeft}) {
        button->SetTextPosition(position);
        for (int i = 0; i < 3; ++i) {
            ShowLook(*button, looks[i]);
            button->SetCaption("");
            const TBitmap empty = Render(*button);
            button->SetCaption(caption);
            const TBitmap captioned = Render(*button);
            if (position != tpBottomLeft) {
                EXPECT_LT(button->TextOrigin(56, 27).X, 0);
            }
            ExpectSameOutside(captioned, empty, faces[i], LookName(looks[i]));
            EXPECT_GT(CountDifferences(captioned, empty), 0) << "caption drawn at all";
        }
    }
}

TEST(FreeButtonPaint, GlyphIsKeyedByItsTopLeftPixel) {
    // A 12 x 12 magenta glyph with a red 4 x 4 block in its middle, at face (117, 4) on START.
    TBitmap glyph(12, 12, RGB(255, 0, 255));
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            glyph.SetPixel(x, y, clRed);
    struct TCase {
        bool SetGlyph;
        bool Transparent;
        TColor Background;
        TColor Block;
    };
    const TCase cases[] = {
        {true, true, Emerald, clRed},
        {true, false, RGB(255, 0, 255), clRed},
        {false, true, Emerald, Emerald},
        {false, false, Emerald, Emerald},
    };
    for (const TCase& c : cases) {
        TButtonHarness h;
        TCountingButton* button = AddStartButton(h);
        button->SetCaption("");
        button->SetDrawLight(false);
        const TBitmap bare = Render(*button);
        if (c.SetGlyph)
            button->SetGlyph(glyph);
        button->SetTransparentGlyph(c.Transparent);
        const TBitmap picture = Render(*button);
        EXPECT_EQ(Rgb(picture.Pixel(120, 8)), Rgb(c.Background)) << c.SetGlyph << c.Transparent;
        EXPECT_EQ(Rgb(picture.Pixel(124, 11)), Rgb(c.Block)) << c.SetGlyph << c.Transparent;
        if (!c.SetGlyph) {
            EXPECT_EQ(CountDifferences(bare, picture), 0) << "an empty glyph draws nothing";
        }
        EXPECT_EQ(button->Glyph().Transparent, c.Transparent);
    }
}

TEST(FreeButtonPaint, TinyButtonsDrawOnlyTheBackground) {
    const TSize sizes[] = {{4, 31}, {83, 4}, {5, 5}, {1, 1}, {0, 0}};
    for (TSize size : sizes) {
        TButtonHarness h;
        TCountingButton* button = h.AddButton(0, 0, size.Width, size.Height);
        button->SetBackColor(StartBack);
        button->SetCaption("START");
        for (TMouseState look : {msNormal, msHover, msPressed}) {
            ShowLook(*button, look);
            const TBitmap picture = Render(*button);
            if (size.Width > 4 && size.Height > 4)
                continue;  // only that it does not crash
            EXPECT_EQ(CountDifferences(picture, TBitmap(size.Width, size.Height, StartBack)), 0)
                << size.Width << "x" << size.Height << " " << LookName(look);
        }
    }
}
