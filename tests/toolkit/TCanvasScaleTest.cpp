// The painter on a scaled display: where logical pixels land, sharp text, filtered pictures.
#include <gtest/gtest.h>

#include "TCanvas.h"
#include "TDeviceTransform.h"
#include "TFontEngine.h"
#include "TScaledPictureCache.h"

namespace {

TDeviceTransform Scaled(int quarters, TPoint offset = TPoint{}) {
    TDeviceTransform device;
    device.Quarters = quarters;
    device.Offset = offset;
    return device;
}

// The smallest rectangle holding every pixel that is not the background.
TRect InkBox(const TBitmap& b, TColor background) {
    TRect box;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != background)
                box = box.Union(TRect{x, y, x + 1, y + 1});
    return box;
}

}  // namespace

// Every device pixel belongs to exactly one logical pixel and the blocks of neighbouring logical
// pixels meet without a gap or an overlap, at every scale and offset, negatives included.
TEST(DeviceTransform, LogicalPixelsTileTheDeviceAndMapBack) {
    for (int quarters = 4; quarters <= 16; ++quarters) {
        for (const TPoint offset : {TPoint{0, 0}, TPoint{1, 2}, TPoint{-3, -1}}) {
            const TDeviceTransform t = Scaled(quarters, offset);
            for (int x = -40; x < 40; ++x) {
                const int width = t.X(x + 1) - t.X(x);
                ASSERT_GE(width, quarters / 4) << quarters << " at " << x;
                ASSERT_LE(width, (quarters + 3) / 4) << quarters << " at " << x;
                for (int d = t.X(x); d < t.X(x + 1); ++d)
                    ASSERT_EQ(t.Unmap(TPoint{d, t.Y(x)}), (TPoint{x, x}))
                        << quarters << " at " << d;
            }
            const TRect logical{-5, 3, 17, 9};
            EXPECT_EQ(t.Cover(t.Map(logical)), logical) << quarters;
        }
    }
}

TEST(CanvasScale, FillsLinesAndPixelsCoverTheirDevicePixels) {
    struct Case {
        int Quarters;
        TPoint Origin;
        TRect Logical;
        TRect Device;
    };
    const Case cases[] = {
        {4, {0, 0}, {2, 3, 5, 7}, {2, 3, 5, 7}},
        {8, {0, 0}, {2, 3, 5, 7}, {4, 6, 10, 14}},
        {7, {1, 0}, {0, 0, 4, 2}, {2, 0, 9, 4}},  // 1.75: x 1..5 -> 2..9, y 0..2 -> 0..4
        {5, {0, 0}, {1, 1, 3, 3}, {1, 1, 4, 4}},  // 1.25: 1 -> 1.25 -> 1, 3 -> 3.75 -> 4
    };
    constexpr TColor Back = RGB(255, 255, 255);
    for (const Case& c : cases) {
        for (int shape = 0; shape < 3; ++shape) {
            TBitmap b(20, 20, Back);
            TCanvas canvas(b);
            canvas.SetDevice(Scaled(c.Quarters));
            canvas.SetOrigin(c.Origin);
            canvas.Brush.Color = clRed;
            canvas.Pen.Color = clRed;
            const TRect& r = c.Logical;
            if (shape == 0) {
                canvas.FillRect(r);
            } else if (shape == 1) {
                for (int y = r.Top; y < r.Bottom; ++y) {
                    canvas.MoveTo(r.Left, y);
                    canvas.LineTo(r.Right, y);
                }
            } else {
                for (int y = r.Top; y < r.Bottom; ++y)
                    for (int x = r.Left; x < r.Right; ++x)
                        canvas.SetPixel(x, y, clRed);
            }
            EXPECT_EQ(InkBox(b, Back), c.Device) << "quarters " << c.Quarters << " shape " << shape;
            EXPECT_EQ(canvas.DeviceRect(r), c.Device);
        }
    }
}

