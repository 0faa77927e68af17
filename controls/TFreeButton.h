// TFreeButton: the game's owner-drawn push button with colour schemes, three looks and a light.
#pragma once

#include <cstdint>
#include <string>

#include "TBitmap.h"
#include "TControl.h"
#include "TFont.h"
#include "TTypes.h"

class TCanvas;

// Where the caption sits on the face. Ordinal / 3 is the column (left, centre, right) and
// ordinal % 3 the row (top, middle, bottom); the names keep their historical spelling.
enum TTextPosition : std::uint8_t {
    tpTopLeft,
    tpMiddleLeft,
    tpBottomLeft,
    tpTopCenter,
    tpMiddleCenter,
    tpMiddleBottom,
    tpTopRight,
    tpMiddleRight,
    tpBottomRight,
};

// Where the glyph sits on the face; same layout as TTextPosition.
enum TGlyphPosition : std::uint8_t {
    gpTopLeft,
    gpMiddleLeft,
    gpBottomLeft,
    gpTopCenter,
    gpMiddleCenter,
    gpMiddleBottom,
    gpTopRight,
    gpMiddleRight,
    gpBottomRight,
};

// The 18 face colour schemes; ccNone takes the face colour from DrawColor.
enum TCustomColor : std::uint8_t {
    ccLeather,
    ccOldGold,
    ccBuffedGold,
    ccBottleGreen,
    ccEmerald,
    ccGlass,
    ccNight,
    ccGirder,
    ccBrushedSteel,
    ccTwilight,
    ccSapphire,
    ccSky,
    ccRoyalPurple,
    ccShadows,
    ccPastels,
    ccRoyal,
    ccRuby,
    ccRose,
    ccNone,
};
constexpr int CustomColorCount = 19;  // the 18 schemes plus ccNone

// Which look Paint draws; only the mouse handlers change it.
enum TMouseState : std::uint8_t { msNormal = 0, msPressed = 1, msHover = 2 };

enum class TShade { Lighten, Darken };

// Moves each of red, green and blue by the same amount, clamped to 0..255; the high byte of the
// result is 0. No percentage: a dark colour and a light one move by the same number of steps.
TColor ShadeColor(TColor color, int amount, TShade direction);
// The face colour of a scheme; clBlack for ccNone, which has none of its own.
TColor SchemeColor(TCustomColor scheme);
// The scheme's display name ("ccEmerald" -> "Emerald", ccNone -> "None").
const char* CustomColorName(TCustomColor scheme);

class TFreeButton : public TGraphicControl {
  public:
    explicit TFreeButton(TForm* form);

    // Colours are stored resolved: a system colour reference reads back as the plain colour.
    TColor DrawColor() const { return drawColor_; }
    void SetDrawColor(TColor color);
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor color);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    TCustomColor CustomColor() const { return customColor_; }
    void SetCustomColor(TCustomColor scheme);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& utf8);
    TTextPosition TextPosition() const { return textPosition_; }
    void SetTextPosition(TTextPosition position);
    bool DrawDropShadow() const { return drawDropShadow_; }
    void SetDrawDropShadow(bool draw);

    // The control keeps its own glyph; the setter copies what it is given.
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& picture);
    TGlyphPosition GlyphPosition() const { return glyphPosition_; }
    void SetGlyphPosition(TGlyphPosition position);
    bool TransparentGlyph() const { return transparentGlyph_; }
    void SetTransparentGlyph(bool transparent);

    bool DrawLight() const { return drawLight_; }
    void SetDrawLight(bool draw);
    // Any value is accepted: 0 shrinks the light to a point, a negative one flips it outward.
    std::int32_t LightSize() const { return lightSize_; }
    void SetLightSize(std::int32_t size);
    bool AutoLightColor() const { return autoLightColor_; }
    void SetAutoLightColor(bool automatic);

    TMouseState MouseState() const { return mouseState_; }
    bool LightOn() const { return lightOn_; }

    // Colours derived at every paint.
    TColor SchemeColor() const { return ::SchemeColor(customColor_); }
    TColor FaceColor() const;
    TColor ActiveLightColor() const;

    // Top-left corners of the caption and the glyph on a face image of faceWidth x faceHeight.
    TPoint TextOrigin(int faceWidth, int faceHeight) const;
    TPoint GlyphOrigin(int faceWidth, int faceHeight) const;

    void Paint(TCanvas& canvas) override;

  protected:
    void MouseStateChanged(TMouseEvent event) override;
    void FontWritten(bool changed) override {
        (void)changed;
        RequestRepaint();
    }
    // Every property write ends here, even one that stores the value already held, so a change of
    // the font or glyph contents through a setter always shows. The repaint is deferred.
    virtual void RequestRepaint() { Invalidate(); }
    // A change of look is painted before the mouse handler returns.
    virtual void RepaintNow() { Repaint(); }

  private:
    void KeyGlyph();
    void SetLook(TMouseState state);
    // Both draw in logical units on an off-screen layer the size of the button (back) or of its
    // face, so the composition is as sharp as the screen it lands on.
    void PaintFace(TCanvas& canvas, int w2, int h2, TColor faceColor, TColor lightColor) const;
    void PaintDeviceLight(TCanvas& canvas, TPoint rightAngle) const;
    void ComposeBack(TCanvas& canvas, int w, int h, const TBitmap& face, TPoint faceAt) const;

    TColor drawColor_ = 0;
    TColor lightColor_ = 0;
    TColor backColor_ = 0;
    std::string caption_;
    TTextPosition textPosition_ = tpMiddleCenter;
    TGlyphPosition glyphPosition_ = gpTopCenter;
    TBitmap glyph_;
    bool transparentGlyph_ = true;
    bool drawDropShadow_ = true;
    bool drawLight_ = true;
    bool autoLightColor_ = true;
    std::int32_t lightSize_ = 8;
    TCustomColor customColor_ = ccNone;
    TMouseState mouseState_ = msNormal;
    bool lightOn_ = false;
};
