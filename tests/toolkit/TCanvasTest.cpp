// Pixel tests of the painter's conventions on small bitmaps.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SysColors.h"
#include "TCanvas.h"

namespace {

constexpr TColor Back = RGB(255, 255, 255);
constexpr TColor PenColor = RGB(0, 0, 0);
constexpr TColor BrushColor = RGB(200, 0, 0);

// Renders a bitmap as rows of characters: '.' background, 'o' pen, '#' brush, '?' anything else.
std::string Picture(const TBitmap& b) {
    std::string out;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            const TColor c = b.Pixel(x, y);
            out += c == Back ? '.' : c == PenColor ? 'o' : c == BrushColor ? '#' : '?';
        }
        out += '\n';
    }
    return out;
}

std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows)
        out += std::string(r) + "\n";
    return out;
}

struct TShapeCase {
    const char* Name;
    int Width;
    int Height;
    std::function<void(TCanvas&)> Draw;
    std::string Expected;
};

void PrintTo(const TShapeCase& c, std::ostream* os) {
    *os << c.Name;
}

class ShapeTest : public ::testing::TestWithParam<TShapeCase> {};

TEST_P(ShapeTest, PaintsExactlyThesePixels) {
    const TShapeCase& c = GetParam();
    TBitmap bitmap(c.Width, c.Height, Back);
    TCanvas canvas(bitmap);
    canvas.Pen.Color = PenColor;
    canvas.Brush.Color = BrushColor;
    c.Draw(canvas);
    EXPECT_EQ(Picture(bitmap), c.Expected) << c.Name;
}