TEST(CanvasScale, TextIsRenderedAtTheScaledSizeWhereItWasLaidOut) {
    TFont font;
    font.Name = "DejaVu Sans";
    font.Height = -16;
    font.Color = clBlack;
    const std::string text = "Masih ada yang salah";
    TBitmap plain(300, 40, clWhite);
    TBitmap big(700, 90, clWhite);
    for (TBitmap* target : {&plain, &big}) {
        TCanvas canvas(*target);
        if (target == &big)
            canvas.SetDevice(Scaled(9));  // 2.25
        canvas.Font = font;
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.TextOut(10, 8, text);
        // Layout stays in logical units whatever the scale.
        EXPECT_EQ(canvas.TextExtent(text), TFontEngine::Instance().TextExtent(font, text));
    }
    const TRect small = InkBox(plain, clWhite);
    const TRect large = InkBox(big, clWhite);
    ASSERT_FALSE(small.IsEmpty());
    EXPECT_NEAR(large.Left, small.Left * 2.25, 3);
    EXPECT_NEAR(large.Top, small.Top * 2.25, 3);
    EXPECT_NEAR(large.Width(), small.Width() * 2.25, 4);
    EXPECT_NEAR(large.Height(), small.Height() * 2.25, 3);
    // Sharp, not an enlarged small picture: strokes of the big text reach full black.
    int black = 0;
    for (int y = large.Top; y < large.Bottom; ++y)
        for (int x = large.Left; x < large.Right; ++x)
            black += big.Pixel(x, y) == clBlack;
    EXPECT_GT(black, 500);
}

TEST(CanvasScale, PicturesAreDrawnFilteredFromACachedCopy) {
    // Left half red, right half blue.
    TBitmap picture(8, 4, clRed);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x)
            picture.SetPixel(x, y, RGB(0, 0, 255));
    TScaledPictureCache& cache = TScaledPictureCache::Instance();
    cache.Clear();
    const std::uint64_t before = cache.Resamplings();
    TBitmap screen(40, 20, clWhite);
    TCanvas canvas(screen);
    canvas.SetDevice(Scaled(12));  // 3
    canvas.SetOrigin(TPoint{1, 1});
    canvas.Draw(0, 0, picture);
    EXPECT_EQ(InkBox(screen, clWhite), (TRect{3, 3, 27, 15}));
    EXPECT_EQ(screen.Pixel(4, 8), clRed);
    EXPECT_EQ(screen.Pixel(26, 8), RGB(0, 0, 255));
    // At the seam the colours are blended, not repeated pixel by pixel.
    const TColor seam = screen.Pixel(15, 8);
    EXPECT_GT(GetRValue(seam), 0);
    EXPECT_GT(GetBValue(seam), 0);

    canvas.Draw(0, 0, picture);
    EXPECT_EQ(cache.Resamplings(), before + 1) << "a second draw must come from the cache";
    picture.SetPixel(0, 0, clBlack);
    canvas.Draw(0, 0, picture);
    EXPECT_EQ(cache.Resamplings(), before + 2) << "a changed picture must be resampled";
    EXPECT_LT(GetRValue(screen.Pixel(3, 3)), 200);
}

TEST(CanvasScale, TheCacheKeepsTheLatestCopyWithinItsLimit) {
    TScaledPictureCache& cache = TScaledPictureCache::Instance();
    cache.Clear();
    cache.SetLimitBytes(100 * 100 * 4);
    const TBitmap a(10, 10, clRed), b(10, 10, clBlack);
    cache.Get(a, 80, 80);
    cache.Get(b, 80, 80);
    EXPECT_EQ(cache.Count(), 1u) << "two 80 x 80 copies do not fit 100 x 100";
    EXPECT_EQ(cache.Get(b, 200, 200).Width(), 200) << "the copy asked for is kept, however large";
    EXPECT_EQ(cache.Count(), 1u);
    cache.SetLimitBytes(16u << 20);
    cache.Clear();
}
