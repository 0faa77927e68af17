// The X connection and window behind an SDL window, for the files that talk to the X server.
#pragma once

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

struct TX11Window {
    Display* XDisplay = nullptr;
    Window XWindow = 0;
};

// False when the window is not on X11 (SDL runs on another video driver).
inline bool FindX11Window(SDL_Window* window, TX11Window* found) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    found->XDisplay = info.info.x11.display;
    found->XWindow = info.info.x11.window;
    return true;
}
