// The painter on a scaled display: where logical pixels land, sharp text, filtered pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

namespace {

// The cubic filter worked out directly in floating point, one output pixel at a time: what the
// fixed-point two-pass resampler must produce to within one step of a channel. The kernel in its
// textbook form, Keys' cubic with a = -0.5 (Catmull-Rom).
double ReferenceCubic(double x) {
    constexpr double a = -0.5;
    const double d = std::fabs(x);
    if (d < 1)
        return (a + 2) * std::pow(d, 3) - (a + 3) * d * d + 1;
    if (d < 2)
        return a * std::pow(d, 3) - 5 * a * d * d + 8 * a * d - 4 * a;
    return 0;
}

std::vector<std::pair<int, double>> ReferenceTaps(int source, int dest, int i) {
    const double ratio = static_cast<double>(dest) / source;
    const double widen = ratio < 1 ? 1 / ratio : 1;
    const double centre = (i + 0.5) / ratio - 0.5;
    std::vector<std::pair<int, double>> taps;
    double sum = 0;
    for (int j = static_cast<int>(std::floor(centre - 2 * widen)) + 1; j <= centre + 2 * widen;
         ++j) {
        taps.emplace_back(std::clamp(j, 0, source - 1), ReferenceCubic((j - centre) / widen));
        sum += taps.back().second;
    }
    for (auto& tap : taps)
        tap.second /= sum;
    return taps;
}

}  // namespace

TEST(CanvasScale, ResamplingMatchesTheCubicFilterWorkedOutDirectly) {
    TBitmap picture(13, 9);
    std::uint32_t noise = 12345;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            noise = noise * 1103515245u + 12345u;
            picture.SetPixel(x, y, noise >> 8 & 0xFFFFFF);
        }
    const auto level = [](double value) {
        return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
    };
    // Enlargements at the scales a display gets, and a reduction. Rows are filtered first and
    // their levels kept within 0 to 255, then columns.
    for (const TSize size : {TSize{23, 16}, TSize{39, 27}, TSize{46, 32}, TSize{7, 5}}) {
        const TBitmap out = ResamplePicture(picture, size.Width, size.Height);
        int worst = 0;
        for (const int shift : {0, 8, 16}) {
            std::vector<std::vector<int>> rows(picture.Height(), std::vector<int>(size.Width));
            for (int y = 0; y < picture.Height(); ++y)
                for (int x = 0; x < size.Width; ++x) {
                    double value = 0;
                    for (const auto& [sx, w] : ReferenceTaps(picture.Width(), size.Width, x))
                        value += w * ((picture.Pixel(sx, y) >> shift) & 0xFF);
                    rows[y][x] = level(value);
                }
            for (int y = 0; y < size.Height; ++y)
                for (int x = 0; x < size.Width; ++x) {
                    double value = 0;
                    for (const auto& [sy, w] : ReferenceTaps(picture.Height(), size.Height, y))
                        value += w * rows[sy][x];
                    const int got = static_cast<int>((out.Pixel(x, y) >> shift) & 0xFF);
                    worst = std::max(worst, std::abs(got - level(value)));
                }
        }
        EXPECT_LE(worst, 1) << size.Width << " x " << size.Height;
    }
}
