// The Windows side of the SDL backend's start, and the X11 hooks of the backend, which have
// nothing to do on Windows: there is no X server whose window could vanish, no palette visual and
// no faster path for the pixels than SDL's own.
#include <SDL.h>

#include "sdl/SdlPlatform.h"
#include "sdl/X11Colours.h"
#include "sdl/X11FullScreen.h"
#include "sdl/X11Monitors.h"
#include "sdl/X11Presenter.h"
#include "sdl/X11WindowWatch.h"

bool PrepareVideoSystem(std::string*) {
    // The stage is drawn at the display's real pixels on every monitor: without this the system
    // would stretch a smaller window over a scaled display and blur it.
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2");
    return true;
}

// A logoff asks the window (WM_QUERYENDSESSION), which SDL lets through; the system then ends the
// process, and the game has nothing to save.
void VideoSystemStarted() {}

std::string DisplayForMessages() {
    return "the Windows desktop";
}

std::string X11PaletteVisualId() {
    return {};
}

bool ShareX11ColourCube(SDL_Window*, SDL_Surface*) {
    return false;
}

bool MarkFullScreenBeforeShow(SDL_Window*) {
    return false;
}

struct TX11Presenter::TState {};

std::unique_ptr<TX11Presenter> TX11Presenter::Create(SDL_Window*) {
    return nullptr;
}

TX11Presenter::TX11Presenter(std::unique_ptr<TState> state) : state_(std::move(state)) {}
TX11Presenter::~TX11Presenter() = default;

bool TX11Presenter::Present(const TBitmap&, const std::vector<TRect>&) {
    return false;
}

void HandleX11WindowErrors() {}
void WatchX11Window(SDL_Window*) {}

bool X11WindowGone() {
    return false;
}

bool X11WindowDestroyedBy(const SDL_SysWMmsg&) {
    return false;
}

// SDL itself follows the monitors of a Windows desktop and their changes.
struct TX11Monitors::TState {};

std::unique_ptr<TX11Monitors> TX11Monitors::Watch(SDL_Window*) {
    return nullptr;
}

TX11Monitors::TX11Monitors(std::unique_ptr<TState> state) : state_(std::move(state)) {}
TX11Monitors::~TX11Monitors() = default;

bool TX11Monitors::Current(TRect*) {
    return false;
}

bool TX11Monitors::MayHaveChanged(const SDL_SysWMmsg&) const {
    return false;
}

void TX11Monitors::Cover(const TRect&) {}
