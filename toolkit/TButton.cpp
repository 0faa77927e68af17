// The push button: raised, pressed and disabled looks, clicks by mouse, Space and Enter.
#include "TButton.h"

#include "SysColors.h"
#include "TCanvas.h"

namespace {

constexpr int ColorBtnShadow = 16;
constexpr int ColorBtnHighlight = 20;

}  // namespace

TButton::TButton(TForm* form) : TWinControl(form) {
    SetBounds(0, 0, 75, 25);
}

void TButton::SetCaption(const std::string& utf8) {
    if (utf8 == caption_)
        return;
    caption_ = utf8;
    Invalidate();
}

// The pressed look follows the held button in and out; hovering alone changes nothing.
void TButton::MouseStateChanged(TMouseEvent event) {
    if (event != TMouseEvent::Enter && event != TMouseEvent::Leave)
        Invalidate();
}

void TButton::KeyDown(int& key, TShiftState shift, bool repeat) {
    TWinControl::KeyDown(key, shift, repeat);
    if ((key == VK_SPACE || key == VK_RETURN) && !repeat) {
        key = 0;
        Click();
    }
}

void TButton::FocusChanged(bool focused) {
    (void)focused;
    Invalidate();
}

void TButton::Paint(TCanvas& canvas) {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    const TColor light = GetSysColor(ColorBtnHighlight);
    const TColor dark = GetSysColor(ColorBtnShadow);
    // Black outer frame, then a one-pixel edge: light on the top and left and dark on the bottom
    // and right while raised, the other way round while pressed.
    canvas.Brush.Color = clBlack;
    canvas.FillRect(TRect{0, 0, w, h});
    canvas.Brush.Color = GetSysColor(COLOR_BTNFACE);
    canvas.FillRect(TRect{2, 2, w - 2, h - 2});
    const bool pressed = Pressed();
    const TColor topLeft = pressed ? dark : light;
    const TColor bottomRight = pressed ? light : dark;
    canvas.Brush.Color = topLeft;
    canvas.FillRect(TRect{1, 1, w - 2, 2});
    canvas.FillRect(TRect{1, 1, 2, h - 2});
    canvas.Brush.Color = bottomRight;
    canvas.FillRect(TRect{1, h - 2, w - 1, h - 1});
    canvas.FillRect(TRect{w - 2, 1, w - 1, h - 1});

    canvas.Font = Font();
    canvas.Brush.Style = TBrushStyle::Clear;
    const TSize text = canvas.TextExtent(caption_);
    const int shiftBy = pressed ? 1 : 0;
    const int x = (w - text.Width) / 2 + shiftBy;
    const int y = (h - text.Height) / 2 + shiftBy;
    {
        TCanvasStateGuard guard(canvas);
        canvas.IntersectClipRect(TRect{2, 2, w - 2, h - 2});
        if (Enabled()) {
            canvas.TextOut(x, y, caption_);
        } else {
            // Embossed: a white copy one pixel down and right, grey text on top.
            canvas.Font.Color = light;
            canvas.TextOut(x + 1, y + 1, caption_);
            canvas.Font.Color = dark;
            canvas.TextOut(x, y, caption_);
        }
    }
    if (Focused()) {
        // A dotted rectangle inside the edge marks the button the keys act on.
        const TRect r{4, 4, w - 4, h - 4};
        for (int px = r.Left; px < r.Right; px += 2) {
            canvas.SetPixel(px, r.Top, clBlack);
            canvas.SetPixel(px, r.Bottom - 1, clBlack);
        }
        for (int py = r.Top; py < r.Bottom; py += 2) {
            canvas.SetPixel(r.Left, py, clBlack);
            canvas.SetPixel(r.Right - 1, py, clBlack);
        }
    }
}
