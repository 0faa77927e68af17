// Painting: dirty rectangles, what reaches the screen, clipping, the grid's cells and the image.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "TCanvas.h"
#include "TDrawGrid.h"
#include "TImage.h"
#include "WindowingTestKit.h"

namespace {

// Fills far more than its own bounds, to show the clip holds it in.
class TFloodControl : public TControl {
  public:
    TFloodControl(TForm* form, TColor color) : TControl(form), color_(color) {}
    void Paint(TCanvas& canvas) override {
        canvas.Brush.Color = color_;
        canvas.FillRect(TRect{-1000, -1000, 1000, 1000});
    }

  private:
    TColor color_;
};

int CountPixels(const TBitmap& bitmap, TColor color) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            count += bitmap.Pixel(x, y) == color;
    return count;
}

TEST(Paint, FirstShowPushesTheWholeFormThenOnlyWhatChanged) {
    THeadlessApp run;
    run.form->Color = RGB(0, 0, 200);
    TFloodControl* red = run.form->Add<TFloodControl>(clRed);
    red->SetBounds(20, 30, 40, 10);
    TFloodControl* green = run.form->Add<TFloodControl>(clGreen);
    green->SetBounds(120, 100, 10, 20);
    run.Start();
    EXPECT_EQ(run.backend.LastPresentRects(), (std::vector<TRect>{TRect{0, 0, 200, 150}}));
    EXPECT_EQ(CountPixels(run.drive.Screen(), clRed), 400);
    EXPECT_EQ(run.drive.Screen().Pixel(19, 30), RGB(0, 0, 200));

    const std::uint64_t pushedBefore = run.backend.PixelsPushed();
    red->SetLeft(22);  // old and new bounds overlap: one rectangle
    run.drive.Pump();
    EXPECT_EQ(run.backend.LastPresentRects(), (std::vector<TRect>{TRect{20, 30, 62, 40}}));
    EXPECT_EQ(run.backend.PixelsPushed() - pushedBefore, 420u);
    EXPECT_EQ(run.drive.Screen().Pixel(20, 30), RGB(0, 0, 200));
    EXPECT_EQ(run.drive.Screen().Pixel(61, 39), clRed);

    const std::uint64_t presents = run.backend.PresentCount();
    run.drive.Pump();  // nothing pending: nothing pushed
    EXPECT_EQ(run.backend.PresentCount(), presents);
}

// On 1920 x 1080 at 1.75 the form is 1097 x 617 logical pixels; a control covers exactly the
// device pixels of its bounds, and moving it pushes only the device pixels it touched.
TEST(Paint, AScaledFormRepaintsOnlyTheDevicePixelsThatChanged) {
    THeadlessBackend backend(TSize{1920, 1080});
    TApplication app(backend, 7);
    TForm* form = app.CreateForm<TForm>();
    THeadlessDriver drive(app, backend);
    EXPECT_EQ(form->ClientWidth(), 1097);
    EXPECT_EQ(form->ClientHeight(), 617);
    form->Color = RGB(0, 0, 200);
    TFloodControl* red = form->Add<TFloodControl>(clRed);
    red->SetBounds(100, 50, 40, 20);
    drive.Start();
    const TRect block = app.Device().Map(red->BoundsRect());
    EXPECT_EQ(block, (TRect{176, 89, 246, 124}));
    EXPECT_EQ(CountPixels(drive.Screen(), clRed), 70 * 35);

    const std::uint64_t pushed = backend.PixelsPushed();
    red->SetLeft(104);
    drive.Pump();
    const TRect changed = app.Device().Map(TRect{100, 50, 144, 70});
    EXPECT_EQ(backend.LastPresentRects(), std::vector<TRect>{changed});
    EXPECT_EQ(backend.PixelsPushed() - pushed,
              static_cast<std::uint64_t>(changed.Width()) * changed.Height());
    EXPECT_EQ(CountPixels(drive.Screen(), clRed), 70 * 35);
}

