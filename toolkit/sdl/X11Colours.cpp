// The palette side of an 8-bit X display: which visual to draw on and which colours to use.
#include "sdl/X11Colours.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <vector>

#include "sdl/X11Window.h"

std::string X11PaletteVisualId() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return std::string();
    const int screen = DefaultScreen(display);
    const Visual* visual = DefaultVisual(display, screen);
    const bool palette = visual->c_class == PseudoColor || visual->c_class == StaticColor ||
                         visual->c_class == GrayScale || visual->c_class == StaticGray;
    const std::string id = palette && DefaultDepth(display, screen) == 8
                               ? std::to_string(static_cast<unsigned long>(visual->visualid))
                               : std::string();
    XCloseDisplay(display);
    return id;
}

bool ShareX11ColourCube(SDL_Window* window, SDL_Surface* surface) {
    if (surface == nullptr || surface->format->palette == nullptr ||
        surface->format->palette->ncolors != 256)
        return false;
    // Allocated once: a surface fetched again (after an expose) gets the same colours.
    static std::vector<SDL_Color> colours;
    if (colours.empty()) {
        TX11Window x11;
        if (!FindX11Window(window, &x11))
            return false;
        Display* display = x11.XDisplay;
        const Colormap map = DefaultColormap(display, DefaultScreen(display));
        // Entries the cube leaves unused stay white; the nearest-colour search prefers the
        // lower, allocated entries on a tie.
        colours.assign(256, SDL_Color{255, 255, 255, 255});
        for (int r = 0; r < 8; ++r) {
            for (int g = 0; g < 8; ++g) {
                for (int b = 0; b < 4; ++b) {
                    XColor colour{};
                    colour.red = static_cast<unsigned short>(r * 65535 / 7);
                    colour.green = static_cast<unsigned short>(g * 65535 / 7);
                    colour.blue = static_cast<unsigned short>(b * 65535 / 3);
                    colour.flags = DoRed | DoGreen | DoBlue;
                    if (XAllocColor(display, map, &colour) && colour.pixel < 256) {
                        colours[colour.pixel] =
                            SDL_Color{static_cast<Uint8>(colour.red >> 8),
                                      static_cast<Uint8>(colour.green >> 8),
                                      static_cast<Uint8>(colour.blue >> 8), 255};
                    }
                }
            }
        }
    }
    return SDL_SetPaletteColors(surface->format->palette, colours.data(), 0, 256) == 0;
}
