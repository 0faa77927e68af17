// The software painter: rectangles, rounded rectangles, lines, polygons, text and pictures.
#include "TCanvas.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "SysColors.h"
#include "TFontEngine.h"
#include "TScaledPictureCache.h"

namespace {

// A clip that means "the whole bitmap, whatever its size"; it is intersected with the bitmap at
// every use, so it never needs updating when the bitmap is resized.
constexpr TRect UnlimitedClip{INT_MIN / 4, INT_MIN / 4, INT_MAX / 4, INT_MAX / 4};

TRect BitmapRect(const TBitmap& b) {
    return TRect{0, 0, b.Width(), b.Height()};
}

// Writes logical pixels, dropping every device pixel outside the clip. With the identity transform
// a logical pixel is one bitmap pixel; scaled, it is the block of device pixels it covers.
class TPlotter {
  public:
    TPlotter(TBitmap& target, const TRect& clip, const TDeviceTransform& device)
        : target_(target),
          clip_(clip),
          device_(device),
          identity_(device.IsIdentity()),
          logicalClip_(identity_ ? clip : device.Cover(clip)) {}
    // The clip in logical units, for skipping rows and lines that cannot show.
    const TRect& Clip() const { return logicalClip_; }
    void Plot(int x, int y, std::uint32_t native) {
        if (!identity_) {
            Fill(TRect{device_.X(x), device_.Y(y), device_.X(x + 1), device_.Y(y + 1)}, native);
            return;
        }
        if (x < clip_.Left || x >= clip_.Right || y < clip_.Top || y >= clip_.Bottom)
            return;
        target_.Row(y)[x] = native;
    }
    // Fills x1..x2 (inclusive) of row y.
    void Span(int y, int x1, int x2, std::uint32_t native) {
        if (!identity_) {
            if (x2 >= x1)
                Fill(TRect{device_.X(x1), device_.Y(y), device_.X(x2 + 1), device_.Y(y + 1)},
                     native);
            return;
        }
        if (y < clip_.Top || y >= clip_.Bottom)
            return;
        x1 = std::max(x1, clip_.Left);
        x2 = std::min(x2, clip_.Right - 1);
        std::uint32_t* row = target_.Row(y);
        for (int x = x1; x <= x2; ++x)
            row[x] = native;
    }
    void Square(int x, int y, int width, std::uint32_t native) {
        const int x0 = x - width / 2;
        const int y0 = y - width / 2;
        for (int yy = y0; yy < y0 + width; ++yy)
            Span(yy, x0, x0 + width - 1, native);
    }

  private:
    void Fill(const TRect& device, std::uint32_t native) {
        const TRect area = device.Intersect(clip_);
        for (int y = area.Top; y < area.Bottom; ++y) {
            std::uint32_t* row = target_.Row(y);
            std::fill(row + area.Left, row + area.Right, native);
        }
    }

