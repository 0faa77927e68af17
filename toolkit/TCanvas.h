// The software painter: draws on a TBitmap with the classic desktop drawing conventions.
#pragma once

#include <string>
#include <vector>

#include "TBitmap.h"
#include "TDeviceTransform.h"
#include "TFont.h"
#include "TTypes.h"

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

enum class TBrushStyle { Solid, Clear };
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::Solid;
};

// Conventions, all in the canvas's own coordinates (the origin is added before clipping):
// - FillRect and Rectangle from (x1, y1) to (x2, y2) cover x1..x2-1 and y1..y2-1.
// - Rectangle and RoundRect draw a 1-pixel outline in Pen.Color and fill the inside with the brush
//   (nothing with a Clear brush); RoundRect leaves the pixels cut off at its corners untouched.
// - LineTo draws from the pen position to the point, including the start, excluding the end; the
//   pen then stands at the end, so a path continues where the last line stopped. A pen of width 2
//   or more is centred on the path: each point of the line becomes a Width x Width square whose
//   top-left is Width / 2 above and left of it, so a width-2 line along y = 3 covers rows 2 and 3.
// - Rectangle and RoundRect always draw their outline 1 pixel wide, whatever Pen.Width says.
// - Polygon closes the path, fills the inside with the brush and draws the outline with the pen;
//   every corner point is part of the outline, so a polygon whose points coincide is one pixel.
// - TextOut draws one line of text with the top-left corner of its text box at (x, y). With a
//   Clear brush only the letter shapes are painted; with a Solid brush the text box is filled
//   first.
// - Draw copies a picture at its own size; a Transparent picture leaves out its key colour.
// - Every operation is clipped to ClipRect (in bitmap coordinates) and to the bitmap.
// - Colours may be system colour references; they are resolved when drawn.
//
// On a scaled display the canvas also has a device transform: everything above is worked out in
// logical units, then each logical pixel of a fill, outline, line or point becomes the block of
// device pixels it covers, so nothing is blurred and neighbouring shapes still meet exactly. Text
// is laid out at the font's own size (TextExtent stays logical) but its glyphs are rendered at the
// scaled size, and pictures are drawn from a filtered copy at the device size. With the identity
// transform every pixel is exactly as described above.
class TCanvas {
  public:
    explicit TCanvas(TBitmap& target);

    TPen Pen;
    TBrush Brush;
    TFont Font;

    TBitmap& Target() { return *target_; }

    // Origin: where the canvas's (0, 0) lies in logical units; the device transform takes that to
    // the bitmap. ClipRect is in bitmap (device) coordinates.
    TPoint Origin() const { return origin_; }
    void SetOrigin(TPoint origin) { origin_ = origin; }
    const TDeviceTransform& Device() const { return device_; }
    void SetDevice(const TDeviceTransform& device) { device_ = device; }
    // The bitmap pixels of a rectangle in canvas coordinates.
    TRect DeviceRect(const TRect& local) const;
    // The smallest rectangle in canvas coordinates that covers the clip: where painting can show.
    TRect VisibleRect() const;
    // The clip as it applies now: the rect last set, intersected with the bitmap's current size.
    // A fresh canvas clips to the whole bitmap, whatever size the bitmap later takes.
    TRect ClipRect() const;
    void SetClipRect(const TRect& clip);         // intersected with the bitmap
    void IntersectClipRect(const TRect& local);  // narrows the clip by a rect in canvas coordinates

    void FillRect(const TRect& r);  // brush colour, whatever the brush style
    void Rectangle(int x1, int y1, int x2, int y2);
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polygon(const std::vector<TPoint>& points);
    void SetPixel(int x, int y, TColor color);
    TColor Pixel(int x, int y) const;

    void TextOut(int x, int y, const std::string& utf8);
    TSize TextExtent(const std::string& utf8) const;  // height is the font's line height
    int TextWidth(const std::string& utf8) const { return TextExtent(utf8).Width; }
    int TextHeight(const std::string& utf8) const { return TextExtent(utf8).Height; }

    void Draw(int x, int y, const TBitmap& picture);
    // Scales the picture to fill the rectangle (nearest neighbour); used for pictures whose size
    // differs from their control.
    void StretchDraw(const TRect& r, const TBitmap& picture);

    // Off-screen composing that stays sharp when scaled: NewLayer makes a picture the size of the
    // rectangle's device pixels, LayerCanvas draws into it with this canvas's device pixels (the
    // layer's (0, 0) is the rectangle's top-left), and DrawLayer with the same rectangle copies it
    // back pixel for pixel. At 1:1 these are a plain picture, a plain canvas and Draw.
    TBitmap NewLayer(const TRect& local, TColor fill) const;
    TCanvas LayerCanvas(TBitmap& layer, const TRect& local) const;
    void DrawLayer(const TRect& local, const TBitmap& layer) { StretchDraw(local, layer); }

  private:
    friend class TCanvasStateGuard;
    TRect LogicalClip() const {
        return device_.IsIdentity() ? ClipRect() : device_.Cover(ClipRect());
    }
    void Blit(const TRect& dest, const TBitmap& picture);

    TBitmap* target_;
    TDeviceTransform device_{};
    TPoint origin_{};
    TRect clip_{};
    TPoint penPos_{};
};

// Saves the canvas's whole drawing state (origin, clip, pen and its position, brush, font) on
// construction and puts it back on destruction, so a block that changes any of it leaves nothing
// behind for the drawing after it.
class TCanvasStateGuard {
  public:
    explicit TCanvasStateGuard(TCanvas& canvas)
        : canvas_(canvas),
          origin_(canvas.origin_),
          clip_(canvas.clip_),
          penPos_(canvas.penPos_),
          pen_(canvas.Pen),
          brush_(canvas.Brush),
          font_(canvas.Font) {}
    ~TCanvasStateGuard() {
        canvas_.origin_ = origin_;
        canvas_.clip_ = clip_;
        canvas_.penPos_ = penPos_;
        canvas_.Pen = pen_;
        canvas_.Brush = brush_;
        canvas_.Font = font_;
    }
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

  private:
    TCanvas& canvas_;
    TPoint origin_;
    TRect clip_;
    TPoint penPos_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
};
