// Forms on a scaled display: what is painted and pushed, and where the pointer lands.
#include <gtest/gtest.h>

#include <vector>

#include "TApplication.h"
#include "TCanvas.h"
#include "TForm.h"
#include "headless/THeadlessBackend.h"
#include "headless/THeadlessDriver.h"

namespace {

// Fills its bounds and remembers where, in its own coordinates, the left button went down.
class TTarget : public TControl {
  public:
    using TControl::TControl;
    void Paint(TCanvas& canvas) override {
        canvas.Brush.Color = clRed;
        canvas.FillRect(TRect{-50, -50, Width() + 50, Height() + 50});  // the clip holds it in
    }
    void MouseDown(TMouseButton, TShiftState, int x, int y, TClickKind) override {
        Presses.push_back(TPoint{x, y});
    }
    std::vector<TPoint> Presses;
};

int CountPixels(const TBitmap& bitmap, TColor color) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            count += bitmap.Pixel(x, y) == color;
    return count;
}

std::uint64_t Area(const TRect& r) {
    return static_cast<std::uint64_t>(r.Width()) * r.Height();
}

// 1920 x 1080 at 1.75, as the game runs on it.
struct TScaledRun {
    THeadlessBackend backend{TSize{1920, 1080}};
    TApplication app{backend, 7};
    TForm* form = app.CreateForm<TForm>();
    THeadlessDriver drive{app, backend};
};

}  // namespace

TEST(ScaledForm, LogicalSizeFillsTheDisplayAndRepaintsStayPartial) {
    TScaledRun run;
    EXPECT_EQ(run.app.ScreenSize(), (TSize{1097, 617}));
    EXPECT_EQ(run.form->ClientWidth(), 1097);
    run.form->Color = RGB(0, 0, 200);
    TTarget* target = run.form->Add<TTarget>();
    target->SetBounds(100, 50, 40, 20);
    run.drive.Start();
    const TDeviceTransform& device = run.app.Device();
    const TRect block = device.Map(target->BoundsRect());
    EXPECT_EQ(block.Width(), 70);
    EXPECT_EQ(block.Height(), 35);
    EXPECT_EQ(CountPixels(run.drive.Screen(), clRed), static_cast<int>(Area(block)));
    EXPECT_EQ(run.drive.Screen().Pixel(block.Left - 1, block.Top), RGB(0, 0, 200));

    const std::uint64_t pushed = run.backend.PixelsPushed();
    target->SetLeft(104);
    run.drive.Pump();
    const TRect changed = device.Map(TRect{100, 50, 144, 70});
    EXPECT_EQ(run.backend.LastPresentRects(), std::vector<TRect>{changed});
    EXPECT_EQ(run.backend.PixelsPushed() - pushed, Area(changed));
    EXPECT_EQ(CountPixels(run.drive.Screen(), clRed), static_cast<int>(Area(block)));
}

TEST(ScaledForm, ThePointerLandsOnTheLogicalPixelItIsOver) {
    TScaledRun run;
    TTarget* target = run.form->Add<TTarget>();
    target->SetBounds(100, 50, 40, 20);
    run.drive.Start();
    const TDeviceTransform& device = run.app.Device();
    const TRect pixel = device.Map(TRect{110, 55, 111, 56});
    const TRect block = device.Map(target->BoundsRect());
    const TPoint presses[] = {{pixel.Left, pixel.Top},     {pixel.Right - 1, pixel.Bottom - 1},
                              {block.Left, block.Top},     {block.Right - 1, block.Bottom - 1},
                              {block.Left - 1, block.Top}, {block.Left, block.Bottom}};
    for (TPoint p : presses) {
        run.drive.Press(p.X, p.Y);
        run.drive.Release(p.X, p.Y);
    }
    EXPECT_EQ(target->Presses, (std::vector<TPoint>{{10, 5}, {10, 5}, {0, 0}, {39, 19}}));
}