const TShapeCase ShapeCases[] = {
    {"FillRectExcludesRightAndBottom", 5, 4,
     [](TCanvas& k) {
         k.FillRect(TRect{1, 1, 3, 3});
     },
     Rows({".....", ".##..", ".##..", "....."})},
    {"RectangleOutlineAndFill", 6, 5, [](TCanvas& k) { k.Rectangle(1, 1, 5, 4); },
     Rows({"......", ".oooo.", ".o##o.", ".oooo.", "......"})},
    {"RectangleClearBrushLeavesInside", 6, 5,
     [](TCanvas& k) {
         k.Brush.Style = TBrushStyle::Clear;
         k.Rectangle(1, 1, 5, 4);
     },
     Rows({"......", ".oooo.", ".o..o.", ".oooo.", "......"})},
    {"RectangleWithSwappedCorners", 6, 5, [](TCanvas& k) { k.Rectangle(5, 4, 1, 1); },
     Rows({"......", ".oooo.", ".o##o.", ".oooo.", "......"})},
    {"RoundRectCutsOneCornerPixel", 8, 7, [](TCanvas& k) { k.RoundRect(1, 1, 7, 6, 4, 4); },
     Rows({"........", "..oooo..", ".o####o.", ".o####o.", ".o####o.", "..oooo..", "........"})},
    {"LineExcludesEndAndPathContinues", 6, 5,
     [](TCanvas& k) {
         k.MoveTo(1, 1);
         k.LineTo(4, 1);
         k.LineTo(4, 4);
     },
     // The second line starts where the first stopped, at (4, 1), and stops short of (4, 4).
     Rows({"......", ".oooo.", "....o.", "....o.", "......"})},
    {"LineToItselfDrawsNothing", 3, 3,
     [](TCanvas& k) {
         k.MoveTo(1, 1);
         k.LineTo(1, 1);
     },
     Rows({"...", "...", "..."})},
    {"WidePenCoversRowAboveAndOwnRow", 9, 6,
     [](TCanvas& k) {
         k.Pen.Width = 2;
         k.MoveTo(3, 3);
         k.LineTo(7, 3);
     },
     Rows({".........", ".........", "..ooooo..", "..ooooo..", ".........", "........."})},
    {"WidePenVerticalCoversColumnLeft", 6, 7,
     [](TCanvas& k) {
         k.Pen.Width = 2;
         k.MoveTo(3, 3);
         k.LineTo(3, 6);
     },
     Rows({"......", "......", "..oo..", "..oo..", "..oo..", "..oo..", "......"})},
    {"TriangleLegsUpAndLeft", 9, 8,
     [](TCanvas& k) {
         k.Polygon({{6, 6}, {6, 2}, {2, 6}});
     },
     Rows({".........", ".........", "......o..", ".....oo..", "....o#o..", "...o##o..",
           "..ooooo..", "........."})},
    {"TriangleWithNegativeLegsPointsDownRight", 9, 8,
     [](TCanvas& k) {
         k.Polygon({{2, 2}, {2, 6}, {6, 2}});
     },
     Rows({".........", ".........", "..ooooo..", "..o##o...", "..o#o....", "..oo.....",
           "..o......", "........."})},
    {"PolygonOfOnePointIsThatPixel", 5, 5,
     [](TCanvas& k) {
         k.Polygon({{2, 3}, {2, 3}, {2, 3}});
     },
     Rows({".....", ".....", ".....", "..o..", "....."})},
    {"OriginShiftsEverything", 5, 4,
     [](TCanvas& k) {
         k.SetOrigin(TPoint{2, 1});
         k.FillRect(TRect{0, 0, 2, 2});
         k.SetPixel(-2, -1, PenColor);
     },
     Rows({"o....", "..##.", "..##.", "....."})},
    {"NegativeOriginClipsAtBitmapEdge", 4, 4,
     [](TCanvas& k) {
         k.SetOrigin(TPoint{-5, -5});
         k.FillRect(TRect{0, 0, 8, 8});
     },
     Rows({"###.", "###.", "###.", "...."})},
    {"RoundRectHangingOffTheTopLeft", 4, 4, [](TCanvas& k) { k.RoundRect(-3, -3, 3, 3, 4, 4); },
     Rows({"##o.", "##o.", "oo..", "...."})},
    // Lines crossing the clip's right edge (x = 5) keep every pixel left of it.
    {"LineLeavingThroughTheClipsRightEdge", 8, 3,
     [](TCanvas& k) {
         k.SetClipRect(TRect{0, 0, 5, 3});
         k.MoveTo(2, 1);
         k.LineTo(7, 1);
     },
     Rows({"........", "..ooo...", "........"})},
    {"LineFromTheClipsLastColumnOutward", 8, 3,
     [](TCanvas& k) {
         k.SetClipRect(TRect{0, 0, 5, 3});
         k.MoveTo(4, 1);
         k.LineTo(8, 1);
     },
     Rows({"........", "....o...", "........"})},
    {"LineComingInFromBeyondTheRightEdge", 8, 3,
     [](TCanvas& k) {
         k.SetClipRect(TRect{0, 0, 5, 3});
         k.MoveTo(7, 1);
         k.LineTo(1, 1);
     },
     Rows({"........", "..ooo...", "........"})},
    {"DiagonalThroughTheRightEdge", 8, 5,
     [](TCanvas& k) {
         k.SetClipRect(TRect{0, 0, 5, 5});
         k.MoveTo(2, 0);
         k.LineTo(7, 5);
     },
     Rows({"..o.....", "...o....", "....o...", "........", "........"})},
    {"WidePenJustRightOfTheClipReachesIn", 8, 4,
     [](TCanvas& k) {
         k.SetClipRect(TRect{0, 0, 5, 4});
         k.Pen.Width = 2;
         k.MoveTo(5, 1);
         k.LineTo(5, 3);
     },
     Rows({"....o...", "....o...", "....o...", "........"})},
    {"LongDiagonalThroughNegativeSpace", 4, 4,
     [](TCanvas& k) {
         k.MoveTo(-10, -10);
         k.LineTo(10, 10);
     },
     Rows({"o...", ".o..", "..o.", "...o"})},
};

