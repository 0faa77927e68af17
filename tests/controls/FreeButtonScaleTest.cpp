// The button on a scaled display: the same picture, every logical pixel a block, the caption sharp.
#include <gtest/gtest.h>

#include "FreeButtonTestKit.h"

namespace {

// Paints the button through a canvas with the scale (in quarters), at the given logical place.
TBitmap RenderScaled(TFreeButton& button, int quarters, TPoint at) {
    TDeviceTransform device;
    device.Quarters = quarters;
    const TRect where = device.Map(TRect::FromSize(at.X, at.Y, button.Width(), button.Height()));
    TBitmap bitmap(where.Right + 4, where.Bottom + 4, RGB(1, 2, 3));
    TCanvas canvas(bitmap);
    canvas.SetDevice(device);
    canvas.SetOrigin(at);
    button.Paint(canvas);
    return bitmap;
}

}  // namespace

// At twice the size each logical pixel of the 1:1 picture must come back as a 2 x 2 block, in
// every look, wherever the caption is not; and the caption must still be there.
TEST(FreeButtonScale, TwiceTheSizeIsTheSamePictureWithASharpCaption) {
    TButtonHarness h;
    TCountingButton* button = AddStartButton(h);
    for (TMouseState look : {msNormal, msHover, msPressed}) {
        ShowLook(*button, look);
        const TBitmap plain = Render(*button);
        const TBitmap big = RenderScaled(*button, 8, TPoint{0, 0});
        int differences = 0, caption = 0;
        for (int y = 0; y < plain.Height(); ++y) {
            for (int x = 0; x < plain.Width(); ++x) {
                const bool inCaption = x >= 80 && x < 170 && y >= 10 && y < 42;
                // The light's diagonal is drawn in device pixels (checked below).
                const bool inLight = x >= 226 && x < 244 && y >= 26 && y < 44;
                for (int k = 0; k < 4; ++k) {
                    const TColor scaled = big.Pixel(2 * x + k % 2, 2 * y + k / 2);
                    if (inLight)
                        continue;
                    if (inCaption)
                        caption += scaled == clWhite;
                    else if (scaled != plain.Pixel(x, y) && ++differences <= 3)
                        ADD_FAILURE() << "look " << look << " at (" << x << "," << y << ")";
                }
            }
        }
        EXPECT_GT(caption, 100) << "look " << look << ": the caption is missing";
    }
}

// The light's diagonal at 1.75 and 3.5: the left edge of its outline moves one device pixel per
// row (a staircase of logical blocks would step by two to four), at rest and under the pointer.
TEST(FreeButtonScale, TheLightsDiagonalStepsOneDevicePixelPerRow) {
    TButtonHarness h;
    TCountingButton* button = AddStartButton(h);
    for (int quarters : {7, 14}) {
        for (TMouseState look : {msNormal, msHover}) {
            ShowLook(*button, look);
            const TBitmap big = RenderScaled(*button, quarters, TPoint{0, 0});
            // Each row of the light's area: where its first pixel unlike the face's is.
            const int x0 = (222 * quarters) / 4, x1 = (241 * quarters) / 4;
            const int y0 = (24 * quarters) / 4, y1 = (42 * quarters) / 4;
            const TColor face = big.Pixel(x0, y0);
            std::vector<int> edges;
            for (int y = y0; y < y1; ++y) {
                int first = -1;
                for (int x = x0; x < x1 && first < 0; ++x) {
                    if (big.Pixel(x, y) != face)
                        first = x;
                }
                if (first >= 0)
                    edges.push_back(first);
            }
            ASSERT_GT(edges.size(), 10u) << quarters << " look " << look;
            for (std::size_t i = 1; i < edges.size(); ++i)
                EXPECT_EQ(edges[i - 1] - edges[i], 1)
                    << quarters << " look " << look << " row " << i;
        }
    }
}
