// What the application needs from a platform: display size, clock, events and a way to show pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Messages.h"
#include "TBitmap.h"
#include "TTypes.h"

enum class TBackendEventKind {
    KeyDown,
    KeyUp,
    Text,
    MouseMove,
    MouseDown,
    MouseUp,
    MouseLeftWindow,
    Close,           // the window system's close command
    Expose,          // the window's contents were lost and must be pushed again
    DisplayChanged,  // the display now has another size (Size): a resolution change, a projector
};

struct TBackendEvent {
    TBackendEventKind Kind = TBackendEventKind::KeyDown;
    int Key = 0;  // virtual-key code, already mapped from the layout's keycode
    bool Repeat = false;
    TShiftState Shift = TShiftState::None;
    std::string Text;
    TPoint Pos;
    TMouseButton Button = TMouseButton::Left;
    int Clicks = 1;  // 2 for the second press of a double click
    TSize Size;      // the display's new size, for DisplayChanged
};

class TBackend {
  public:
    virtual ~TBackend() = default;

    // The size of the display the game fills (one monitor where there are several).
    virtual TSize DisplaySize() const = 0;
    // Milliseconds on a monotonic clock; timers read nothing else.
    virtual std::uint64_t NowMs() const = 0;
    // A fast-moving counter for seeding the random generator; successive reads differ.
    virtual std::uint64_t HighResCounter() = 0;
    // Waits at most timeoutMs (negative: without limit) for the next event. False on time-out.
    virtual bool WaitEvent(TBackendEvent& event, int timeoutMs) = 0;
    // Shows the frame; only the listed rectangles have changed since the last call.
    virtual void Present(const TBitmap& frame, const std::vector<TRect>& changed) = 0;
    // Text input (typed characters) is wanted while a text box has the focus.
    virtual void SetTextInput(bool enabled) { (void)enabled; }
};
