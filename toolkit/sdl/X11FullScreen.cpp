// Asking an X window manager for full screen through the window's own state, before it is shown.
#include "sdl/X11FullScreen.h"

#include <X11/Xatom.h>

#include "sdl/X11Window.h"

bool MarkFullScreenBeforeShow(SDL_Window* window) {
    TX11Window x11;
    if (!FindX11Window(window, &x11))
        return false;
    Display* display = x11.XDisplay;
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    if (state == None || fullScreen == None)
        return false;
    // A window manager reads this property when the window is first mapped; one that does not
    // understand it, or no window manager at all, leaves the window at the display's size.
    XChangeProperty(display, x11.XWindow, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&fullScreen), 1);
    XFlush(display);
    return true;
}
