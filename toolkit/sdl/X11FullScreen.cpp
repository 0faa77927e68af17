// Asking an X window manager for full screen through the window's own state, before it is shown.
#include "sdl/X11FullScreen.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

bool MarkFullScreenBeforeShow(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    Display* display = info.info.x11.display;
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    if (state == None || fullScreen == None)
        return false;
    // A window manager reads this property when the window is first mapped; one that does not
    // understand it, or no window manager at all, leaves the window at the display's size.
    XChangeProperty(display, info.info.x11.window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&fullScreen), 1);
    XFlush(display);
    return true;
}
