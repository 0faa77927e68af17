// Asking an X window manager for full screen through the window's own state, before it is shown.
#pragma once

struct SDL_Window;

// Marks the hidden window as full screen for the window manager to read when the window is
// mapped. SDL's own full-screen switch waits up to 100 ms for the window to change, both when the
// window is shown and when it is destroyed; a window that is already at the display's size never
// changes, so without a window manager (or with one that keeps the geometry) the whole wait was
// spent at every start and every quit. False when the window is not an X11 window.
bool MarkFullScreenBeforeShow(SDL_Window* window);
