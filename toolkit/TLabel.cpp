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
constexpr int DefaultFontPixels = 13;  // what the font engine draws a Height of 0 in

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
    SetColor(RGB(236, 233, 216));
    AdjustSize();
}

void TLabel::FontWritten(bool changed) {
    if (!changed)
        return;
    Invalidate();
    AdjustSize();
}

std::vector<std::string> TLabel::Lines() const {
    if (wordWrap_)
        return WrapLines(Font(), caption_, Width());
    return SplitAtLineBreaks(caption_);
}

void TLabel::SetCaption(const std::string& utf8) {
    if (utf8 == caption_)
        return;
    // A transparent label of fixed size repaints only where its old and new lines lie: a large
    // label holding one short line (the word game's pattern) would otherwise repaint its whole
    // box, most of it picture, at every key.
    const bool narrow = transparent_ && !autoSize_;
    const TRect before = narrow ? TextArea() : TRect{};
    caption_ = utf8;
    if (narrow) {
        InvalidateRect(before.Union(TextArea()));
    } else {
        Invalidate();
    }
    AdjustSize();
}

std::vector<TLabel::TPlacedLine> TLabel::PlacedLines(const TFont& font) const {
    TFontEngine& engine = TFontEngine::Instance();
    const int lineHeight = engine.Metrics(font).LineHeight();
    const std::vector<std::string> lines = Lines();
    const int fullLineHeight = engine.Metrics(Font()).LineHeight();
    const int block = fullLineHeight * static_cast<int>(lines.size());
    int y = 0;
    if (layout_ == TTextLayout::Center)
        y = (Height() - block) / 2;
    if (layout_ == TTextLayout::Bottom)
        y = Height() - block;
    // A smaller line keeps the middle of the full one, so a shrunk number stays centred in the
    // box drawn for the full size.
    y += (fullLineHeight - lineHeight) / 2;
    std::vector<TPlacedLine> placed;
    for (const std::string& line : lines) {
        const int width = engine.TextExtent(font, line).Width;
        int x = 0;
        if (alignment_ == TAlignment::Center)
            x = (Width() - width) / 2;
        if (alignment_ == TAlignment::RightJustify)
            x = Width() - width;
        placed.push_back(TPlacedLine{line, x, y, width});
        y += lineHeight;
    }
    return placed;
}

TRect TLabel::TextArea() const {
    const TFont font = FittedFont();
    const int lineHeight = TFontEngine::Instance().Metrics(font).LineHeight();
    TRect area;
    for (const TPlacedLine& line : PlacedLines(font)) {
        if (!line.Text.empty())
            area = area.Union(TRect::FromSize(line.X, line.Y, line.Width, lineHeight));
    }
    if (area.IsEmpty())
        return area;
    return TRect{area.Left - lineHeight / 2, area.Top - lineHeight / 4, area.Right + lineHeight / 2,
                 area.Bottom + lineHeight / 4};
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
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

void TLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::SetShrinkToFit(bool shrink) {
    if (shrink == shrinkToFit_)
        return;
    shrinkToFit_ = shrink;
    Invalidate();
}

TFont TLabel::FittedFont() const {
    if (!shrinkToFit_ || wordWrap_)
        return Font();
    TFontEngine& engine = TFontEngine::Instance();
    const std::vector<std::string> lines = SplitAtLineBreaks(caption_);
    const auto widest = [&](const TFont& font) {
        int width = 0;
        for (const std::string& line : lines)
            width = std::max(width, engine.TextExtent(font, line).Width);
        return width;
    };
    // The soft edge of a glyph can reach a pixel past its advance, on either side.
    const int room = Width() - 2;
    const int full = widest(Font());
    if (full <= room || full == 0)
        return Font();
    // The size keeps the sign of the height (character or cell height); 0 is the default size.
    const int sign = Font().Height > 0 ? 1 : -1;
    const int fullSize = Font().Height == 0 ? DefaultFontPixels : std::abs(Font().Height);
    if (fullSize <= 1)
        return Font();
    TFont font = Font();
    const auto fits = [&](int size) {
        font.Height = sign * size;
        return widest(font) <= room;
    };
    // Widths grow about in step with the size: start from that estimate, then go a pixel at a
    // time to the largest size that fits.
    int size = std::clamp(static_cast<int>(static_cast<long long>(fullSize) * room / full), 1,
                          fullSize - 1);
    while (size > 1 && !fits(size))
        --size;
    while (size + 1 < fullSize && fits(size + 1))
        ++size;
    font.Height = sign * size;
    return font;
}

void TLabel::AdjustSize() {
    // A wrapped label keeps the size it was given: its lines follow its width, not the reverse.
    if (!autoSize_ || wordWrap_)
        return;
    TFontEngine& engine = TFontEngine::Instance();
    const std::vector<std::string> lines = SplitAtLineBreaks(caption_);
    int width = 0;
    for (const std::string& line : lines)
        width = std::max(width, engine.TextExtent(Font(), line).Width);
    const int height = engine.Metrics(Font()).LineHeight() * static_cast<int>(lines.size());
    SetBounds(Left(), Top(), width, height);
}

void TLabel::Paint(TCanvas& canvas) {
    if (!transparent_) {
        canvas.Brush.Color = ResolveColor(Color());
        canvas.FillRect(TRect{0, 0, Width(), Height()});
    }
    canvas.Brush.Style = TBrushStyle::Clear;
    const TFont font = FittedFont();
    canvas.Font = font;
    for (const TPlacedLine& line : PlacedLines(font)) {
        if (Enabled()) {
            canvas.TextOut(line.X, line.Y, line.Text);
        } else {
            // The usual greyed look: a light copy one pixel down and right under grey text.
            canvas.Font.Color = GetSysColor(ColorBtnHighlight);
            canvas.TextOut(line.X + 1, line.Y + 1, line.Text);
            canvas.Font.Color = GetSysColor(ColorGrayText);
            canvas.TextOut(line.X, line.Y, line.Text);
            canvas.Font.Color = font.Color;
        }
    }
}
