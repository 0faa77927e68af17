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
    // The left button is held on the button and the pointer is inside.
    bool Pressed() const { return HeldInside(); }

    void Paint(TCanvas& canvas) override;
    void KeyDown(int& key, TShiftState shift, bool repeat) override;
    void FocusChanged(bool focused) override;

  protected:
    void MouseStateChanged(TMouseEvent event) override;
    // A button knows no double click: the second press of one is a press like the first.
    bool DoublePressIsPress() const override { return true; }

  private:
    std::string caption_;
};