    TBitmap& target_;
    TRect clip_;
    TDeviceTransform device_;
    bool identity_;
    TRect logicalClip_;
};

// The horizontal extent of one row of a filled shape, inclusive at both ends.
struct TRowSpan {
    int Left = 0;
    int Right = -1;
    bool Covers(int x) const { return x >= Left && x <= Right; }
};

// Fills a shape given row by row: pixels with a 4-neighbour outside the shape are the outline
// (pen), the rest is the inside (brush, unless the brush is clear). This gives a thin outline
// that follows curved corners without gaps.
void PaintSpans(TPlotter& plot, int top, const std::vector<TRowSpan>& rows, std::uint32_t pen,
                const std::uint32_t* brush) {
    const int count = static_cast<int>(rows.size());
    for (int i = 0; i < count; ++i) {
        const TRowSpan& row = rows[i];
        const TRowSpan above = i > 0 ? rows[i - 1] : TRowSpan{};
        const TRowSpan below = i + 1 < count ? rows[i + 1] : TRowSpan{};
        const int y = top + i;
        if (y < plot.Clip().Top || y >= plot.Clip().Bottom)
            continue;
        const int from = std::max(row.Left, plot.Clip().Left);
        const int to = std::min(row.Right, plot.Clip().Right - 1);
        for (int x = from; x <= to; ++x) {
            const bool edge =
                x == row.Left || x == row.Right || !above.Covers(x) || !below.Covers(x);
            if (edge) {
                plot.Plot(x, y, pen);
            } else if (brush) {
                plot.Plot(x, y, *brush);
            }
        }
    }
}

// Steps from (x0, y0) towards (x1, y1), calling visit for every point but the last.
template <typename Visit>
void WalkLine(int x0, int y0, int x1, int y1, Visit visit) {
    const long long dx = std::llabs(static_cast<long long>(x1) - x0);
    const long long dy = -std::llabs(static_cast<long long>(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        visit(x, y);
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// True when every point of the line (and the pen squares around them) lies on one outer side of
// the clip, so walking it would only waste time on a long off-screen line.
bool LineMissesClip(int x0, int y0, int x1, int y1, int width, const TRect& clip) {
    return std::max(x0, x1) + width < clip.Left || std::min(x0, x1) - width >= clip.Right ||
           std::max(y0, y1) + width < clip.Top || std::min(y0, y1) - width >= clip.Bottom;
}

}  // namespace

TCanvas::TCanvas(TBitmap& target) : target_(&target), clip_(UnlimitedClip) {}

TRect TCanvas::ClipRect() const {
    return clip_.Intersect(BitmapRect(*target_));
}

void TCanvas::SetClipRect(const TRect& clip) {
    clip_ = clip.Intersect(BitmapRect(*target_));
}

void TCanvas::IntersectClipRect(const TRect& local) {
    clip_ = clip_.Intersect(DeviceRect(local));
}

TRect TCanvas::DeviceRect(const TRect& local) const {
    return device_.Map(local.Offset(origin_.X, origin_.Y));
}

TRect TCanvas::VisibleRect() const {
    return LogicalClip().Offset(-origin_.X, -origin_.Y);
}

void TCanvas::FillRect(const TRect& r) {
    const TRect area = DeviceRect(r).Intersect(ClipRect());
    const std::uint32_t color = TBitmap::ToNative(ResolveColor(Brush.Color));
    for (int y = area.Top; y < area.Bottom; ++y) {
        std::uint32_t* row = target_->Row(y);
        for (int x = area.Left; x < area.Right; ++x)
            row[x] = color;
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    RoundRect(x1, y1, x2, y2, 0, 0);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    const int width = x2 - x1;
    const int height = y2 - y1;
    if (width <= 0 || height <= 0)
        return;
    // Corners are quarters of an ellipse of cornerWidth x cornerHeight; a pixel belongs to the
    // shape when its centre lies inside, which for a 4 x 4 ellipse cuts off one pixel per corner.
    const double rx = std::min(std::abs(cornerWidth), width) / 2.0;
    const double ry = std::min(std::abs(cornerHeight), height) / 2.0;
    const TRect clip = LogicalClip();
    // Only the rows that can be visible are worked out, plus one on each side for the outline.
    const int firstRow = std::max(0, clip.Top - origin_.Y - y1 - 1);
    const int lastRow = std::min(height - 1, clip.Bottom - origin_.Y - y1);
    if (firstRow > lastRow)
        return;
    std::vector<TRowSpan> rows;
    rows.reserve(static_cast<std::size_t>(lastRow - firstRow + 1));
    for (int i = firstRow; i <= lastRow; ++i) {
        double inset = 0;
        if (rx > 0 && ry > 0) {
            const double centre = i + 0.5;
            double dy = 0;
            if (centre < ry)
                dy = ry - centre;
            if (centre > height - ry)
                dy = centre - (height - ry);
            if (dy > 0) {
                const double t = std::min(1.0, dy / ry);
                inset = rx - rx * std::sqrt(1.0 - t * t);
            }
        }
        const int left = static_cast<int>(std::ceil(inset - 0.5));
        const int right = width - 1 - left;
        rows.push_back(TRowSpan{x1 + origin_.X + left, x1 + origin_.X + right});
    }
    // The extra row kept on each side lies outside the clip; it is there so that the rows at the
    // clip edge see their true neighbours and do not get a false outline.
    TPlotter plot(*target_, ClipRect(), device_);
    const std::uint32_t pen = TBitmap::ToNative(ResolveColor(Pen.Color));
    const std::uint32_t brush = TBitmap::ToNative(ResolveColor(Brush.Color));
    const bool solid = Brush.Style == TBrushStyle::Solid;
    PaintSpans(plot, y1 + origin_.Y + firstRow, rows, pen, solid ? &brush : nullptr);
}

void TCanvas::MoveTo(int x, int y) {
    penPos_ = TPoint{x, y};
}

void TCanvas::LineTo(int x, int y) {
    TPlotter plot(*target_, ClipRect(), device_);
    const std::uint32_t color = TBitmap::ToNative(ResolveColor(Pen.Color));
    const int width = std::max(1, Pen.Width);
    const TPoint from{penPos_.X + origin_.X, penPos_.Y + origin_.Y};
    penPos_ = TPoint{x, y};
    if (LineMissesClip(from.X, from.Y, x + origin_.X, y + origin_.Y, width, plot.Clip()))
        return;
    WalkLine(from.X, from.Y, x + origin_.X, y + origin_.Y, [&](int px, int py) {
        if (width == 1) {
            plot.Plot(px, py, color);
        } else {
            plot.Square(px, py, width, color);
        }
    });
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.empty())
        return;
    TPlotter plot(*target_, ClipRect(), device_);
    const TRect clip = plot.Clip();
    std::vector<TPoint> p;
    p.reserve(points.size());
    for (TPoint q : points)
        p.push_back(TPoint{q.X + origin_.X, q.Y + origin_.Y});

    if (Brush.Style == TBrushStyle::Solid && p.size() >= 3) {
        // Even-odd scanline fill sampled on the pixel rows; an edge counts for rows from its
        // upper end up to but excluding its lower end, so shared corners are not counted twice.
        const std::uint32_t brush = TBitmap::ToNative(ResolveColor(Brush.Color));
        int top = p[0].Y, bottom = p[0].Y;
        for (TPoint q : p) {
            top = std::min(top, q.Y);
            bottom = std::max(bottom, q.Y);
        }
        top = std::max(top, clip.Top);
        bottom = std::min(bottom, clip.Bottom - 1);
        std::vector<double> crossings;
        for (int y = top; y <= bottom; ++y) {
            crossings.clear();
            for (std::size_t i = 0; i < p.size(); ++i) {
                const TPoint a = p[i];
                const TPoint b = p[(i + 1) % p.size()];
                if (a.Y == b.Y)
                    continue;
                const TPoint lo = a.Y < b.Y ? a : b;
                const TPoint hi = a.Y < b.Y ? b : a;
                if (y < lo.Y || y >= hi.Y)
                    continue;
                crossings.push_back(lo.X +
                                    static_cast<double>(y - lo.Y) * (hi.X - lo.X) / (hi.Y - lo.Y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
                // Crossings lie between corner coordinates, so they always fit an int.
                const int from = static_cast<int>(std::ceil(crossings[i]));
                const int to = static_cast<int>(std::floor(crossings[i + 1]));
                plot.Span(y, from, to, brush);
            }
        }
    }

    const std::uint32_t pen = TBitmap::ToNative(ResolveColor(Pen.Color));
    for (std::size_t i = 0; i < p.size(); ++i) {
        const TPoint a = p[i];
        const TPoint b = p[(i + 1) % p.size()];
        plot.Plot(a.X, a.Y, pen);
        if (LineMissesClip(a.X, a.Y, b.X, b.Y, 1, clip))
            continue;
        WalkLine(a.X, a.Y, b.X, b.Y, [&](int x, int y) { plot.Plot(x, y, pen); });
    }
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    TPlotter plot(*target_, ClipRect(), device_);
    plot.Plot(x + origin_.X, y + origin_.Y, TBitmap::ToNative(ResolveColor(color)));
}

TColor TCanvas::Pixel(int x, int y) const {
    return target_->Pixel(device_.X(x + origin_.X), device_.Y(y + origin_.Y));
}

void TCanvas::TextOut(int x, int y, const std::string& utf8) {
    TFont font = Font;
    font.Color = ResolveColor(font.Color);
    TFontEngine& engine = TFontEngine::Instance();
    if (Brush.Style == TBrushStyle::Solid) {
        const TSize extent = engine.TextExtent(font, utf8);
        FillRect(TRect::FromSize(x, y, extent.Width, extent.Height));
    }
    engine.DrawTextScaled(*target_, ClipRect(), device_.X(x + origin_.X), device_.Y(y + origin_.Y),
                          font, utf8, device_.Scale());
}

TSize TCanvas::TextExtent(const std::string& utf8) const {
    return TFontEngine::Instance().TextExtent(Font, utf8);
}

void TCanvas::Draw(int x, int y, const TBitmap& picture) {
    StretchDraw(TRect::FromSize(x, y, picture.Width(), picture.Height()), picture);
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& picture) {
    if (picture.Empty() || r.IsEmpty())
        return;
    const TRect dest = DeviceRect(r);
    if (dest.IsEmpty())
        return;
    // Scaled, a picture is drawn from its filtered copy at the device size (a layer already has
    // that size and is copied as it is); unscaled, it is stretched pixel by pixel as ever.
    if (device_.Quarters == 4 ||
        (dest.Width() == picture.Width() && dest.Height() == picture.Height())) {
        Blit(dest, picture);
        return;
    }
    Blit(dest, TScaledPictureCache::Instance().Get(picture, dest.Width(), dest.Height()));
}

void TCanvas::Blit(const TRect& dest, const TBitmap& picture) {
    const TRect area = dest.Intersect(ClipRect());
    const bool keyed = picture.Transparent;
    const std::uint32_t key = TBitmap::ToNative(ResolveColor(picture.TransparentColor));
    const long long dw = dest.Width(), dh = dest.Height();
    if (dw == picture.Width() && dh == picture.Height()) {
        // Same size: a plain row copy, the common case of every background and tile.
        for (int y = area.Top; y < area.Bottom; ++y) {
            const std::uint32_t* src = picture.Row(y - dest.Top) + (area.Left - dest.Left);
            std::uint32_t* dst = target_->Row(y) + area.Left;
            const int count = area.Width();
            if (!keyed) {
                std::copy(src, src + count, dst);
                continue;
            }
            for (int i = 0; i < count; ++i) {
                if (src[i] != key)
                    dst[i] = src[i];
            }
        }
        return;
    }
    for (int y = area.Top; y < area.Bottom; ++y) {
        const int sy =
            static_cast<int>((y - static_cast<long long>(dest.Top)) * picture.Height() / dh);
        const std::uint32_t* src = picture.Row(sy);
        std::uint32_t* dst = target_->Row(y);
        for (int x = area.Left; x < area.Right; ++x) {
            const int sx =
                static_cast<int>((x - static_cast<long long>(dest.Left)) * picture.Width() / dw);
            const std::uint32_t value = src[sx];
            if (keyed && value == key)
                continue;
            dst[x] = value;
        }
    }
}

TBitmap TCanvas::NewLayer(const TRect& local, TColor fill) const {
    const TRect device = DeviceRect(local);
    return TBitmap(device.Width(), device.Height(), fill);
}

TCanvas TCanvas::LayerCanvas(TBitmap& layer, const TRect& local) const {
    // The layer keeps this canvas's logical coordinates, moved so that the rectangle's top-left
    // lands on the layer's first pixel: a logical edge falls on the same device pixel in both.
    TCanvas canvas(layer);
    if (device_.Quarters == 4)
        return canvas;
    const TPoint corner{origin_.X + local.Left, origin_.Y + local.Top};
    canvas.origin_ = corner;
    canvas.device_.Quarters = device_.Quarters;
    canvas.device_.Offset = TPoint{-device_.Scaled(corner.X), -device_.Scaled(corner.Y)};
    return canvas;
}
