// Drawing on an 8-bit X display: the palette visual SDL can draw on and a shared colour cube.
#pragma once

#include <string>

struct SDL_Window;
struct SDL_Surface;

// The id of the display's default visual when it is an 8-bit palette one, for SDL's window
// visual hint: SDL's own pick there is an 8-bit true-colour visual it cannot draw on. Empty on
// any other display, and outside X11.
std::string X11PaletteVisualId();
// Gives an 8-bit window surface the colours of a cube shared in the display's colour map, so
// that the frame's colours map to their nearest ones. False when there is no such surface.
bool ShareX11ColourCube(SDL_Window* window, SDL_Surface* surface);
