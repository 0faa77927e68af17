// A plain push button with a raised look, a pressed look and a disabled look.
#pragma once

#include <string>

#include "TControl.h"
#include "TFont.h"

class TButton : public TWinControl {
  public:
    explicit TButton(TForm* form);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& utf8);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    bool Pressed() const { return pressed_; }

    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y, TClickKind kind) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(int& key, TShiftState shift, bool repeat) override;
    void CaptureLost() override;
    void FocusChanged(bool focused) override;

  private:
    void SetPressed(bool pressed);

    std::string caption_;
    TFont font_;
    bool holding_ = false;  // the left button went down on the button and is still held
    bool pressed_ = false;  // the left button is held and the pointer is inside
};
