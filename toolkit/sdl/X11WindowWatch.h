// Notices the game's X window being destroyed from outside, so the game can end cleanly.
#pragma once

struct SDL_Window;
struct SDL_SysWMmsg;

// Installs the X error handler that keeps an error about a vanished window, which Xlib would
// answer by ending the process with code 1, from ending the game. Call it before SDL starts its
// video system: SDL puts back the handler it found when it stops, and it may talk to the X
// server about the window until then.
void HandleX11WindowErrors();
// Starts watching the window (a no-op outside X11): its destruction, or an X error naming it,
// marks it gone.
void WatchX11Window(SDL_Window* window);
// True once the watched window is known to be gone: destroyed, or named in an X error.
bool X11WindowGone();
// Looks at one raw window-system message; true when it says the watched window was destroyed.
bool X11WindowDestroyedBy(const SDL_SysWMmsg& message);