INSTANTIATE_TEST_SUITE_P(Canvas, ShapeTest, ::testing::ValuesIn(ShapeCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Every primitive, drawn over the whole bitmap and beyond, must stay inside the clip rect.
TEST(CanvasClip, EveryPrimitiveStaysInsideTheClip) {
    TBitmap picture(3, 3, BrushColor);
    const std::vector<std::pair<const char*, std::function<void(TCanvas&)>>> primitives = {
        {"FillRect",
         [](TCanvas& k) {
             k.FillRect(TRect{-20, -20, 40, 40});
         }},
        {"Rectangle", [](TCanvas& k) { k.Rectangle(-1, -1, 11, 11); }},
        {"RoundRect", [](TCanvas& k) { k.RoundRect(-1, -1, 11, 11, 6, 6); }},
        {"WideLine",
         [](TCanvas& k) {
             k.Pen.Width = 5;
             k.MoveTo(-30, 4);
             k.LineTo(30, 5);
         }},
        {"Polygon",
         [](TCanvas& k) {
             k.Polygon({{-50, -50}, {60, 4}, {-50, 60}});
         }},
        // A line a billion pixels long above the picture must be skipped, not walked.
        {"FarLine",
         [](TCanvas& k) {
             k.MoveTo(-1000000000, -50);
             k.LineTo(1000000000, -50);
         }},
        {"SetPixel", [](TCanvas& k) { k.SetPixel(1, 1, PenColor); }},
        {"Draw", [&](TCanvas& k) { k.Draw(1, 1, picture); }},
        {"StretchDraw",
         [&](TCanvas& k) {
             k.StretchDraw(TRect{-5, -5, 20, 20}, picture);
         }},
    };
    const TRect clip{2, 2, 6, 7};
    for (const auto& [name, draw] : primitives) {
        for (TPoint origin : {TPoint{0, 0}, TPoint{-7, -3}, TPoint{5, 6}}) {
            TBitmap bitmap(10, 10, Back);
            TCanvas canvas(bitmap);
            canvas.Pen.Color = PenColor;
            canvas.Brush.Color = BrushColor;
            canvas.SetClipRect(clip);
            canvas.SetOrigin(origin);
            draw(canvas);
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 10; ++x) {
                    if (clip.Contains(TPoint{x, y}))
                        continue;
                    ASSERT_EQ(bitmap.Pixel(x, y), Back) << name << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(CanvasClip, ClipFollowsBitmapAndGuardRestoresTheWholeState) {
    TBitmap bitmap(4, 4, Back);
    TCanvas canvas(bitmap);
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 4, 4}));
    bitmap.SetSize(6, 5, Back);
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 6, 5}));  // a fresh canvas follows a resize
    canvas.SetClipRect(TRect{-3, 1, 100, 100});
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 1, 6, 5}));
    {
        TCanvasStateGuard guard(canvas);
        canvas.SetOrigin(TPoint{2, 2});
        canvas.IntersectClipRect(TRect{0, 0, 1, 1});
        EXPECT_EQ(canvas.ClipRect(), (TRect{2, 2, 3, 3}));
        canvas.Pen = TPen{BrushColor, 3};
        canvas.Brush = TBrush{BrushColor, TBrushStyle::Clear};
        canvas.Font.Height = -40;
        canvas.MoveTo(1, 1);
    }
    EXPECT_EQ(canvas.Origin(), (TPoint{0, 0}));
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 1, 6, 5}));
    // A line after the block starts at the pen position of before, in the pen of before.
    canvas.LineTo(0, 3);
    EXPECT_EQ(bitmap.Pixel(0, 1), clBlack);
    EXPECT_EQ(bitmap.Pixel(1, 1), Back) << "the block's pen or its position leaked out";
    EXPECT_EQ(canvas.Brush.Style, TBrushStyle::Solid);
    EXPECT_TRUE(canvas.Font == TFont());
}

TEST(CanvasDraw, KeyedPictureLeavesItsKeyColourOut) {
    TBitmap picture(3, 1);
    picture.SetPixel(0, 0, PenColor);
    picture.SetPixel(1, 0, RGB(1, 2, 3));
    picture.SetPixel(2, 0, BrushColor);
    TBitmap bitmap(5, 1, Back);
    TCanvas canvas(bitmap);

    canvas.Draw(1, 0, picture);
    EXPECT_EQ(bitmap.Pixel(2, 0), RGB(1, 2, 3)) << "opaque picture copies every pixel";

    bitmap.SetSize(5, 1, Back);
    picture.Transparent = true;
    picture.TransparentColor = RGB(1, 2, 3);
    canvas.Draw(1, 0, picture);
    EXPECT_EQ(Picture(bitmap), ".o.#.\n");
}

TEST(CanvasDraw, StretchDrawScalesByNearestPixel) {
    TBitmap picture(2, 2);
    picture.SetPixel(0, 0, PenColor);
    picture.SetPixel(1, 0, BrushColor);
    picture.SetPixel(0, 1, BrushColor);
    picture.SetPixel(1, 1, Back);
    TBitmap bitmap(4, 4, RGB(9, 9, 9));
    TCanvas canvas(bitmap);
    canvas.StretchDraw(TRect{0, 0, 4, 4}, picture);
    EXPECT_EQ(Picture(bitmap), Rows({"oo##", "oo##", "##..", "##.."}));
}

TEST(CanvasColours, SystemColourReferencesAreResolvedWhenDrawn) {
    TBitmap bitmap(2, 1, Back);
    TCanvas canvas(bitmap);
    canvas.Brush.Color = SysColorRef(COLOR_BTNFACE);
    canvas.FillRect(TRect{0, 0, 1, 1});
    canvas.SetPixel(1, 0, SysColorRef(COLOR_WINDOWTEXT));
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(236, 233, 216));
    EXPECT_EQ(bitmap.Pixel(1, 0), clBlack);
}

}  // namespace
