// Forms: their controls and timers, dirty rectangles, painting, focus and the routing of input.
#include "TForm.h"

#include <cstdint>

#include "SysColors.h"
#include "TApplication.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TResources.h"
#include "TScaledPictureCache.h"

namespace {

// Rectangles this close are painted as one: the pixels in between cost less than another pass
// over the controls.
constexpr int NearbyGap = 8;
// Past this many rectangles new ones are folded into the one they enlarge least.
constexpr std::size_t MaxDirtyRects = 8;

std::int64_t Area(const TRect& r) {
    return r.IsEmpty() ? 0 : static_cast<std::int64_t>(r.Width()) * r.Height();
}

// Two rectangles are merged when they lie close together and their union is not much larger
// than the two of them: two long bars meeting at a corner stay apart.
bool ShouldMerge(const TRect& a, const TRect& b) {
    const TRect grown{a.Left - NearbyGap, a.Top - NearbyGap, a.Right + NearbyGap,
                      a.Bottom + NearbyGap};
    if (!grown.Intersects(b))
        return false;
    const std::int64_t parts = Area(a) + Area(b);
    return Area(a.Union(b)) <= parts + parts / 4;
}

}  // namespace

TForm::TForm(TApplication& app) : app_(app) {}

TForm::~TForm() {
    destroying_ = true;
    focused_ = captured_ = hovered_ = nullptr;
    timers_.clear();
    controls_.clear();
}

TTimer* TForm::AddTimer(int intervalMs) {
    timers_.push_back(std::make_unique<TTimer>(app_));
    TTimer* timer = timers_.back().get();
    timer->SetInterval(intervalMs);
    return timer;
}

int TForm::ClientWidth() const {
    return app_.ScreenSize().Width;
}
int TForm::ClientHeight() const {
    return app_.ScreenSize().Height;
}

void TForm::Show() {
    const bool wasActive = visible_ && app_.ActiveForm() == this;
    visible_ = true;
    app_.FormShown(this);
    Invalidate();
    app_.SyncTextInput();
    if (!wasActive)
        FormActivate();
}

void TForm::Hide() {
    if (!visible_)
        return;
    visible_ = false;
    ReleaseMouse();
    dirty_.clear();
    app_.FormHidden(this);
    app_.SyncTextInput();
    for (auto& control : controls_)
        control->FormHidden();
    // The scaled copies of pictures are those of the screen going away; the next one makes its
    // own, and a screen is shown for up to a minute.
    TScaledPictureCache::Instance().Clear();
    ReleaseResourcePages();
}

void TForm::FormClose() {
    app_.Terminate();
}

bool TForm::FocusControl(TControl* control) {
    if (control == focused_)
        return true;
    if (control && (control->Form() != this || !control->CanFocus()))
        return false;
    TControl* previous = focused_;
    focused_ = control;
    if (previous)
        previous->FocusChanged(false);
    if (control)
        control->FocusChanged(true);
    app_.SyncTextInput();
    return focused_ == control;
}

void TForm::InvalidateRect(const TRect& rect) {
    if (!visible_ || destroying_)
        return;
    TRect area = rect.Intersect(ClientRect());
    if (area.IsEmpty())
        return;
    // Each merge can bring the grown rectangle close to another, so repeat until none is left.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = dirty_.begin(); it != dirty_.end(); ++it) {
            if (ShouldMerge(*it, area)) {
                area = area.Union(*it);
                dirty_.erase(it);
                merged = true;
                break;
            }
        }
        if (!merged && dirty_.size() >= MaxDirtyRects) {
            auto best = dirty_.begin();
            std::int64_t bestGrowth = Area(best->Union(area)) - Area(*best);
            for (auto it = dirty_.begin() + 1; it != dirty_.end(); ++it) {
                const std::int64_t growth = Area(it->Union(area)) - Area(*it);
                if (growth < bestGrowth) {
                    best = it;
                    bestGrowth = growth;
                }
            }
            area = area.Union(*best);
            dirty_.erase(best);
            merged = true;
        }
    }
    dirty_.push_back(area);
}

void TForm::Invalidate() {
    InvalidateRect(ClientRect());
}

void TForm::Update() {
    if (visible_ && app_.ActiveForm() == this)
        app_.PaintPending();
}

std::vector<TRect> TForm::TakePendingRects() {
    std::vector<TRect> rects;
    rects.swap(dirty_);
    return rects;
}

void TForm::PaintRects(TBitmap& frame, const std::vector<TRect>& rects) {
    // The rectangles are logical; the frame is in device pixels.
    const TDeviceTransform& device = app_.Device();
    const TRect frameRect{0, 0, frame.Width(), frame.Height()};
    for (const TRect& rect : rects) {
        const TRect area = device.Map(rect).Intersect(frameRect);
        if (area.IsEmpty())
            continue;
        {
            TCanvas canvas(frame);
            canvas.SetDevice(device);
            canvas.SetClipRect(area);
            canvas.Brush.Color = ResolveColor(Color);
            canvas.FillRect(rect);
        }
        for (const auto& control : controls_) {
            if (!control->Visible())
                continue;
            const TRect clip = area.Intersect(device.Map(control->BoundsRect()));
            if (clip.IsEmpty())
                continue;
            // A fresh canvas per control, so no pen, brush or font leaks from one to the next.
            TCanvas canvas(frame);
            canvas.SetDevice(device);
            canvas.SetOrigin(TPoint{control->Left(), control->Top()});
            canvas.SetClipRect(clip);
            control->Paint(canvas);
        }
    }
}

void TForm::ControlAdded(TControl* control) {
    control->Invalidate();
}

