// A text label: caption, font, alignment, word wrap, transparency and auto size.
#pragma once

#include <string>
#include <vector>

#include "TControl.h"
#include "TFont.h"

enum class TAlignment { LeftJustify, Center, RightJustify };
// Where the lines sit in a label taller than its text.
enum class TTextLayout { Top, Center, Bottom };

class TLabel : public TGraphicControl {
  public:
    explicit TLabel(TForm* form);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& utf8);
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    void SetWordWrap(bool wrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // While set (the default), a label that does not wrap takes the size of its text.
    void SetAutoSize(bool autoSize);
    // While set, a label that keeps its size and does not wrap draws a text too wide for it in a
    // smaller size, one pixel at a time, until every line fits (so no sign or digit is ever cut
    // off); the smaller line keeps the middle of the full one.
    void SetShrinkToFit(bool shrink);
    // The font the caption is drawn in: the label's own, or the smaller one that fits.
    TFont FittedFont() const;

    // The lines as painted: split at line breaks and, when wrapping, at spaces to the width.
    std::vector<std::string> Lines() const;
    static std::vector<std::string> WrapLines(const TFont& font, const std::string& text,
                                              int width);

    void Paint(TCanvas& canvas) override;

  protected:
    // A new font changes the label's size too, when it sizes itself.
    void FontWritten(bool changed) override;

  private:
    struct TPlacedLine {
        std::string Text;
        int X = 0;
        int Y = 0;
        int Width = 0;
    };
    // The caption's lines where Paint sets them, in the given (fitted) font.
    std::vector<TPlacedLine> PlacedLines(const TFont& font) const;
    // Where the caption can leave ink: its lines' boxes, half a line wider and a quarter of a line
    // taller on each side for glyphs that reach past their box.
    TRect TextArea() const;
    void AdjustSize();

    std::string caption_;
    TAlignment alignment_ = TAlignment::LeftJustify;
    TTextLayout layout_ = TTextLayout::Top;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool autoSize_ = true;
    bool shrinkToFit_ = false;
};
