// Editing by characters and the caret's blink timer.
#include "TTextEditing.h"

#include <algorithm>

#include "Messages.h"
#include "TApplication.h"
#include "TControl.h"
#include "TFontEngine.h"
#include "TForm.h"
#include "TTimer.h"

bool IsTypedCharacter(char32_t c) {
    if (c < 0x20 || c == 0x7F)
        return false;
    if (c >= 0x80 && c <= 0x9F)
        return false;
    return c != 0x2028 && c != 0x2029 && c != 0xFFFD;
}

bool TEditBuffer::Insert(const std::string& utf8) {
    std::u32string typed;
    for (char32_t c : DecodeUtf8(utf8)) {
        if (IsTypedCharacter(c))
            typed += c;
    }
    if (MaxLength > 0) {
        const std::size_t room = Text.size() >= MaxLength ? 0 : MaxLength - Text.size();
        if (typed.size() > room)
            typed.resize(room);
    }
    if (typed.empty())
        return false;
    Text.insert(Caret, typed);
    Caret += typed.size();
    return true;
}

bool TEditBuffer::Backspace() {
    if (Caret == 0)
        return false;
    Text.erase(Caret - 1, 1);
    --Caret;
    return true;
}

bool TEditBuffer::DeleteForward() {
    if (Caret >= Text.size())
        return false;
    Text.erase(Caret, 1);
    return true;
}

TEditKeyEffect TEditBuffer::ApplyCharacterKey(int key) {
    bool moved = false;
    switch (key) {
        case VK_BACK:
            return Backspace() ? TEditKeyEffect::TextChanged : TEditKeyEffect::Unchanged;
        case VK_DELETE:
            return DeleteForward() ? TEditKeyEffect::TextChanged : TEditKeyEffect::Unchanged;
        case VK_LEFT:
            moved = MoveCaret(Caret == 0 ? 0 : Caret - 1);
            break;
        case VK_RIGHT:
            moved = MoveCaret(Caret + 1);
            break;
        default:
            return TEditKeyEffect::NotAnEditKey;
    }
    return moved ? TEditKeyEffect::CaretMoved : TEditKeyEffect::Unchanged;
}

bool TEditBuffer::MoveCaret(std::size_t position) {
    position = std::min(position, Text.size());
    if (position == Caret)
        return false;
    Caret = position;
    return true;
}

void TEditBuffer::SetText(const std::string& utf8) {
    Text = DecodeUtf8(utf8);
    Caret = Text.size();
}

TCaretBlink::TCaretBlink(TControl& owner, std::function<void()> onToggle)
    : owner_(owner), onToggle_(std::move(onToggle)), timer_(owner.Form()->AddTimer(PeriodMs)) {
    timer_->OnTimer = [this] { Tick(); };
}

bool TCaretBlink::OwnerActive() const {
    const TForm* form = owner_.Form();
    return owner_.Focused() && owner_.Visible() && owner_.Enabled() && form->Visible() &&
           form->Application().ActiveForm() == form;
}

void TCaretBlink::Restart() {
    if (!OwnerActive()) {
        Stop();
        return;
    }
    // Switching off and on starts a fresh period, so the caret stays on for a whole one after
    // each key instead of vanishing under the pupil's eyes.
    timer_->SetEnabled(false);
    timer_->SetEnabled(true);
    if (!shown_) {
        shown_ = true;
        if (onToggle_)
            onToggle_();
    }
}

void TCaretBlink::Stop() {
    timer_->SetEnabled(false);
    if (shown_) {
        shown_ = false;
        if (onToggle_)
            onToggle_();
    }
}

bool TCaretBlink::Running() const {
    return timer_->Enabled();
}

void TCaretBlink::Tick() {
    if (!OwnerActive()) {
        Stop();
        return;
    }
    shown_ = !shown_;
    if (onToggle_)
        onToggle_();
}