TEST(Paint, DirtyRectanglesMergeWhenCloseAndStayFew) {
    struct Case {
        const char* what;
        std::vector<TRect> invalidated;
        std::vector<TRect> pending;
    };
    const Case cases[] = {
        {"overlapping", {{0, 0, 40, 40}, {20, 20, 60, 60}}, {{0, 0, 60, 60}}},
        {"adjacent cells", {{0, 0, 40, 40}, {40, 0, 80, 40}}, {{0, 0, 80, 40}}},
        {"a few pixels apart", {{0, 0, 40, 40}, {44, 0, 84, 40}}, {{0, 0, 84, 40}}},
        {"far apart",
         {{0, 0, 10, 10}, {100, 100, 110, 110}},
         {{0, 0, 10, 10}, {100, 100, 110, 110}}},
        {"contained", {{0, 0, 100, 100}, {10, 10, 20, 20}}, {{0, 0, 100, 100}}},
        {"bars meeting at a corner",
         {{0, 0, 200, 5}, {0, 5, 5, 150}},
         {{0, 0, 200, 5}, {0, 5, 5, 150}}},
        {"clipped to the form",
         {{-50, -50, 10, 10}, {190, 140, 300, 300}},
         {{0, 0, 10, 10}, {190, 140, 200, 150}}},
        {"chain closing a gap",
         {{0, 0, 10, 10}, {30, 0, 40, 10}, {10, 0, 30, 10}},
         {{0, 0, 40, 10}}},
    };
    for (const Case& c : cases) {
        THeadlessApp run;
        run.Start();
        for (const TRect& r : c.invalidated)
            run.form->InvalidateRect(r);
        EXPECT_EQ(run.form->PendingRects(), c.pending) << c.what;
    }
    THeadlessApp run;
    run.Start();
    std::vector<TRect> scattered;
    for (int i = 0; i < 30; ++i) {
        scattered.push_back(TRect::FromSize((i * 37) % 190, (i * 53) % 140, 3, 3));
        run.form->InvalidateRect(scattered.back());
    }
    EXPECT_LE(run.form->PendingRects().size(), 8u);
    for (const TRect& r : scattered) {
        bool covered = false;
        for (const TRect& p : run.form->PendingRects())
            covered |= p.Intersect(r) == r;
        EXPECT_TRUE(covered) << r;
    }
}

TEST(Paint, AHiddenFormCollectsNothingAndUpdatePaintsAtOnce) {
    THeadlessApp run;
    TLogForm* hidden = run.app.CreateForm<TLogForm>();
    TFloodControl* red = run.form->Add<TFloodControl>(clRed);
    red->SetBounds(0, 0, 10, 10);
    hidden->InvalidateRect(TRect{0, 0, 10, 10});
    EXPECT_TRUE(hidden->PendingRects().empty());
    run.Start();
    red->SetLeft(50);
    red->Update();
    EXPECT_EQ(run.drive.Screen().Pixel(55, 5), clRed);
}

