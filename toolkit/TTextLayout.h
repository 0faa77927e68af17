// Text measured and wrapped by characters (code points), shared by the text boxes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "TFont.h"
#include "Utf8.h"

// One painted line: the characters [Start, Start + Length) of the text. Length includes the
// space at which the line was broken and the line break that ends it, so the lines together
// cover the whole text and every character belongs to exactly one line.
struct TTextLine {
    std::size_t Start = 0;
    std::size_t Length = 0;
    // The characters that are drawn: the line without its break space or line break.
    std::size_t Shown = 0;
    bool operator==(const TTextLine& o) const {
        return Start == o.Start && Length == o.Length && Shown == o.Shown;
    }
};

// Width of text[start, start + count) in the font, in pixels.
int TextWidthOf(const TFont& font, const std::u32string& text, std::size_t start,
                std::size_t count);

// Breaks the text into lines no wider than width: at line breaks, else greedily at the last
// space that keeps the line inside the width. A word wider than the whole width is cut between
// characters, so that nothing is painted outside the box. Always at least one line.
std::vector<TTextLine> WrapText(const TFont& font, const std::u32string& text, int width);

// The line that shows the character position (0..size): the first line whose range holds it,
// the last line for the end of the text.
std::size_t LineOfPosition(const std::vector<TTextLine>& lines, std::size_t position);
