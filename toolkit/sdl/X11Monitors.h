// The monitors of an X screen, so that the game fills one of them and follows it when it changes.
#pragma once

#include <memory>

#include "TTypes.h"

struct SDL_Window;
struct SDL_SysWMmsg;

// SDL sees one display where an X screen is split into monitors (several outputs, or monitors set
// on one), and does not hear of the screen's size changing; this asks RandR itself. A server
// without monitor information has the whole screen as its one monitor.
class TX11Monitors {
  public:
    // Starts listening for changes of the screen's size and of its monitors. Nothing when the
    // window is not an X11 window.
    static std::unique_ptr<TX11Monitors> Watch(SDL_Window* window);
    ~TX11Monitors();
    TX11Monitors(const TX11Monitors&) = delete;
    TX11Monitors& operator=(const TX11Monitors&) = delete;

    // The monitor the game fills, as it is now: at the first call the primary one, else the one
    // at the screen's top-left corner, else the first; later the same one found again by its
    // name, or, when it is gone, one picked as at the first call.
    bool Current(TRect* monitor);
    // True for the X events that may mean the screen's size or its monitors changed.
    bool MayHaveChanged(const SDL_SysWMmsg& message) const;
    // Moves and sizes the window to cover the rectangle at once. A window manager may place it
    // itself; without one, nothing else would.
    void Cover(const TRect& rect);

  private:
    struct TState;
    explicit TX11Monitors(std::unique_ptr<TState> state);
    std::unique_ptr<TState> state_;
};