TEST(DrawGrid, AsksOnlyForTheCellsThatMeetTheRepaintedArea) {
    THeadlessApp run;
    TDrawGrid* grid = run.form->Add<TDrawGrid>();
    grid->SetColCount(4);
    grid->SetRowCount(3);
    grid->SetDefaultColWidth(20);
    grid->SetDefaultRowHeight(10);
    grid->SetBounds(30, 40, 80, 30);
    std::set<std::pair<int, int>> drawn;
    grid->OnDrawCell = [&](int col, int row, const TRect& cell, TCanvas& canvas) {
        drawn.insert({col, row});
        EXPECT_EQ(cell, grid->CellRect(col, row));
        EXPECT_EQ(canvas.Origin(), (TPoint{30, 40}));
        canvas.Brush.Color = RGB(col * 60, row * 60, 255);
        canvas.FillRect(cell);
    };
    run.Start();
    EXPECT_EQ(drawn.size(), 12u);
    EXPECT_EQ(run.drive.Screen().Pixel(30 + 45, 40 + 15), RGB(120, 60, 255));

    struct Case {
        const char* what;
        std::function<void()> invalidate;
        std::set<std::pair<int, int>> cells;
    };
    const Case cases[] = {
        {"one cell", [&] { grid->InvalidateCell(2, 1); }, {{2, 1}}},
        {"a corner of four",
         [&] {
             grid->InvalidateRect(TRect{19, 9, 21, 11});
         },
         {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
        {"last column's edge",
         [&] {
             run.form->InvalidateRect(TRect{109, 40, 120, 41});
         },
         {{3, 0}}},
        {"outside the cells", [&] { grid->InvalidateCell(4, 0); }, {}},
    };
    for (const Case& c : cases) {
        drawn.clear();
        c.invalidate();
        run.drive.Pump();
        EXPECT_EQ(drawn, c.cells) << c.what;
    }
}

TEST(DrawGrid, KeysReachTheHandlerAndArrowsMoveNothing) {
    THeadlessApp run;
    TDrawGrid* grid = run.form->Add<TDrawGrid>();
    std::vector<int> keys;
    grid->OnKeyDown = [&](TControl*, int& key, TShiftState) { keys.push_back(key); };
    run.Start();
    ASSERT_TRUE(grid->CanFocus());
    grid->SetFocus();
    run.drive.Pump();
    for (int key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})
        run.drive.Key(key);
    EXPECT_EQ(keys, (std::vector<int>{37, 38, 39, 40}));
    EXPECT_TRUE(run.form->PendingRects().empty()) << "an arrow key repainted the grid";
}

TEST(Image, DrawsAtItsOwnSizeOrStretched) {
    THeadlessApp run;
    TImage* image = run.form->Add<TImage>();
    image->SetBounds(10, 10, 40, 20);
    TBitmap picture(20, 10, clRed);
    picture.SetPixel(19, 9, clWhite);
    image->SetPicture(picture);
    run.Start();
    const TBitmap& screen = run.drive.Screen();
    EXPECT_EQ(screen.Pixel(10, 10), clRed);
    EXPECT_EQ(screen.Pixel(29, 19), clWhite);
    EXPECT_EQ(screen.Pixel(30, 20), clBlack) << "drawn beyond its own size";
    image->SetStretch(true);
    run.drive.Pump();
    EXPECT_EQ(screen.Pixel(30, 20), clRed);
    EXPECT_EQ(screen.Pixel(49, 29), clWhite);
    std::string error;
    EXPECT_FALSE(image->LoadFromResource("NO-SUCH-PICTURE", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(image->Picture() == picture) << "a failed load changed the picture";
}

TEST(Paint, APictureFromALoaderIsMadeOnShowAndDroppedWhileItsFormIsHidden) {
    for (const int quarters : {4, 7}) {
        SCOPED_TRACE(quarters);
        THeadlessBackend backend(TSize{200, 150});
        TApplication app(backend, quarters);
        TForm* form = app.CreateForm<TLogForm>();
        TForm* other = app.CreateForm<TLogForm>();
        THeadlessDriver drive(app, backend);
        TImage* image = form->Add<TImage>();
        image->SetBounds(10, 10, 20, 10);
        int loads = 0;
        image->SetPictureLoader([&loads](TBitmap& picture) {
            ++loads;
            picture.SetSize(20, 10, clRed);
            picture.SetPixel(19, 9, clWhite);
        });
        const TRect device = app.Device().Map(image->BoundsRect());
        const auto shows = [&] {
            return drive.Screen().Pixel(device.Left, device.Top) == clRed &&
                   drive.Screen().Pixel(device.Right - 1, device.Bottom - 1) == clWhite;
        };
        EXPECT_EQ(loads, 0) << "made before anything needed it";
        drive.Start();
        EXPECT_EQ(loads, 1);
        EXPECT_TRUE(shows());
        form->Invalidate();
        drive.Pump();
        EXPECT_EQ(loads, 1) << "made again for a repaint while on show";
        EXPECT_TRUE(shows());

        form->Hide();
        other->Show();
        drive.Pump();
        other->Hide();
        form->Show();
        drive.Pump();
        EXPECT_EQ(loads, 2) << "kept while hidden, or not made again for the next show";
        EXPECT_TRUE(shows());

        // A picture set directly stays through hiding.
        image->SetPicture(TBitmap(20, 10, clWhite));
        form->Hide();
        EXPECT_EQ(image->Picture().Pixel(0, 0), clWhite);
        EXPECT_EQ(loads, 2);
    }
}

}  // namespace
