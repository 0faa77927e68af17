// Measuring and wrapping text by characters for the text boxes.
#include "TTextLayout.h"

#include "TFontEngine.h"

int TextWidthOf(const TFont& font, const std::u32string& text, std::size_t start,
                std::size_t count) {
    if (count == 0 || start >= text.size())
        return 0;
    return TFontEngine::Instance().TextExtent(font, EncodeUtf8(text.substr(start, count))).Width;
}

namespace {

// Breaks one paragraph (no line breaks inside) that starts at `start` and has `count` characters.
void WrapParagraph(const TFont& font, const std::u32string& text, std::size_t start,
                   std::size_t count, int width, std::vector<TTextLine>& lines) {
    const std::size_t end = start + count;
    const std::size_t before = lines.size();
    std::size_t lineStart = start;
    while (end - lineStart > 0 && TextWidthOf(font, text, lineStart, end - lineStart) > width) {
        // The longest prefix that fits, found by halving: widths grow with the character count.
        std::size_t fits = 0, tooWide = end - lineStart;
        while (tooWide - fits > 1) {
            const std::size_t mid = (fits + tooWide) / 2;
            if (TextWidthOf(font, text, lineStart, mid) <= width) {
                fits = mid;
            } else {
                tooWide = mid;
            }
        }
        // A space right after the part that fits may end the line; otherwise the last space
        // inside it does. Spaces at the break stay on this line and are not drawn.
        std::size_t breakAt = std::u32string::npos;
        for (std::size_t i = lineStart + fits + 1; i-- > lineStart + 1;) {
            if (text[i] == U' ') {
                breakAt = i;
                break;
            }
        }
        TTextLine line;
        line.Start = lineStart;
        if (breakAt == std::u32string::npos) {
            // One word wider than the box: cut it, keeping at least one character per line.
            line.Length = line.Shown = fits == 0 ? 1 : fits;
        } else {
            std::size_t next = breakAt;
            while (next < end && text[next] == U' ')
                ++next;
            std::size_t shown = breakAt - lineStart;
            while (shown > 0 && text[lineStart + shown - 1] == U' ')
                --shown;
            line.Length = next - lineStart;
            line.Shown = shown;
        }
        lines.push_back(line);
        lineStart += line.Length;
    }
    if (lineStart < end || lines.size() == before) {
        lines.push_back(TTextLine{lineStart, end - lineStart, end - lineStart});
    }
}

}  // namespace

std::vector<TTextLine> WrapText(const TFont& font, const std::u32string& text, int width) {
    std::vector<TTextLine> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lineBreak = text.find(U'\n', start);
        const std::size_t count =
            (lineBreak == std::u32string::npos ? text.size() : lineBreak) - start;
        WrapParagraph(font, text, start, count, width, lines);
        if (lineBreak == std::u32string::npos)
            break;
        // The line break belongs to the paragraph's last line but is not drawn.
        lines.back().Length += 1;
        start = lineBreak + 1;
    }
    return lines;
}

std::size_t LineOfPosition(const std::vector<TTextLine>& lines, std::size_t position) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (position < lines[i].Start + lines[i].Length)
            return i;
    }
    return lines.empty() ? 0 : lines.size() - 1;
}
