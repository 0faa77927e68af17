// The single-line text box: editing keys, typed text, horizontal scrolling to the caret.
#include "TEdit.h"

#include <algorithm>

#include "SysColors.h"
#include "TCanvas.h"
#include "TFontEngine.h"

TEdit::TEdit(TForm* form) : TWinControl(form), blink_(*this, [this] { Invalidate(); }) {}

void TEdit::SetText(const std::string& utf8) {
    const std::u32string before = buffer_.Text;
    buffer_.SetText(utf8);
    Edited(buffer_.Text != before);
}

void TEdit::SetSelStart(std::size_t position) {
    buffer_.MoveCaret(position);
    Edited(false);
}

void TEdit::Edited(bool textChanged) {
    Invalidate();
    blink_.Restart();
    if (textChanged && OnChange)
        OnChange(this);
}

void TEdit::KeyDown(int& key, TShiftState shift, bool repeat) {
    TControl::KeyDown(key, shift, repeat);
    const TEditKeyEffect effect = buffer_.ApplyCharacterKey(key);
    const bool changed = effect == TEditKeyEffect::TextChanged;
    bool moved = effect == TEditKeyEffect::CaretMoved;
    if (effect == TEditKeyEffect::NotAnEditKey) {
        switch (key) {
            case VK_HOME:
                moved = buffer_.MoveCaret(0);
                break;
            case VK_END:
                moved = buffer_.MoveCaret(buffer_.Text.size());
                break;
            default:
                return;
        }
    }
    if (changed || moved)
        Edited(changed);
}

void TEdit::TextInput(const std::string& utf8) {
    if (buffer_.Insert(utf8))
        Edited(true);
}

void TEdit::FocusChanged(bool focused) {
    if (focused) {
        blink_.Restart();
    } else {
        blink_.Stop();
    }
}

int TEdit::ScrollOffset() const {
    const int caretX = TextWidthOf(Font(), buffer_.Text, 0, buffer_.Caret);
    const int room = Width() - 2 * Inset - 2;
    return caretX > room ? caretX - room : 0;
}

void TEdit::Paint(TCanvas& canvas) {
    if (Width() <= 0 || Height() <= 0)
        return;
    canvas.Brush.Color = ResolveColor(Color());
    canvas.FillRect(TRect{0, 0, Width(), Height()});
    canvas.IntersectClipRect(TRect{0, 0, Width(), Height()});
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Font = Font();
    const int offset = ScrollOffset();
    canvas.TextOut(Inset - offset, Inset, Text());
    if (Focused() && blink_.Shown()) {
        const int x = Inset - offset + TextWidthOf(Font(), buffer_.Text, 0, buffer_.Caret);
        canvas.Brush.Color = ResolveColor(Font().Color);
        canvas.FillRect(
            TRect::FromSize(x, Inset, 2, TFontEngine::Instance().Metrics(Font()).LineHeight()));
    }
}
