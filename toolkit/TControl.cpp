// The control base: bounds, visibility, repaint requests, focus and the click rules.
#include "TControl.h"

#include "TForm.h"

TControl::TControl(TForm* form) : form_(form) {}

TControl::~TControl() {
    if (form_)
        form_->ControlDestroyed(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    const TRect bounds = TRect::FromSize(left, top, width < 0 ? 0 : width, height < 0 ? 0 : height);
    if (bounds == bounds_)
        return;
    if (visible_)
        form_->InvalidateRect(bounds_);
    bounds_ = bounds;
    if (visible_)
        form_->InvalidateRect(bounds_);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    form_->InvalidateRect(bounds_);
    if (!visible_)
        form_->ControlRemovedOrHidden(this);
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Invalidate();
    if (!enabled_)
        form_->ControlRemovedOrHidden(this);
}

void TControl::Invalidate() {
    if (visible_)
        form_->InvalidateRect(bounds_);
}

void TControl::InvalidateRect(const TRect& local) {
    if (!visible_)
        return;
    form_->InvalidateRect(local.Offset(bounds_.Left, bounds_.Top).Intersect(bounds_));
}

void TControl::Update() {
    form_->Update();
}

bool TControl::CanFocus() const {
    return AcceptsFocus() && visible_ && enabled_;
}

bool TControl::Focused() const {
    return form_->ActiveControl() == this;
}

void TControl::SetFocus() {
    form_->FocusControl(this);
}

void TControl::KeyDown(int& key, TShiftState shift, bool repeat) {
    (void)repeat;
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TControl::KeyUp(int key, TShiftState shift) {
    (void)key, (void)shift;
}

void TControl::SetFont(const TFont& font) {
    const bool changed = !(font == font_);
    font_ = font;
    FontWritten(changed);
}

void TControl::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Invalidate();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y, TClickKind kind) {
    (void)shift, (void)x, (void)y;
    if (button != TMouseButton::Left)
        return;
    if (kind == TClickKind::Double && !DoublePressIsPress()) {
        // The second press of a double click is not a click of its own.
        clickPending_ = false;
        DblClick();
        return;
    }
    clickPending_ = held_ = inside_ = true;
    MouseStateChanged(TMouseEvent::Press);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    (void)shift;
    if (button != TMouseButton::Left)
        return;
    const bool click = clickPending_ && x >= 0 && y >= 0 && x < Width() && y < Height();
    clickPending_ = held_ = false;
    if (click)
        Click();
    MouseStateChanged(TMouseEvent::Release);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    (void)shift;
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (!held_ || inside == inside_)
        return;
    inside_ = inside;
    MouseStateChanged(TMouseEvent::Move);
}

void TControl::MouseEnter() {
    hovered_ = true;
    MouseStateChanged(TMouseEvent::Enter);
}

void TControl::MouseLeave() {
    hovered_ = false;
    MouseStateChanged(TMouseEvent::Leave);
}

void TControl::CaptureLost() {
    clickPending_ = held_ = false;
    MouseStateChanged(TMouseEvent::CaptureLost);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}
