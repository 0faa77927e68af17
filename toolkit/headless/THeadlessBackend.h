// A backend without a display: a virtual clock, injected events and a copy of what was presented.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "TBackend.h"
#include "TBitmap.h"

class THeadlessBackend : public TBackend {
  public:
    explicit THeadlessBackend(TSize display = TSize{1024, 768});

    TSize DisplaySize() const override { return display_; }
    std::uint64_t NowMs() const override { return now_; }
    // Virtual nanoseconds plus the number of reads, so two reads at the same moment differ.
    std::uint64_t HighResCounter() override;
    // Never blocks. With nothing queued, a wait with a limit moves the virtual clock on by that
    // limit (as a real wait would have slept), and a wait without a limit returns a Close event:
    // nothing could ever happen, so a headless Run() ends instead of hanging.
    bool WaitEvent(TBackendEvent& event, int timeoutMs) override;
    void Present(const TBitmap& frame, const std::vector<TRect>& changed) override;
    void SetTextInput(bool enabled) override { textInput_ = enabled; }

    // The virtual clock; it never runs backwards.
    void SetNow(std::uint64_t ms);
    void Push(const TBackendEvent& event) { events_.push_back(event); }
    // The display takes another size, as a resolution change or a projector would make it; the
    // application hears of it with the next event it takes.
    void SetDisplaySize(TSize display);

    // What a viewer would see: only the rectangles named in each Present are copied.
    const TBitmap& Screen() const { return screen_; }
    const std::vector<TRect>& LastPresentRects() const { return lastRects_; }
    std::uint64_t PresentCount() const { return presents_; }
    std::uint64_t PixelsPushed() const { return pixelsPushed_; }
    bool TextInputEnabled() const { return textInput_; }
    // The limits of the waits that found nothing queued, in order (Run's sleeps).
    const std::vector<int>& IdleWaits() const { return idleWaits_; }

  private:
    TSize display_;
    std::uint64_t now_ = 0;
    std::uint64_t counterReads_ = 0;
    std::deque<TBackendEvent> events_;
    TBitmap screen_;
    std::vector<TRect> lastRects_;
    std::uint64_t presents_ = 0;
    std::uint64_t pixelsPushed_ = 0;
    bool textInput_ = false;
    std::vector<int> idleWaits_;
};
