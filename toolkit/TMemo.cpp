// The multi-line text box: editing keys, typed text, wrapping, scrolling to the caret, painting.
#include "TMemo.h"

#include <algorithm>
#include <cstdlib>

#include "SysColors.h"
#include "TCanvas.h"
#include "TFontEngine.h"

TMemo::TMemo(TForm* form)
    : TWinControl(form), blink_(*this, [this] { InvalidateRect(CaretRect()); }) {}

void TMemo::SetText(const std::string& utf8) {
    const std::u32string before = buffer_.Text;
    buffer_.SetText(utf8);
    caretAtLineEnd_ = false;
    Edited(buffer_.Text != before);
}

void TMemo::SetSelStart(std::size_t position) {
    caretAtLineEnd_ = false;
    buffer_.MoveCaret(position);
    Edited(false);
}

std::vector<TTextLine> TMemo::Layout() const {
    return WrapText(Font(), buffer_.Text, std::max(1, Width() - 2 * Inset));
}

std::vector<std::string> TMemo::Lines() const {
    std::vector<std::string> lines;
    for (const TTextLine& line : Layout()) {
        lines.push_back(EncodeUtf8(buffer_.Text.substr(line.Start, line.Shown)));
    }
    return lines;
}

int TMemo::LineHeight() const {
    return std::max(1, TFontEngine::Instance().Metrics(Font()).LineHeight());
}

std::size_t TMemo::CaretLine(const std::vector<TTextLine>& lines) const {
    std::size_t line = LineOfPosition(lines, buffer_.Caret);
    if (caretAtLineEnd_ && line > 0 && buffer_.Caret == lines[line].Start)
        --line;
    return line;
}

// The box shows as many whole lines as fit, scrolled just far enough that the caret's line is
// among them.
std::size_t TMemo::FirstShownLine(const std::vector<TTextLine>& lines) const {
    const std::size_t fitting =
        static_cast<std::size_t>(std::max(1, (Height() - 2 * Inset) / LineHeight()));
    const std::size_t caretLine = CaretLine(lines);
    return caretLine >= fitting ? caretLine - fitting + 1 : 0;
}

TRect TMemo::CaretRect() const {
    const std::vector<TTextLine> lines = Layout();
    const std::size_t index = CaretLine(lines);
    const TTextLine& line = lines[index];
    const int x = Inset + TextWidthOf(Font(), buffer_.Text, line.Start, buffer_.Caret - line.Start);
    const int y = Inset + static_cast<int>(index - FirstShownLine(lines)) * LineHeight();
    const int left = std::min(x, std::max(Inset, Width() - Inset - 2));
    return TRect::FromSize(left, y, 2, LineHeight());
}

void TMemo::Edited(bool textChanged) {
    Invalidate();
    blink_.Restart();
    if (textChanged && OnChange)
        OnChange(this);
}

void TMemo::KeyDown(int& key, TShiftState shift, bool repeat) {
    TControl::KeyDown(key, shift, repeat);  // OnKeyDown sees every key before it acts
    const std::vector<TTextLine> lines = Layout();
    const TTextLine& line = lines[CaretLine(lines)];
    const bool ctrl = HasShift(shift, TShiftState::Ctrl);
    bool atLineEnd = false;
    const TEditKeyEffect effect = buffer_.ApplyCharacterKey(key);
    const bool changed = effect == TEditKeyEffect::TextChanged;
    bool moved = effect == TEditKeyEffect::CaretMoved;
    if (effect == TEditKeyEffect::NotAnEditKey) {
        switch (key) {
            case VK_HOME:
                moved = buffer_.MoveCaret(ctrl ? 0 : line.Start);
                break;
            case VK_END: {
                const std::size_t end = ctrl ? buffer_.Text.size() : line.Start + line.Shown;
                // A line cut inside a word ends where the next one starts: remember which is meant.
                atLineEnd = !ctrl && &line != &lines.back() && line.Shown == line.Length;
                moved = buffer_.MoveCaret(end) || atLineEnd != caretAtLineEnd_;
                break;
            }
            default:
                return;  // Enter and every other key leave the text as it is
        }
    }
    caretAtLineEnd_ = atLineEnd;
    if (changed || moved)
        Edited(changed);
}

void TMemo::TextInput(const std::string& utf8) {
    if (!buffer_.Insert(utf8))
        return;
    caretAtLineEnd_ = false;
    Edited(true);
}

void TMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y, TClickKind kind) {
    TControl::MouseDown(button, shift, x, y, kind);
    if (button != TMouseButton::Left)
        return;
    // The caret goes to the character boundary nearest the click.
    const std::vector<TTextLine> lines = Layout();
    const int row = std::max(0, (y - Inset) / LineHeight());
    const std::size_t index =
        std::min(lines.size() - 1, FirstShownLine(lines) + static_cast<std::size_t>(row));
    const TTextLine& line = lines[index];
    std::size_t best = 0;
    int bestDistance = std::abs(x - Inset);
    for (std::size_t k = 1; k <= line.Shown; ++k) {
        const int distance = std::abs(x - Inset - TextWidthOf(Font(), buffer_.Text, line.Start, k));
        if (distance < bestDistance) {
            best = k;
            bestDistance = distance;
        }
    }
    caretAtLineEnd_ = best == line.Length && index + 1 < lines.size();
    buffer_.MoveCaret(line.Start + best);
    Edited(false);
}

void TMemo::FocusChanged(bool focused) {
    if (focused) {
        blink_.Restart();
    } else {
        blink_.Stop();
    }
}

void TMemo::Paint(TCanvas& canvas) {
    canvas.Brush.Color = ResolveColor(Color());
    canvas.FillRect(TRect{0, 0, Width(), Height()});
    canvas.IntersectClipRect(TRect{0, 0, Width(), Height()});
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Font = Font();
    const std::vector<TTextLine> lines = Layout();
    const std::size_t first = FirstShownLine(lines);
    const int lineHeight = LineHeight();
    int y = Inset;
    for (std::size_t i = first; i < lines.size() && y < Height(); ++i, y += lineHeight) {
        canvas.TextOut(Inset, y, EncodeUtf8(buffer_.Text.substr(lines[i].Start, lines[i].Shown)));
    }
    if (Focused() && blink_.Shown()) {
        canvas.Brush.Color = ResolveColor(Font().Color);
        canvas.FillRect(CaretRect());
    }
}
