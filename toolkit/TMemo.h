// A multi-line text box: word wrap, a character limit, a blinking caret and no context menu.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "TControl.h"
#include "TFont.h"
#include "TTextEditing.h"
#include "TTextLayout.h"

// Typed text comes from the backend's text input (WM_CHAR), so dead keys and input methods give
// the characters the pupil meant. Key-downs reach OnKeyDown before they act; a handler that sets
// the key to 0 keeps it from acting. Enter never inserts a line break. Home and End go to the
// start and end of the painted line the caret is on; with Ctrl, to the start and end of the text.
// Up and Down do nothing.
class TMemo : public TWinControl {
  public:
    explicit TMemo(TForm* form);

    bool WantsTextInput() const override { return true; }

    std::string Text() const { return EncodeUtf8(buffer_.Text); }
    // Replaces the text, whatever MaxLength says (the limit is for typing); the caret goes to the
    // end.
    void SetText(const std::string& utf8);
    void Clear() { SetText(std::string()); }
    std::size_t Length() const { return buffer_.Text.size(); }  // in characters

    // The caret, as a character position 0..Length().
    std::size_t SelStart() const { return buffer_.Caret; }
    void SetSelStart(std::size_t position);

    // The most characters typing may bring; 0 for no limit.
    std::size_t MaxLength() const { return buffer_.MaxLength; }
    void SetMaxLength(std::size_t characters) { buffer_.MaxLength = characters; }

    // The lines as painted, wrapped to the width.
    std::vector<std::string> Lines() const;
    // Whether the caret is in its visible phase now (it is only shown while focused).
    bool CaretShown() const { return blink_.Shown(); }
    // Where the caret is painted, in the memo's own coordinates.
    TRect CaretRect() const;

    std::function<void(TControl* sender)> OnChange;

    void KeyDown(int& key, TShiftState shift, bool repeat) override;
    void TextInput(const std::string& utf8) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y, TClickKind kind) override;
    void FocusChanged(bool focused) override;
    // No context menu ever opens on the memo: the request is handled by showing nothing.
    bool ContextPopup() override { return true; }
    void Paint(TCanvas& canvas) override;

    static constexpr int Inset = 2;  // pixels between the edge and the text

  private:
    std::vector<TTextLine> Layout() const;
    std::size_t CaretLine(const std::vector<TTextLine>& lines) const;
    std::size_t FirstShownLine(const std::vector<TTextLine>& lines) const;
    int LineHeight() const;
    // After an edit or a caret move: repaint, restart the blink, and tell OnChange.
    void Edited(bool textChanged);

    TEditBuffer buffer_;
    // Set by End on a line that was cut inside a word: the caret then stands at the end of that
    // line rather than at the start of the next, although both are the same character position.
    bool caretAtLineEnd_ = false;
    TCaretBlink blink_;
};
