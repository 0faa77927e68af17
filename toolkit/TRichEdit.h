// A rich-text box that shows text with a colour per character range, wrapped at spaces.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "TControl.h"
#include "TFont.h"
#include "TTextLayout.h"

// A run of characters of one colour.
struct TColorRun {
    std::size_t Start = 0;
    std::size_t Length = 0;
    TColor Color = clBlack;
    bool operator==(const TColorRun& o) const {
        return Start == o.Start && Length == o.Length && Color == o.Color;
    }
};

// Positions and lengths count characters (code points). The box has no border and no caret;
// the screens use it disabled, as a display. It never shows a context menu.
class TRichEdit : public TWinControl {
  public:
    explicit TRichEdit(TForm* form);

    std::string Text() const { return EncodeUtf8(text_); }
    // Replaces the text; every character takes the font's colour and the selection is emptied.
    void SetText(const std::string& utf8);
    void Clear() { SetText(std::string()); }
    std::size_t Length() const { return text_.size(); }
    // The text split at its line breaks (not at the wrap).
    std::vector<std::string> Lines() const;
    // The lines as painted, wrapped to the width.
    std::vector<std::string> WrappedLines() const;

    // The selection, clamped to the text when used.
    std::size_t SelStart() const { return selStart_; }
    std::size_t SelLength() const { return selLength_; }
    void SetSelStart(std::size_t position) { selStart_ = position; }
    void SetSelLength(std::size_t length) { selLength_ = length; }
    // Colours the selected characters.
    void SetSelColor(TColor color) { SetRangeColor(selStart_, selLength_, color); }
    // Colours the characters [start, start + length) that the text has; the rest is left alone.
    void SetRangeColor(std::size_t start, std::size_t length, TColor color);
    TColor ColorAt(std::size_t position) const;
    // The text as runs of one colour, in order, covering it whole.
    std::vector<TColorRun> ColorRuns() const;

    // The ground behind the text; a transparent box leaves what lies below it.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    bool ContextPopup() override { return true; }
    void Paint(TCanvas& canvas) override;

    static constexpr int Inset = 2;

  private:
    std::u32string text_;
    std::vector<TColor> colors_;  // one per character of text_
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
    bool transparent_ = false;
};
