// TFreeButton: properties, colour model, mouse looks and the off-screen painting of the button.
#include "TFreeButton.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "SysColors.h"
#include "TCanvas.h"
#include "TFontEngine.h"
#include "TForm.h"

namespace {

struct TSchemeEntry {
    TColor Face;
    const char* Name;
};

constexpr TSchemeEntry Schemes[CustomColorCount] = {
    {RGB(79, 69, 47), "Leather"},
    {RGB(135, 119, 65), "OldGold"},
    {RGB(200, 144, 0), "BuffedGold"},
    {RGB(30, 96, 60), "BottleGreen"},
    {RGB(48, 152, 96), "Emerald"},
    {RGB(91, 204, 142), "Glass"},
    {RGB(47, 69, 79), "Night"},
    {RGB(66, 96, 111), "Girder"},
    {RGB(94, 128, 157), "BrushedSteel"},
    {RGB(30, 44, 96), "Twilight"},
    {RGB(48, 80, 152), "Sapphire"},
    {RGB(91, 126, 204), "Sky"},
    {RGB(69, 47, 79), "RoyalPurple"},
    {RGB(96, 66, 111), "Shadows"},
    {RGB(137, 94, 157), "Pastels"},
    {RGB(96, 30, 60), "Royal"},
    {RGB(152, 48, 96), "Ruby"},
    {RGB(204, 91, 142), "Rose"},
    {clBlack, "None"},
};

// Signed shade amounts relative to a base colour: positive lightens, negative darkens.
TColor Shade(TColor base, int amount) {
    return amount >= 0 ? ShadeColor(base, amount, TShade::Lighten)
                       : ShadeColor(base, -amount, TShade::Darken);
}

// The face colours of one look, as shade amounts of the face colour F or light colour L.
struct TLookShades {
    int Fill;
    int OuterOutline;
    int InnerOutline;
    int TopLeftBevel;
    int BottomRightBevel;
    int CaptionShadow;
    int LightOutline;
    int LightDim;
    int LightBright;
};

const TLookShades& ShadesFor(TMouseState state) {
    static const TLookShades normal{0, 40, -40, 30, -30, -40, -80, -40, 0};
    static const TLookShades hover{15, 55, 5, 45, -5, -25, -60, -20, 20};
    static const TLookShades pressed{15, 55, 5, -5, 45, -40, -60, -20, 20};
    switch (state) {
        case msHover:
            return hover;
        case msPressed:
            return pressed;
        case msNormal:
            break;
    }
    return normal;
}

// Column 0/1/2 is left/centre/right and row 0/1/2 top/middle/bottom for both position types.
int PositionColumn(int ordinal) {
    return ordinal / 3;
}
int PositionRow(int ordinal) {
    return ordinal % 3;
}

// The vertical placement shared by caption and glyph. Integer division truncates toward zero,
// which is exactly trunc(a / 2 - b / 2) for the half values, negatives included.
int RowOrigin(int row, int faceHeight, int itemHeight) {
    switch (row) {
        case 0:
            return 4;
        case 1:
            return (faceHeight - itemHeight) / 2;
        default:
            return faceHeight - itemHeight - 8;
    }
}

// Where the face sits on the button: raised with its shadow below right, lifted under the pointer,
// pushed in when pressed.
TPoint FaceOffset(TMouseState state) {
    switch (state) {
        case msHover:
            return TPoint{0, 0};
        case msPressed:
            return TPoint{3, 3};
        case msNormal:
            break;
    }
    return TPoint{2, 2};
}

void DrawPath(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points) {
    canvas.Pen = TPen{color, 1};
    auto it = points.begin();
    canvas.MoveTo(it->X, it->Y);
    for (++it; it != points.end(); ++it)
        canvas.LineTo(it->X, it->Y);
}

}  // namespace

