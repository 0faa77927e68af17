// Pushing the frame's pixels straight to an X11 window, without a second full-screen copy of them.
#include "sdl/X11Presenter.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "sdl/X11Window.h"

struct TX11Presenter::TState {
    Display* XDisplay = nullptr;
    Window XWindow = 0;
    GC Context = nullptr;
    Visual* XVisual = nullptr;
};

namespace {

// Whether the server keeps 24-bit pixels in 32 bits, as the frame does; otherwise every push would
// be converted pixel by pixel inside Xlib.
bool ServerTakes32BitPixels(Display* display) {
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    bool found = false;
    for (int i = 0; formats && i < count; ++i)
        found = found || (formats[i].depth == 24 && formats[i].bits_per_pixel == 32);
    if (formats)
        XFree(formats);
    return found;
}

}  // namespace

std::unique_ptr<TX11Presenter> TX11Presenter::Create(SDL_Window* window) {
    TX11Window x11;
    if (!FindX11Window(window, &x11))
        return nullptr;
    auto state = std::make_unique<TState>();
    state->XDisplay = x11.XDisplay;
    state->XWindow = x11.XWindow;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(state->XDisplay, state->XWindow, &attributes))
        return nullptr;
    Visual* visual = attributes.visual;
    // The frame holds 0x00RRGGBB in the machine's own byte order. SDL prefers a direct-colour
    // visual where there is one and gives it straight colour ramps, so it reads like true colour.
    const bool trueColour = visual->c_class == TrueColor || visual->c_class == DirectColor;
    if (attributes.depth != 24 || !trueColour || visual->red_mask != 0xFF0000 ||
        visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF ||
        !ServerTakes32BitPixels(state->XDisplay))
        return nullptr;
    state->XVisual = visual;
    state->Context = XCreateGC(state->XDisplay, state->XWindow, 0, nullptr);
    if (!state->Context)
        return nullptr;
    return std::unique_ptr<TX11Presenter>(new TX11Presenter(std::move(state)));
}

TX11Presenter::TX11Presenter(std::unique_ptr<TState> state) : state_(std::move(state)) {}

TX11Presenter::~TX11Presenter() {
    XFreeGC(state_->XDisplay, state_->Context);
}

bool TX11Presenter::Present(const TBitmap& frame, const std::vector<TRect>& rects) {
    // An image header over the frame's own pixels; Xlib only reads them.
    XImage image{};
    image.width = frame.Width();
    image.height = frame.Height();
    image.format = ZPixmap;
    image.data = const_cast<char*>(reinterpret_cast<const char*>(frame.Row(0)));
    image.byte_order = SDL_BYTEORDER == SDL_LIL_ENDIAN ? LSBFirst : MSBFirst;
    image.bitmap_unit = 32;
    image.bitmap_bit_order = image.byte_order;
    image.bitmap_pad = 32;
    image.depth = 24;
    image.bytes_per_line = frame.Width() * 4;
    image.bits_per_pixel = 32;
    image.red_mask = state_->XVisual->red_mask;
    image.green_mask = state_->XVisual->green_mask;
    image.blue_mask = state_->XVisual->blue_mask;
    if (!XInitImage(&image))
        return false;
    for (const TRect& r : rects) {
        XPutImage(state_->XDisplay, state_->XWindow, state_->Context, &image, r.Left, r.Top, r.Left,
                  r.Top, static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()));
    }
    XFlush(state_->XDisplay);
    return true;
}
