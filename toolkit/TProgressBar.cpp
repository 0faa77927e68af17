// The progress bar: a sunken frame with blocks filling the part of the range already done.
#include "TProgressBar.h"

#include <algorithm>

#include "SysColors.h"
#include "TCanvas.h"

namespace {

constexpr int ColorBtnShadow = 16;
constexpr int ColorBtnHighlight = 20;
constexpr TColor BlockColor = RGB(0, 0, 128);
constexpr int BlockGap = 2;

}  // namespace

TProgressBar::TProgressBar(TForm* form) : TGraphicControl(form) {
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetRange(int min, int max) {
    if (max < min)
        max = min;
    if (min == min_ && max == max_)
        return;
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
    Invalidate();
}

void TProgressBar::SetStep(int step) {
    step_ = step;
}

void TProgressBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_)
        return;
    position_ = position;
    Invalidate();
}

void TProgressBar::StepIt() {
    // Stepping past the end starts again from the beginning, the way the classic bar does; a
    // step that lands exactly on Max stays there.
    const long long next = static_cast<long long>(position_) + step_;
    if (next > max_) {
        SetPosition(min_);
    } else {
        SetPosition(static_cast<int>(next));
    }
}

int TProgressBar::FilledWidth() const {
    const int inner = Width() - 2;
    if (inner <= 0 || max_ <= min_)
        return 0;
    return static_cast<int>(static_cast<long long>(inner) * (position_ - min_) / (max_ - min_));
}

void TProgressBar::Paint(TCanvas& canvas) {
    const int w = Width(), h = Height();
    // Sunken: shadow along the top and left, highlight along the bottom and right.
    canvas.Brush.Color = GetSysColor(ColorBtnShadow);
    canvas.FillRect(TRect{0, 0, w, 1});
    canvas.FillRect(TRect{0, 0, 1, h});
    canvas.Brush.Color = GetSysColor(ColorBtnHighlight);
    canvas.FillRect(TRect{0, h - 1, w, h});
    canvas.FillRect(TRect{w - 1, 1, w, h});
    canvas.Brush.Color = GetSysColor(COLOR_BTNFACE);
    canvas.FillRect(TRect{1, 1, w - 1, h - 1});

    const int filled = FilledWidth();
    if (filled <= 0)
        return;
    const int blockHeight = h - 4;
    const int blockWidth = std::max(2, blockHeight * 2 / 3);
    canvas.Brush.Color = BlockColor;
    // Blocks are laid from the left; the last one is cut at the filled width so the bar shows
    // exactly Position of the range.
    for (int x = 2; x < 1 + filled; x += blockWidth + BlockGap) {
        const int right = std::min(x + blockWidth, 1 + filled);
        canvas.FillRect(TRect{x, 2, right, h - 2});
    }
}
