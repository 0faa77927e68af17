// The rich-text box: per-character colours, wrapping, and painting run by run.
#include "TRichEdit.h"

#include <algorithm>

#include "SysColors.h"
#include "TCanvas.h"
#include "TFontEngine.h"

TRichEdit::TRichEdit(TForm* form) : TWinControl(form) {}

void TRichEdit::SetText(const std::string& utf8) {
    std::u32string text = DecodeUtf8(utf8);
    selStart_ = selLength_ = 0;
    if (text == text_ && std::all_of(colors_.begin(), colors_.end(),
                                     [this](TColor c) { return c == Font().Color; })) {
        return;
    }
    text_ = std::move(text);
    colors_.assign(text_.size(), Font().Color);
    Invalidate();
}

namespace {

std::vector<std::u32string> SplitLines(const std::u32string& text) {
    std::vector<std::u32string> lines(1);
    for (char32_t c : text) {
        if (c == U'\n') {
            if (!lines.back().empty() && lines.back().back() == U'\r')
                lines.back().pop_back();
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

}  // namespace

std::vector<std::string> TRichEdit::Lines() const {
    std::vector<std::string> lines;
    for (const std::u32string& line : SplitLines(text_))
        lines.push_back(EncodeUtf8(line));
    return lines;
}

std::vector<std::string> TRichEdit::WrappedLines() const {
    std::vector<std::string> lines;
    for (const TTextLine& line : WrapText(Font(), text_, std::max(1, Width() - 2 * Inset))) {
        lines.push_back(EncodeUtf8(text_.substr(line.Start, line.Shown)));
    }
    return lines;
}

void TRichEdit::SetRangeColor(std::size_t start, std::size_t length, TColor color) {
    if (start >= text_.size())
        return;
    const std::size_t end = start + std::min(length, text_.size() - start);
    bool changed = false;
    for (std::size_t i = start; i < end; ++i) {
        changed = changed || colors_[i] != color;
        colors_[i] = color;
    }
    if (changed)
        Invalidate();
}

TColor TRichEdit::ColorAt(std::size_t position) const {
    return position < colors_.size() ? colors_[position] : Font().Color;
}

std::vector<TColorRun> TRichEdit::ColorRuns() const {
    std::vector<TColorRun> runs;
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        if (runs.empty() || runs.back().Color != colors_[i]) {
            runs.push_back(TColorRun{i, 0, colors_[i]});
        }
        ++runs.back().Length;
    }
    return runs;
}

void TRichEdit::SetTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Invalidate();
}

void TRichEdit::Paint(TCanvas& canvas) {
    if (!transparent_) {
        canvas.Brush.Color = ResolveColor(Color());
        canvas.FillRect(TRect{0, 0, Width(), Height()});
    }
    canvas.IntersectClipRect(TRect{0, 0, Width(), Height()});
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Font = Font();
    const int lineHeight = std::max(1, TFontEngine::Instance().Metrics(Font()).LineHeight());
    int y = Inset;
    for (const TTextLine& line : WrapText(Font(), text_, std::max(1, Width() - 2 * Inset))) {
        if (y >= Height())
            break;
        // Each run starts where the line's text before it ends, so the colours do not change
        // the spacing of the letters.
        std::size_t i = line.Start;
        const std::size_t end = line.Start + line.Shown;
        while (i < end) {
            std::size_t runEnd = i + 1;
            while (runEnd < end && colors_[runEnd] == colors_[i])
                ++runEnd;
            canvas.Font.Color = ResolveColor(colors_[i]);
            canvas.TextOut(Inset + TextWidthOf(Font(), text_, line.Start, i - line.Start), y,
                           EncodeUtf8(text_.substr(i, runEnd - i)));
            i = runEnd;
        }
        y += lineHeight;
    }
}
