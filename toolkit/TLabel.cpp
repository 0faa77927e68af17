// Labels: one or more lines of text, wrapped at spaces, aligned, on a plain or clear background.
#include "TLabel.h"

#include <algorithm>
#include <vector>

#include "SysColors.h"
#include "TCanvas.h"
#include "TFontEngine.h"

namespace {

constexpr int ColorBtnHighlight = 20;
constexpr int ColorGrayText = 17;

std::vector<std::string> SplitAtLineBreaks(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

}  // namespace

std::vector<std::string> TLabel::WrapLines(const TFont& font, const std::string& text, int width) {
    std::vector<std::string> lines;
    TFontEngine& engine = TFontEngine::Instance();
    for (const std::string& paragraph : SplitAtLineBreaks(text)) {
        // Greedy: words go on the line while they fit; a word wider than the label stands on a
        // line of its own rather than being cut.
        std::string line;
        std::string::size_type pos = 0;
        bool any = false;
        while (pos <= paragraph.size()) {
            std::string::size_type end = paragraph.find(' ', pos);
            if (end == std::string::npos)
                end = paragraph.size();
            const std::string word = paragraph.substr(pos, end - pos);
            pos = end + 1;
            if (word.empty() && end < paragraph.size()) {
                if (any)
                    line += ' ';
                continue;
            }
            const std::string candidate = any ? line + ' ' + word : word;
            if (!any || engine.TextExtent(font, candidate).Width <= width) {
                line = candidate;
            } else {
                lines.push_back(line);
                line = word;
            }
            any = true;
        }
        lines.push_back(line);
    }
    return lines;
}

TLabel::TLabel(TForm* form) : TGraphicControl(form) {
    AdjustSize();
}

std::vector<std::string> TLabel::Lines() const {
    if (wordWrap_)
        return WrapLines(font_, caption_, Width());
    return SplitAtLineBreaks(caption_);
}

void TLabel::SetCaption(const std::string& utf8) {
    if (utf8 == caption_)
        return;
    caption_ = utf8;
    Invalidate();
    AdjustSize();
}

void TLabel::SetFont(const TFont& font) {
    if (font == font_)
        return;
    font_ = font;
    Invalidate();
    AdjustSize();
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_)
        return;
    wordWrap_ = wrap;
    Invalidate();
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Invalidate();
}

void TLabel::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::AdjustSize() {
    // A wrapped label keeps the size it was given: its lines follow its width, not the reverse.
    if (!autoSize_ || wordWrap_)
        return;
    TFontEngine& engine = TFontEngine::Instance();
    const std::vector<std::string> lines = SplitAtLineBreaks(caption_);
    int width = 0;
    for (const std::string& line : lines)
        width = std::max(width, engine.TextExtent(font_, line).Width);
    const int height = engine.Metrics(font_).LineHeight() * static_cast<int>(lines.size());
    SetBounds(Left(), Top(), width, height);
}

void TLabel::Paint(TCanvas& canvas) {
    if (!transparent_) {
        canvas.Brush.Color = ResolveColor(color_);
        canvas.FillRect(TRect{0, 0, Width(), Height()});
    }
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Font = font_;
    const int lineHeight = TFontEngine::Instance().Metrics(font_).LineHeight();
    int y = 0;
    for (const std::string& line : Lines()) {
        const int width = canvas.TextWidth(line);
        int x = 0;
        if (alignment_ == TAlignment::Center)
            x = (Width() - width) / 2;
        if (alignment_ == TAlignment::RightJustify)
            x = Width() - width;
        if (Enabled()) {
            canvas.TextOut(x, y, line);
        } else {
            // The usual greyed look: a light copy one pixel down and right under grey text.
            canvas.Font.Color = GetSysColor(ColorBtnHighlight);
            canvas.TextOut(x + 1, y + 1, line);
            canvas.Font.Color = GetSysColor(ColorGrayText);
            canvas.TextOut(x, y, line);
            canvas.Font.Color = font_.Color;
        }
        y += lineHeight;
    }
}
