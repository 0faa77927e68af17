// Pushing the frame's pixels straight to an X11 window, without a second full-screen copy of them.
#pragma once

#include <memory>
#include <vector>

#include "TBitmap.h"
#include "TTypes.h"

struct SDL_Window;

// SDL's window surface is a full-display copy of the frame (8 MB at 1920 x 1080) that every
// changed pixel is copied through. On an X11 window whose pixels have the frame's own layout
// (24-bit true colour, 32 bits a pixel) the changed rectangles are sent from the frame itself.
class TX11Presenter {
  public:
    // Nothing when the window is not an X11 window or its pixels are laid out differently.
    static std::unique_ptr<TX11Presenter> Create(SDL_Window* window);
    ~TX11Presenter();
    TX11Presenter(const TX11Presenter&) = delete;
    TX11Presenter& operator=(const TX11Presenter&) = delete;

    // Sends the rectangles (already inside the frame) of the frame to the window.
    bool Present(const TBitmap& frame, const std::vector<TRect>& rects);

  private:
    struct TState;
    explicit TX11Presenter(std::unique_ptr<TState> state);
    std::unique_ptr<TState> state_;
};