void TForm::ControlRemovedOrHidden(TControl* control) {
    if (destroying_)
        return;
    if (focused_ == control) {
        focused_ = nullptr;
        control->FocusChanged(false);
        app_.SyncTextInput();
    }
    if (captured_ == control) {
        captured_ = nullptr;
        control->CaptureLost();
    }
    if (hovered_ == control) {
        hovered_ = nullptr;
        control->MouseLeave();
    }
}

void TForm::ControlDestroyed(TControl* control) {
    if (focused_ == control)
        focused_ = nullptr;
    if (captured_ == control)
        captured_ = nullptr;
    if (hovered_ == control)
        hovered_ = nullptr;
}

void TForm::ReleaseMouse() {
    formClickPending_ = false;
    if (TControl* captured = captured_) {
        captured_ = nullptr;
        captured->CaptureLost();
    }
    SetHovered(nullptr);
}

TControl* TForm::ControlAt(TPoint p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const TControl& control = **it;
        if (!control.Visible() || !control.BoundsRect().Contains(p))
            continue;
        // A disabled control hands the mouse to the form, not to whatever lies beneath it.
        return control.Enabled() ? it->get() : nullptr;
    }
    return nullptr;
}

void TForm::SetHovered(TControl* control) {
    if (control == hovered_)
        return;
    TControl* previous = hovered_;
    hovered_ = control;
    if (previous)
        previous->MouseLeave();
    if (control && hovered_ == control)
        control->MouseEnter();
}

void TForm::UpdateHover(TPoint p) {
    SetHovered(ControlAt(p));
}

void TForm::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_KEYDOWN: {
            int key = message.Key;
            TControl* target = focused_;
            if (!target) {
                // A key held down from the screen before repeats into this one; only a fresh
                // press is the form's to act on.
                if (!message.Repeat)
                    FormKeyDown(key, message.Shift);
                break;
            }
            target->KeyDown(key, message.Shift, message.Repeat);
            // The context-menu key asks the focused control for its menu, unless a handler
            // swallowed the key by setting it to 0.
            if (key == VK_APPS && focused_ == target)
                target->ContextPopup();
            break;
        }
        case WM_KEYUP:
            if (focused_)
                focused_->KeyUp(message.Key, message.Shift);
            break;
        case WM_CHAR:
            if (focused_)
                focused_->TextInput(message.Text);
            break;
        case WM_MOUSELEAVE:
            SetHovered(nullptr);
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            DispatchMouse(message);
            break;
        default:
            break;
    }
}

namespace {

TPoint LocalTo(const TControl& control, TPoint p) {
    return TPoint{p.X - control.Left(), p.Y - control.Top()};
}

}  // namespace

void TForm::DispatchMouse(TMessage& message) {
    const TPoint p = message.Pos;
    const TShiftState shift = message.Shift;
    switch (message.Msg) {
        case WM_MOUSEMOVE: {
            UpdateHover(p);
            // While the left button is held, moves go to the control that took the press.
            if (TControl* target = captured_ ? captured_ : hovered_) {
                const TPoint local = LocalTo(*target, p);
                target->MouseMove(shift, local.X, local.Y);
            }
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            UpdateHover(p);
            formClickPending_ = false;
            TControl* target = hovered_;
            if (!target) {
                formClickPending_ = message.Msg == WM_LBUTTONDOWN;
                break;
            }
            if (target->CanFocus())
                FocusControl(target);
            if (!visible_ || !target->Visible() || !target->Enabled())
                break;
            captured_ = target;
            const TPoint local = LocalTo(*target, p);
            target->MouseDown(
                TMouseButton::Left, shift, local.X, local.Y,
                message.Msg == WM_LBUTTONDBLCLK ? TClickKind::Double : TClickKind::Single);
            break;
        }
        case WM_LBUTTONUP: {
            TControl* target = captured_;
            captured_ = nullptr;
            const bool formClick = formClickPending_;
            formClickPending_ = false;
            if (target) {
                // The release goes to the control that took the press, wherever the pointer is.
                const TPoint local = LocalTo(*target, p);
                target->MouseUp(TMouseButton::Left, shift, local.X, local.Y);
            } else if (formClick && ControlAt(p) == nullptr) {
                FormClick();
            }
            // A control under the pointer hears the release too when the press began elsewhere
            // (the owner-drawn button flips its light at every release over it); it had no
            // press, so it gives no click.
            TControl* under = visible_ ? ControlAt(p) : nullptr;
            if (under && under != target && under->Visible() && under->Enabled()) {
                const TPoint local = LocalTo(*under, p);
                under->MouseUp(TMouseButton::Left, shift, local.X, local.Y);
            }
            if (visible_)
                UpdateHover(p);
            break;
        }
        default: {
            // Right and middle buttons: no capture, straight to the control under the pointer.
            UpdateHover(p);
            TControl* target = hovered_;
            if (!target)
                break;
            const TPoint local = LocalTo(*target, p);
            const bool right = message.Msg == WM_RBUTTONDOWN || message.Msg == WM_RBUTTONUP ||
                               message.Msg == WM_RBUTTONDBLCLK;
            const TMouseButton button = right ? TMouseButton::Right : TMouseButton::Middle;
            if (message.Msg == WM_RBUTTONUP || message.Msg == WM_MBUTTONUP) {
                target->MouseUp(button, shift, local.X, local.Y);
                break;
            }
            const bool dbl = message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK;
            target->MouseDown(button, shift, local.X, local.Y,
                              dbl ? TClickKind::Double : TClickKind::Single);
            if (message.Msg == WM_RBUTTONDOWN && visible_ && target->Visible()) {
                target->ContextPopup();
            }
            break;
        }
    }
}