TColor ShadeColor(TColor color, int amount, TShade direction) {
    const int delta = direction == TShade::Lighten ? amount : -amount;
    auto channel = [delta](int value) { return std::clamp(value + delta, 0, 255); };
    return RGB(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}

TColor SchemeColor(TCustomColor scheme) {
    const int index = static_cast<int>(scheme);
    return index >= 0 && index < CustomColorCount ? Schemes[index].Face : clBlack;
}

const char* CustomColorName(TCustomColor scheme) {
    const int index = static_cast<int>(scheme);
    return index >= 0 && index < CustomColorCount ? Schemes[index].Name : "";
}

TFreeButton::TFreeButton(TForm* form) : TGraphicControl(form) {
    SetWidth(83);
    SetHeight(31);
    SetDrawColor(RGB(68, 68, 68));
    SetLightColor(RGB(136, 255, 136));
    SetBackColor(SysColorRef(COLOR_BTNFACE));
    SetCaption("");
    TFont font;
    font.Color = ResolveColor(clWhite);
    font.Name = "Verdana";
    font.SetSize(10);
    font.Style = TFontStyle::None;
    SetFont(font);
    SetTextPosition(tpMiddleCenter);
    SetGlyphPosition(gpTopCenter);
    glyph_ = TBitmap();
    SetTransparentGlyph(true);
    SetDrawDropShadow(true);
    SetDrawLight(true);
    SetLightSize(8);
    SetCustomColor(ccNone);
    SetAutoLightColor(true);
}

void TFreeButton::SetDrawColor(TColor color) {
    drawColor_ = ResolveColor(color);
    RequestRepaint();
}

void TFreeButton::SetLightColor(TColor color) {
    lightColor_ = ResolveColor(color);
    RequestRepaint();
}

void TFreeButton::SetBackColor(TColor color) {
    backColor_ = ResolveColor(color);
    RequestRepaint();
}

void TFreeButton::SetCustomColor(TCustomColor scheme) {
    customColor_ = scheme;
    RequestRepaint();
}

void TFreeButton::SetCaption(const std::string& utf8) {
    caption_ = utf8;
    RequestRepaint();
}

void TFreeButton::SetTextPosition(TTextPosition position) {
    textPosition_ = position;
    RequestRepaint();
}

void TFreeButton::SetDrawDropShadow(bool draw) {
    drawDropShadow_ = draw;
    RequestRepaint();
}

void TFreeButton::SetGlyph(const TBitmap& picture) {
    glyph_ = picture;
    KeyGlyph();
    RequestRepaint();
}

void TFreeButton::SetGlyphPosition(TGlyphPosition position) {
    glyphPosition_ = position;
    RequestRepaint();
}

void TFreeButton::SetTransparentGlyph(bool transparent) {
    transparentGlyph_ = transparent;
    KeyGlyph();
    RequestRepaint();
}

// The glyph is keyed when it or the choice is set, so that painting only reads it: a transparent
// glyph leaves out the colour of its top-left pixel, whatever key the picture came with.
void TFreeButton::KeyGlyph() {
    glyph_.Transparent = transparentGlyph_;
    if (transparentGlyph_)
        glyph_.TransparentColor = glyph_.Pixel(0, 0);
}

void TFreeButton::SetDrawLight(bool draw) {
    drawLight_ = draw;
    RequestRepaint();
}

void TFreeButton::SetLightSize(std::int32_t size) {
    lightSize_ = size;
    RequestRepaint();
}

void TFreeButton::SetAutoLightColor(bool automatic) {
    autoLightColor_ = automatic;
    RequestRepaint();
}

TColor TFreeButton::FaceColor() const {
    return customColor_ == ccNone ? ResolveColor(drawColor_) : SchemeColor();
}

TColor TFreeButton::ActiveLightColor() const {
    return autoLightColor_ ? ShadeColor(FaceColor(), 20, TShade::Lighten) : lightColor_;
}

TPoint TFreeButton::TextOrigin(int faceWidth, int faceHeight) const {
    const TSize text = TFontEngine::Instance().TextExtent(Font(), caption_);
    const int ordinal = static_cast<int>(textPosition_);
    int x = 4;
    switch (PositionColumn(ordinal)) {
        case 0:
            x = 4;
            break;
        // The caption centres on (W2 - 4) / 2, two pixels left of the glyph's centre line.
        case 1:
            x = (faceWidth - 4 - text.Width) / 2;
            break;
        default:
            x = faceWidth - text.Width - 8;
            break;
    }
    return TPoint{x, RowOrigin(PositionRow(ordinal), faceHeight, text.Height)};
}

TPoint TFreeButton::GlyphOrigin(int faceWidth, int faceHeight) const {
    const int ordinal = static_cast<int>(glyphPosition_);
    int x = 4;
    switch (PositionColumn(ordinal)) {
        case 0:
            x = 4;
            break;
        case 1:
            x = (faceWidth - glyph_.Width()) / 2;
            break;
        default:
            x = faceWidth - glyph_.Width() - 8;
            break;
    }
    return TPoint{x, RowOrigin(PositionRow(ordinal), faceHeight, glyph_.Height())};
}

void TFreeButton::PaintFace(TCanvas& canvas, int w2, int h2, TColor faceColor,
                            TColor lightColor) const {
    const TLookShades& shades = ShadesFor(mouseState_);

    canvas.Brush = TBrush{Shade(faceColor, shades.Fill), TBrushStyle::Solid};
    canvas.Pen = TPen{Shade(faceColor, shades.OuterOutline), 1};
    canvas.RoundRect(0, 0, w2, h2, 4, 4);
    canvas.Pen.Color = Shade(faceColor, shades.InnerOutline);
    canvas.RoundRect(1, 1, w2 - 1, h2 - 1, 4, 4);

    canvas.Pen = TPen{Shade(faceColor, shades.TopLeftBevel), 2};
    canvas.MoveTo(3, 3);
    canvas.LineTo(w2 - 3, 3);
    canvas.MoveTo(3, 3);
    canvas.LineTo(3, h2 - 3);
    canvas.Pen = TPen{Shade(faceColor, shades.BottomRightBevel), 1};
    canvas.MoveTo(w2 - 3, h2 - 3);
    canvas.LineTo(3, h2 - 3);
    canvas.MoveTo(w2 - 3, h2 - 3);
    canvas.LineTo(w2 - 3, 3);

    const TPoint text = TextOrigin(w2, h2);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Font = Font();
    if (drawDropShadow_) {
        canvas.Font.Color = Shade(faceColor, shades.CaptionShadow);
        canvas.TextOut(text.X + 2, text.Y + 2, caption_);
        canvas.Font.Color = Font().Color;
    }
    canvas.TextOut(text.X, text.Y, caption_);

    if (!glyph_.Empty()) {
        const TPoint at = GlyphOrigin(w2, h2);
        canvas.Draw(at.X, at.Y, glyph_);
    }

    if (drawLight_) {
        canvas.Pen = TPen{Shade(lightColor, shades.LightOutline), 1};
        const int fill = lightOn_ ? shades.LightBright : shades.LightDim;
        canvas.Brush = TBrush{Shade(lightColor, fill), TBrushStyle::Solid};
        const int corner = 8;
        if (canvas.Device().Quarters == 4) {
            canvas.Polygon({TPoint{w2 - corner, h2 - corner},
                            TPoint{w2 - corner, h2 - corner - lightSize_},
                            TPoint{w2 - corner - lightSize_, h2 - corner}});
        } else {
            PaintDeviceLight(canvas, TPoint{w2 - corner, h2 - corner});
        }
    }
}

// On a scaled display the light is drawn in the display's own pixels: made of logical pixels, its
// diagonal would be a staircase of steps several pixels wide beside the sharp caption. It covers
// the same blocks as the logical triangle, with an outline one logical pixel thick.
void TFreeButton::PaintDeviceLight(TCanvas& canvas, TPoint rightAngle) const {
    const TDeviceTransform& device = canvas.Device();
    const TPoint origin = canvas.Origin();
    const int right = device.X(origin.X + rightAngle.X + 1) - 1;
    const int bottom = device.Y(origin.Y + rightAngle.Y + 1) - 1;
    const int leg = right - device.X(origin.X + rightAngle.X - lightSize_);
    const int outline = std::max(device.Scaled(1), 1);
    TCanvas plain(canvas.Target());
    plain.SetClipRect(canvas.ClipRect());
    const auto triangle = [&](int inset, int length, TColor color) {
        if (length < 0)
            return;
        plain.Pen = TPen{color, 1};
        plain.Brush = TBrush{color, TBrushStyle::Solid};
        plain.Polygon({TPoint{right - inset, bottom - inset},
                       TPoint{right - inset, bottom - inset - length},
                       TPoint{right - inset - length, bottom - inset}});
    };
    triangle(0, leg, canvas.Pen.Color);
    // The diagonal moves in by the outline's width measured across it, which is 1.41 times that
    // width along a row.
    const int across = (outline * 1414 + 999) / 1000;
    triangle(outline, leg - 2 * outline - across, canvas.Brush.Color);
}

void TFreeButton::ComposeBack(TCanvas& canvas, int w, int h, const TBitmap& face,
                              TPoint faceAt) const {
    const TColor b = backColor_;
    auto darker = [b](int amount) { return ShadeColor(b, amount, TShade::Darken); };
    if (mouseState_ == msPressed) {
        canvas.Pen = TPen{b, 1};
        canvas.Brush = TBrush{b, TBrushStyle::Solid};
        canvas.Rectangle(0, 0, w, h);
    }
    canvas.DrawLayer(TRect::FromSize(faceAt.X, faceAt.Y, w - 4, h - 4), face);
    switch (mouseState_) {
        case msNormal:
            DrawPath(canvas, darker(100), {{w - 2, 4}, {w - 2, h - 2}, {3, h - 2}});
            DrawPath(canvas, darker(50), {{w - 1, 5}, {w - 1, h - 1}, {4, h - 1}});
            canvas.SetPixel(w - 3, h - 3, darker(100));
            canvas.SetPixel(w - 2, h - 2, darker(50));
            canvas.SetPixel(w - 1, h - 1, b);
            break;
        case msHover:
            DrawPath(canvas, darker(100), {{w - 4, 4}, {w - 4, h - 4}, {3, h - 4}});
            DrawPath(canvas, darker(75), {{w - 3, 4}, {w - 3, h - 3}, {3, h - 3}});
            DrawPath(canvas, darker(50), {{w - 2, 5}, {w - 2, h - 2}, {4, h - 2}});
            DrawPath(canvas, darker(25), {{w - 1, 5}, {w - 1, h - 1}, {4, h - 1}});
            canvas.SetPixel(w - 5, h - 5, darker(100));
            canvas.SetPixel(w - 4, h - 4, darker(75));
            canvas.SetPixel(w - 3, h - 3, darker(50));
            canvas.SetPixel(w - 2, h - 2, darker(25));
            canvas.SetPixel(w - 1, h - 1, b);
            break;
        case msPressed:
            break;
    }
}

void TFreeButton::Paint(TCanvas& canvas) {
    // Everything is composed off-screen and copied in one operation, so the screen never shows a
    // half-drawn button; both images are rebuilt from nothing each time.
    const int w = std::max(Width(), 0);
    const int h = std::max(Height(), 0);
    const TRect whole{0, 0, w, h};
    TBitmap back = canvas.NewLayer(whole, backColor_);
    if (w > 4 && h > 4) {
        TCanvas backCanvas = canvas.LayerCanvas(back, whole);
        const TPoint faceAt = FaceOffset(mouseState_);
        const TRect faceRect = TRect::FromSize(faceAt.X, faceAt.Y, w - 4, h - 4);
        TBitmap face = backCanvas.NewLayer(faceRect, backColor_);
        TCanvas faceCanvas = backCanvas.LayerCanvas(face, faceRect);
        PaintFace(faceCanvas, w - 4, h - 4, FaceColor(), ActiveLightColor());
        ComposeBack(backCanvas, w, h, face, faceAt);
    }
    canvas.DrawLayer(whole, back);
}

void TFreeButton::SetLook(TMouseState state) {
    mouseState_ = state;
    // A hidden button, or one on a form that is not shown, has nothing on screen to refresh; the
    // new look appears at its next paint.
    if (Visible() && Form() != nullptr && Form()->Visible())
        RepaintNow();
}

// The face goes down at a press (not at the second press of a double click, which only reports
// the double click) and comes up under the pointer at every release heard, which also flips the
// light; the release's click has run by then, so its handler sees the pressed look.
void TFreeButton::MouseStateChanged(TMouseEvent event) {
    switch (event) {
        case TMouseEvent::Press:
            SetLook(msPressed);
            break;
        case TMouseEvent::Release:
            if (drawLight_)
                lightOn_ = !lightOn_;
            SetLook(msHover);
            break;
        case TMouseEvent::Enter:
            SetLook(msHover);
            break;
        case TMouseEvent::Leave:
            SetLook(msNormal);
            break;
        case TMouseEvent::Move:
        case TMouseEvent::CaptureLost:
            break;
    }
}
