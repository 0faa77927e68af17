// A screen: a borderless window filling the display, owning its controls and timers.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "Messages.h"
#include "TControl.h"
#include "TTimer.h"
#include "TTypes.h"

class TApplication;
class TBitmap;

class TForm {
  public:
    explicit TForm(TApplication& app);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    TApplication& Application() const { return app_; }

    // Controls are kept in creation order, which is also the painting order (later on top).
    template <class T, class... Args>
    T* Add(Args&&... args) {
        auto control = std::make_unique<T>(this, std::forward<Args>(args)...);
        T* raw = control.get();
        controls_.push_back(std::move(control));
        ControlAdded(raw);
        return raw;
    }
    TTimer* AddTimer(int intervalMs);
    const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls_; }

    TColor Color = clBlack;
    int ClientWidth() const;  // the display's size in logical units: every form fills it
    int ClientHeight() const;

    bool Visible() const { return visible_; }
    // Showing makes the form the active one, repaints it whole and runs FormActivate.
    void Show();
    void Hide();

    // The screen's own handlers; each screen overrides the ones it uses.
    virtual void FormCreate() {}
    virtual void FormActivate() {}
    virtual void FormClose();  // the window system's close command; ends the application
    virtual void FormDestroy() {}
    virtual void FormClick() {}
    virtual void FormKeyDown(int& key, TShiftState shift) { (void)key, (void)shift; }

    // Keyboard focus.
    TControl* ActiveControl() const { return focused_; }
    // Gives the control the focus if it can take it; returns whether it now has it.
    bool FocusControl(TControl* control);

    // Painting: dirty rectangles in form coordinates, painted by the application.
    void InvalidateRect(const TRect& rect);
    void Invalidate();
    void Update();  // paint what is pending now
    const std::vector<TRect>& PendingRects() const { return dirty_; }
    // Paints the rectangles (logical) into the frame (device pixels, through the application's
    // transform): the form colour, then each visible control, in order.
    void PaintRects(TBitmap& frame, const std::vector<TRect>& rects);
    std::vector<TRect> TakePendingRects();

    // Called by the application with a message for this form.
    void Dispatch(TMessage& message);

    // For the controls: a control that is hidden or disabled loses focus, capture and hover; one
    // being destroyed is forgotten without being notified.
    void ControlRemovedOrHidden(TControl* control);
    void ControlDestroyed(TControl* control);
    TControl* Captured() const { return captured_; }

  private:
    void ControlAdded(TControl* control);
    TControl* ControlAt(TPoint p) const;
    void DispatchMouse(TMessage& message);
    void UpdateHover(TPoint p);
    void SetHovered(TControl* control);
    void ReleaseMouse();
    TRect ClientRect() const { return TRect{0, 0, ClientWidth(), ClientHeight()}; }

    TApplication& app_;
    std::vector<std::unique_ptr<TControl>> controls_;
    std::vector<std::unique_ptr<TTimer>> timers_;
    std::vector<TRect> dirty_;
    bool visible_ = false;
    TControl* focused_ = nullptr;
    TControl* captured_ = nullptr;
    TControl* hovered_ = nullptr;
    bool formClickPending_ = false;
    bool destroying_ = false;
};
