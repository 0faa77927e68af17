// The base of every control: bounds, visibility, painting, focus and mouse/key notifications.
#pragma once

#include <functional>
#include <string>

#include "Messages.h"
#include "TFont.h"
#include "TTypes.h"

class TCanvas;
class TForm;

enum class TClickKind { Single, Double };

class TControl {
  public:
    explicit TControl(TForm* form);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    std::string Name;

    TForm* Form() const { return form_; }

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    TRect BoundsRect() const { return bounds_; }  // in form coordinates
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The text's font and the ground colour, for the controls that draw them.
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // Deferred repaint of the whole control or of a rectangle in its own coordinates; repaints
    // are coalesced and done by the application after the current message.
    void Invalidate();
    void InvalidateRect(const TRect& local);
    // Paints whatever is pending on the control's form now, before returning.
    void Update();
    // Invalidate and paint at once.
    void Repaint() {
        Invalidate();
        Update();
    }

    // Draws the control. The canvas's origin is the control's top-left corner and its clip is the
    // part being repainted. Painting reads state and never changes it.
    virtual void Paint(TCanvas& canvas) { (void)canvas; }
    // The form went off screen: a control may drop what it can make again when next painted.
    virtual void FormHidden() {}

    // Whether this kind of control takes the keyboard focus at all (it must also be visible and
    // enabled to get it).
    virtual bool AcceptsFocus() const { return false; }
    // Whether typed text (not only key codes) is wanted while this control has the focus; the
    // backend's text input is switched on only then.
    virtual bool WantsTextInput() const { return false; }
    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();

    // Notifications from the form. Coordinates are the control's own.
    virtual void KeyDown(int& key, TShiftState shift, bool repeat);
    virtual void KeyUp(int key, TShiftState shift);
    virtual void TextInput(const std::string& utf8) { (void)utf8; }
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y, TClickKind kind);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void FocusChanged(bool focused) { (void)focused; }
    // The form took the mouse capture away before the button was released (the control was
    // hidden or disabled, or the form was hidden); a held-down look must be dropped.
    virtual void CaptureLost();

    // The mouse as the control has heard it, for the looks that follow it: the left button went
    // down on the control and is still held, and the pointer was inside at its last move; the
    // pointer is over the control (between MouseEnter and MouseLeave).
    bool Held() const { return held_; }
    bool HeldInside() const { return held_ && inside_; }
    bool Hovered() const { return hovered_; }
    // A context menu was asked for (right click or the context-menu key); return true if handled.
    virtual bool ContextPopup() { return false; }

    std::function<void(TControl* sender)> OnClick;
    std::function<void(TControl* sender)> OnDblClick;
    std::function<void(TControl* sender, int& key, TShiftState shift)> OnKeyDown;

  protected:
    enum class TMouseEvent { Press, Release, Move, Enter, Leave, CaptureLost };
    // Every left press and release, every enter and leave, a loss of capture and a move that
    // takes a held pointer in or out of the control end here, once the state above is updated
    // and a release's click has run. A release comes even without a press on the control: the
    // form lets the control under the pointer hear it too.
    virtual void MouseStateChanged(TMouseEvent event) { (void)event; }
    // Whether the second press of a double click only gives DblClick (the default) or is a press
    // and a click like the first.
    virtual bool DoublePressIsPress() const { return false; }
    // After every SetFont: a change repaints the control, a write of the same font does nothing.
    virtual void FontWritten(bool changed) {
        if (changed)
            Invalidate();
    }
    virtual void Click();
    virtual void DblClick();

  private:
    bool held_ = false;
    bool inside_ = false;
    bool hovered_ = false;
    // A click comes when the left button is pressed and released inside the control.
    bool clickPending_ = false;

    TForm* form_;
    TRect bounds_{0, 0, 0, 0};
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
    TColor color_ = clWhite;
};

// A control with no window of its own: drawn on its form, never focused. Mouse enter, leave,
// press, release and capture come from the form.
class TGraphicControl : public TControl {
  public:
    using TControl::TControl;
};

// Controls that hold the keyboard focus (grids, buttons, text boxes).
class TWinControl : public TControl {
  public:
    using TControl::TControl;
    bool AcceptsFocus() const override { return true; }
};
