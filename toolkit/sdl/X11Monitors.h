// The monitors of an X screen, so that the game fills one of them and follows it when it changes.
#pragma once

#include "TTypes.h"

struct SDL_Window;
struct SDL_SysWMmsg;

// Picks the monitor the game fills: the primary one, else the one at the screen's top-left corner,
// else the first; and starts listening for changes of the screen's size and of its monitors. A
// screen split into monitors (several outputs, or monitors set on one) counts each of them; a
// server without monitor information has the whole screen as its one monitor. False, with
// *monitor untouched, when the window is not an X11 window.
bool X11ChooseMonitor(SDL_Window* window, TRect* monitor);
// The chosen monitor as it is now: the same one found again by its name, or, when it is gone,
// one picked as at the start.
bool X11CurrentMonitor(SDL_Window* window, TRect* monitor);
// True for the X events that may mean the screen's size or its monitors changed.
bool X11DisplayMayHaveChanged(const SDL_SysWMmsg& message);
// Moves and sizes the window to cover the rectangle at once. A window manager may place it
// itself; without one, nothing else would.
void X11CoverRect(SDL_Window* window, const TRect& rect);
