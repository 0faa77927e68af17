// The real backend: one full-screen SDL window, its events, its clock and its pixels.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "TBackend.h"

class TX11Monitors;
class TX11Presenter;
struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

class TSdlBackend : public TBackend {
  public:
    // Opens the window on the primary display (one monitor where the screen has several). Returns
    // nothing, with the reason in *error, when there is no display to show it on or the video
    // system cannot start.
    static std::unique_ptr<TSdlBackend> Create(std::string* error);
    ~TSdlBackend() override;
    TSdlBackend(const TSdlBackend&) = delete;
    TSdlBackend& operator=(const TSdlBackend&) = delete;

    TSize DisplaySize() const override { return TSize{monitor_.Width(), monitor_.Height()}; }
    std::uint64_t NowMs() const override;
    std::uint64_t HighResCounter() override;
    bool WaitEvent(TBackendEvent& event, int timeoutMs) override;
    void Present(const TBitmap& frame, const std::vector<TRect>& changed) override;
    void SetTextInput(bool enabled) override;

  private:
    TSdlBackend() = default;
    // False for events the application has no use for.
    bool Translate(const SDL_Event& sdl, TBackendEvent& event);
    // The monitor the game fills, as it is now.
    bool CurrentMonitor(TRect* monitor) const;
    // After a sign that the display may have changed: when the monitor has another size or place,
    // the window is made to cover it again and the event tells the application so; otherwise the
    // event is an expose when asked for.
    enum class TIfUnchanged { Ignore, Expose };
    bool FollowDisplay(TBackendEvent& event, TIfUnchanged ifUnchanged);
    // Hands out the close event once the window was destroyed from outside.
    bool CloseForGoneWindow(TBackendEvent& event);
    bool FetchSurface();
    void CopyRect(const TBitmap& frame, const TRect& rect);
    void PresentThroughX11(const TBitmap& frame, const std::vector<TRect>& changed);
    void ReportOnce(const char* what);

    SDL_Window* window_ = nullptr;
    SDL_Surface* surface_ = nullptr;
    std::unique_ptr<TX11Presenter> x11_;  // when set, pixels go to X11 directly, not via surface_
    TRect monitor_{};                     // where the window should be, in the screen's pixels
    std::unique_ptr<TX11Monitors> monitors_;  // on X11, where SDL knows too little of them
    bool surfaceStale_ = true;  // the surface must be fetched again and the whole frame pushed
    bool closeSent_ = false;
    bool reported_ = false;
};
