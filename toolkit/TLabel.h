// A text label: caption, font, alignment, word wrap, transparency and auto size.
#pragma once

#include <string>
#include <vector>

#include "TControl.h"
#include "TFont.h"

enum class TAlignment { LeftJustify, Center, RightJustify };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TForm* form);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& utf8);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // While set (the default), a label that does not wrap takes the size of its text.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    // The lines as painted: split at line breaks and, when wrapping, at spaces to the width.
    std::vector<std::string> Lines() const;
    static std::vector<std::string> WrapLines(const TFont& font, const std::string& text,
                                              int width);

    void Paint(TCanvas& canvas) override;

private:
    void AdjustSize();

    std::string caption_;
    TFont font_;
    TAlignment alignment_ = TAlignment::LeftJustify;
    bool wordWrap_ = false;
    bool transparent_ = false;
    TColor color_ = RGB(236, 233, 216);
    bool autoSize_ = true;
};
