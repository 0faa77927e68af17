// Keeps an X window destroyed from outside (by another program, a crashed window manager) from
// killing the game through Xlib's default error handler.
#include "sdl/X11WindowWatch.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include "sdl/X11Window.h"

namespace {

// Xlib's error handler is one per process, so what it needs to know lives here.
Window watchedWindow = 0;
bool windowGone = false;
XErrorHandler previousHandler = nullptr;

// A request about a window that no longer exists fails without harm to the game: the game's
// own window is then marked gone, and any other such error (a window another program closed)
// is dropped. Everything else goes on to Xlib's own handler.
int OnXError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        if (watchedWindow != 0 && error->resourceid == watchedWindow)
            windowGone = true;
        return 0;
    }
    return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void HandleX11WindowErrors() {
    if (!previousHandler)
        previousHandler = XSetErrorHandler(OnXError);
}

void WatchX11Window(SDL_Window* window) {
    TX11Window x11;
    if (!FindX11Window(window, &x11))
        return;
    watchedWindow = x11.XWindow;
    windowGone = false;
    // The raw X events carry the window's destruction, which SDL itself does not pass on.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool X11WindowGone() {
    return windowGone;
}

bool X11WindowDestroyedBy(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11 || watchedWindow == 0)
        return false;
    const XEvent& event = message.msg.x11.event;
    if (event.type == DestroyNotify && event.xdestroywindow.window == watchedWindow)
        windowGone = true;
    return windowGone;
}
