// A font description (face, height, colour, style) as the controls and the canvas use it.
#pragma once

#include <string>

#include "TTypes.h"

enum class TFontStyle : unsigned { None = 0, Bold = 1, Italic = 2 };
inline TFontStyle operator|(TFontStyle a, TFontStyle b) {
    return static_cast<TFontStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
inline bool HasStyle(TFontStyle set, TFontStyle s) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(s)) != 0;
}

// Height follows the usual convention: a negative value is the character height in pixels (the
// em size), a positive value the cell height (ascent plus descent). Size in points is converted
// at 96 dots per inch: Height = -Size * 96 / 72.
struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = -11;
    TColor Color = clBlack;
    TFontStyle Style = TFontStyle::None;

    void SetSize(int points) { Height = -(points * 96 + 36) / 72; }
    int Size() const { return Height < 0 ? (-Height * 72 + 48) / 96 : Height * 72 / 96; }

    friend bool operator==(const TFont& a, const TFont& b) {
        return a.Name == b.Name && a.Height == b.Height && a.Color == b.Color && a.Style == b.Style;
    }
    friend bool operator!=(const TFont& a, const TFont& b) { return !(a == b); }
};
