// Where layout coordinates land on the display's pixels when the whole picture is drawn scaled.
#pragma once

#include "TTypes.h"

// Controls, forms and screens work in logical units; the canvas maps them to device pixels with
// a scale in quarters (4 is 1:1, 7 is 1.75) and the device pixel of logical (0, 0). Logical pixel
// x covers the device pixels X(x) .. X(x + 1) - 1, so shapes that share an edge in logical units
// share it on the device too and nothing is left between them.
struct TDeviceTransform {
    int Quarters = 4;
    TPoint Offset{};

    double Scale() const { return Quarters / 4.0; }
    bool IsIdentity() const { return Quarters == 4 && Offset.X == 0 && Offset.Y == 0; }

    // A length scaled and rounded half up (a negative one rounds the same way).
    int Scaled(int logical) const {
        return FloorDiv(static_cast<long long>(logical) * Quarters + 2, 4);
    }
    int X(int x) const { return Offset.X + Scaled(x); }
    int Y(int y) const { return Offset.Y + Scaled(y); }
    TPoint Map(TPoint p) const { return TPoint{X(p.X), Y(p.Y)}; }
    TRect Map(const TRect& r) const { return TRect{X(r.Left), Y(r.Top), X(r.Right), Y(r.Bottom)}; }

    // The logical pixel that a device pixel belongs to: the x with X(x) <= device < X(x + 1).
    TPoint Unmap(TPoint device) const {
        return TPoint{FloorDiv(4LL * (device.X - Offset.X) + 1, Quarters),
                      FloorDiv(4LL * (device.Y - Offset.Y) + 1, Quarters)};
    }
    // The smallest logical rectangle whose device pixels cover the device rectangle.
    TRect Cover(const TRect& device) const {
        if (device.IsEmpty())
            return TRect{};
        const TPoint first = Unmap(TPoint{device.Left, device.Top});
        const TPoint last = Unmap(TPoint{device.Right - 1, device.Bottom - 1});
        return TRect{first.X, first.Y, last.X + 1, last.Y + 1};
    }

    // The logical size of a display drawn at this scale: what fits whole.
    static TSize LogicalSize(TSize display, int quarters) {
        return TSize{FloorDiv(4LL * display.Width, quarters),
                     FloorDiv(4LL * display.Height, quarters)};
    }
    // The transform for a whole display: the middle logical column and row land on the display's
    // middle, so whatever is centred in logical units is centred on the display to the pixel.
    static TDeviceTransform ForDisplay(TSize display, int quarters) {
        return Centred(display, quarters, LogicalSize(display, quarters));
    }
    // The same for a logical area laid out for another display: its middle lands on this
    // display's middle, whatever it overhangs or leaves free around it.
    static TDeviceTransform Centred(TSize display, int quarters, TSize logical) {
        TDeviceTransform t;
        t.Quarters = quarters;
        t.Offset = TPoint{display.Width / 2 - t.Scaled(logical.Width / 2),
                          display.Height / 2 - t.Scaled(logical.Height / 2)};
        return t;
    }

    static int FloorDiv(long long a, int b) {
        const long long q = a / b;
        return static_cast<int>(q * b > a ? q - 1 : q);
    }
};
