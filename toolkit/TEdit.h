// A single-line text box: typed text, a character limit, a caret; it may be zero wide.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "TControl.h"
#include "TFont.h"
#include "TTextEditing.h"
#include "TTextLayout.h"

// Key-downs reach OnKeyDown before they act (a handler that sets the key to 0 keeps it from
// acting); typed text comes from WM_CHAR. Home and End go to the start and end of the text.
// A box of zero width paints nothing but still takes the focus, the keys and the typed text.
class TEdit : public TWinControl {
  public:
    explicit TEdit(TForm* form);

    bool WantsTextInput() const override { return true; }

    std::string Text() const { return EncodeUtf8(buffer_.Text); }
    void SetText(const std::string& utf8);  // not limited by MaxLength; the caret goes to the end
    void Clear() { SetText(std::string()); }
    std::size_t Length() const { return buffer_.Text.size(); }  // in characters

    std::size_t SelStart() const { return buffer_.Caret; }
    void SetSelStart(std::size_t position);
    std::size_t MaxLength() const { return buffer_.MaxLength; }  // 0 for no limit
    void SetMaxLength(std::size_t characters) { buffer_.MaxLength = characters; }

    bool CaretShown() const { return blink_.Shown(); }

    std::function<void(TControl* sender)> OnChange;

    void KeyDown(int& key, TShiftState shift, bool repeat) override;
    void TextInput(const std::string& utf8) override;
    void FocusChanged(bool focused) override;
    bool ContextPopup() override { return true; }
    void Paint(TCanvas& canvas) override;

    static constexpr int Inset = 2;

  private:
    // How far the text is shifted left so that the caret stays inside the box.
    int ScrollOffset() const;
    void Edited(bool textChanged);

    TEditBuffer buffer_;
    TCaretBlink blink_;
};
