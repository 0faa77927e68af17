// The X11 (and Wayland) side of the SDL backend's start.
#include "sdl/SdlPlatform.h"

#include <SDL.h>

#include <csignal>
#include <cstdlib>

#include "sdl/X11WindowWatch.h"

namespace {

bool HasDisplayVariable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

void RaiseTerminate(int) {
    std::raise(SIGTERM);
}

}  // namespace

bool PrepareVideoSystem(std::string* error) {
    if (!HasDisplayVariable()) {
        if (error)
            *error = "no display found (DISPLAY is not set)";
        return false;
    }
    // With only an X display named, go straight to it: probing for Wayland first prints a line
    // of its own when there is none, and an X server that does not answer would end on SDL's
    // off-screen driver instead of an error. SDL_VIDEODRIVER still wins when it is set.
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!wayland || !*wayland)
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    HandleX11WindowErrors();
    return true;
}

// A hang-up (the session logging out) ends the game like a termination request, which SDL turns
// into a quit; left alone it would end the process at once with code 129.
void VideoSystemStarted() {
    struct sigaction terminate {};
    if (sigaction(SIGTERM, nullptr, &terminate) != 0 || terminate.sa_handler == SIG_DFL ||
        terminate.sa_handler == SIG_IGN)
        return;
    struct sigaction hangUp {};
    hangUp.sa_handler = RaiseTerminate;
    sigemptyset(&hangUp.sa_mask);
    sigaction(SIGHUP, &hangUp, nullptr);
}

// "the display named by WAYLAND_DISPLAY=wayland-0, DISPLAY=:77"
std::string DisplayForMessages() {
    std::string named;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value)
            continue;
        if (!named.empty())
            named += ", ";
        named += std::string(variable) + "=" + value;
    }
    return "the display named by " + named;
}
