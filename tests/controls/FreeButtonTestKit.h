// Shared pieces of the button tests: a headless form, a button that counts repaints, rendering.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "TApplication.h"
#include "TCanvas.h"
#include "TForm.h"
#include "TFreeButton.h"
#include "headless/THeadlessBackend.h"
#include "headless/THeadlessDriver.h"

// Counts the deferred repaint requests and records the look of every immediate repaint.
class TCountingButton : public TFreeButton {
  public:
    using TFreeButton::TFreeButton;
    int DeferredRequests = 0;
    std::vector<TMouseState> ImmediatePaints;

  protected:
    void RequestRepaint() override {
        ++DeferredRequests;
        TFreeButton::RequestRepaint();
    }
    void RepaintNow() override {
        ImmediatePaints.push_back(MouseState());
        TFreeButton::RepaintNow();
    }
};

// A headless application with one form (not shown until the driver starts it).
struct TButtonHarness {
    THeadlessBackend Backend{TSize{640, 480}};
    TApplication App{Backend};
    TForm* Form = App.CreateForm<TForm>();
    THeadlessDriver Driver{App, Backend};

    TCountingButton* AddButton(int left, int top, int width, int height) {
        TCountingButton* button = Form->Add<TCountingButton>();
        button->SetBounds(left, top, width, height);
        button->DeferredRequests = 0;
        return button;
    }
};

constexpr TColor StartBack = RGB(236, 233, 216);

// The menu's START button: 250 x 50, emerald, white Verdana 21 pixels high.
inline TCountingButton* AddStartButton(TButtonHarness& h, int left = 0, int top = 0) {
    TCountingButton* button = h.AddButton(left, top, 250, 50);
    button->SetCaption("START");
    button->SetCustomColor(ccEmerald);
    button->SetBackColor(StartBack);
    TFont font = button->Font();
    font.Height = -21;
    button->SetFont(font);
    button->DeferredRequests = 0;
    return button;
}

// Paints the button alone into a bitmap of its size; the fill shows any pixel Paint misses.
inline TBitmap Render(TFreeButton& button) {
    TBitmap bitmap(button.Width(), button.Height(), RGB(1, 2, 3));
    TCanvas canvas(bitmap);
    button.Paint(canvas);
    return bitmap;
}

// Puts the button into a look through its own mouse handlers, as the form would.
inline void ShowLook(TFreeButton& button, TMouseState look) {
    button.MouseLeave();
    if (look == msNormal)
        return;
    button.MouseEnter();
    if (look == msPressed)
        button.MouseDown(TMouseButton::Left, TShiftState::None, 5, 5, TClickKind::Single);
}

inline void ClickByHand(TFreeButton& button) {
    button.MouseEnter();
    button.MouseDown(TMouseButton::Left, TShiftState::None, 5, 5, TClickKind::Single);
    button.MouseUp(TMouseButton::Left, TShiftState::None, 5, 5);
}

// Colours print as (r,g,b) in failure messages.
inline std::string Rgb(TColor c) {
    char text[32];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

inline const char* LookName(TMouseState look) {
    switch (look) {
        case msNormal:
            return "normal";
        case msHover:
            return "hover";
        case msPressed:
            return "pressed";
    }
    return "?";
}
