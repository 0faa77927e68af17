// The SDL backend: window creation, event translation, the clock and pushing changed pixels.
#include "sdl/TSdlBackend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sdl/SdlKeyMap.h"
#include "sdl/SdlPlatform.h"
#include "sdl/X11Colours.h"
#include "sdl/X11FullScreen.h"
#include "sdl/X11Monitors.h"
#include "sdl/X11Presenter.h"
#include "sdl/X11WindowWatch.h"

namespace {

bool Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

}  // namespace

std::unique_ptr<TSdlBackend> TSdlBackend::Create(std::string* error) {
    if (!PrepareVideoSystem(error))
        return nullptr;
    // Without this the window surface goes through software OpenGL: slower to start, much more
    // memory, and the X window is created twice.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The first click on the window must reach the game, not only give the window the focus.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        Fail(error, "cannot open " + DisplayForMessages() + " (" + SDL_GetError() + ")");
        return nullptr;
    }
    VideoSystemStarted();
    std::unique_ptr<TSdlBackend> backend(new TSdlBackend());
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) {
        Fail(error, "cannot open " + DisplayForMessages() +
                        " (no display server answers; video driver " + (driver ? driver : "none") +
                        ")");
        return nullptr;
    }
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        Fail(error, std::string("cannot read the display's size: ") + SDL_GetError());
        return nullptr;
    }
    // SDL lists the primary display first.
    SDL_Rect bounds{0, 0, mode.w, mode.h};
    if (SDL_GetDisplayBounds(0, &bounds) != 0 || bounds.w <= 0 || bounds.h <= 0)
        bounds = SDL_Rect{0, 0, mode.w, mode.h};
    backend->monitor_ = TRect::FromSize(bounds.x, bounds.y, bounds.w, bounds.h);
    // An 8-bit display: the window on the palette visual, the only 8-bit one SDL draws on.
    if (SDL_BITSPERPIXEL(mode.format) <= 8) {
        const std::string visual = X11PaletteVisualId();
        if (!visual.empty())
            SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, visual.c_str());
    }
    // Placed on the monitor with its size: without a window manager a full-screen request alone
    // leaves the window at its requested size and place. Resizable, so that a window manager
    // may give it a new monitor's size when the display changes (it keeps a fixed-size window
    // at its old size, even in full screen). On X11 the full-screen request is made on the
    // hidden window, which spares SDL's waits for the window to change.
    const bool x11 = std::strcmp(driver, "x11") == 0;
    backend->window_ =
        SDL_CreateWindow("Tevra Kelas 4", bounds.x, bounds.y, bounds.w, bounds.h,
                         SDL_WINDOW_BORDERLESS | SDL_WINDOW_RESIZABLE |
                             (x11 ? SDL_WINDOW_HIDDEN : SDL_WINDOW_FULLSCREEN_DESKTOP));
    if (!backend->window_) {
        Fail(error, std::string("cannot open the window: ") + SDL_GetError());
        return nullptr;
    }
    if (x11) {
        // SDL sees one display where an X screen is split into monitors; the game fills one.
        backend->monitors_ = TX11Monitors::Watch(backend->window_);
        TRect monitor;
        if (backend->monitors_ && backend->monitors_->Current(&monitor) &&
            !(monitor == backend->monitor_)) {
            backend->monitor_ = monitor;
            backend->monitors_->Cover(monitor);
        }
        // Should SDL's own request fail as well, the window still covers the display.
        if (!MarkFullScreenBeforeShow(backend->window_))
            (void)SDL_SetWindowFullscreen(backend->window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        SDL_ShowWindow(backend->window_);
    }
    if (SDL_ShowCursor(SDL_ENABLE) < 0) {
        Fail(error, std::string("cannot show the mouse pointer: ") + SDL_GetError());
        return nullptr;
    }
    // SDL starts with text input on; the application switches it on for text boxes only.
    SDL_StopTextInput();
    backend->x11_ = TX11Presenter::Create(backend->window_);
    // Pixels SDL cannot lay out itself (a 30-bit display) are handed over through OpenGL, which
    // takes the frame's own layout. SDL settles the way on the first surface request.
    if (!backend->x11_ && SDL_GetWindowPixelFormat(backend->window_) == SDL_PIXELFORMAT_UNKNOWN)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "1");
    if (!backend->x11_ && !backend->FetchSurface()) {
        Fail(error, std::string("cannot reach the window's pixels: ") + SDL_GetError() +
                        " (the display's colour depth is not supported)");
        return nullptr;
    }
    WatchX11Window(backend->window_);
    return backend;
}

TSdlBackend::~TSdlBackend() {
    x11_.reset();
    monitors_.reset();
    // SDL still takes a window destroyed from outside for a shown one: hiding it first, as its
    // teardown does, reads the attributes of a window that no longer exists and may wait forever
    // for it to be unmapped. The process is ending; the X server has let go of the window.
    if (X11WindowGone())
        return;
    if (window_)
        SDL_DestroyWindow(window_);
    SDL_Quit();
}

std::uint64_t TSdlBackend::NowMs() const {
    return SDL_GetTicks64();
}

std::uint64_t TSdlBackend::HighResCounter() {
    return SDL_GetPerformanceCounter();
}

void TSdlBackend::SetTextInput(bool enabled) {
    if (enabled) {
        SDL_StartTextInput();
    } else {
        SDL_StopTextInput();
    }
}

bool TSdlBackend::WaitEvent(TBackendEvent& event, int timeoutMs) {
    if (CloseForGoneWindow(event))
        return true;
    const std::uint64_t deadline = NowMs() + static_cast<std::uint64_t>(std::max(timeoutMs, 0));
    for (;;) {
        SDL_Event sdl;
        int got = 0;
        if (timeoutMs < 0) {
            got = SDL_WaitEvent(&sdl);
        } else {
            const std::uint64_t now = NowMs();
            const int left = now >= deadline ? 0 : static_cast<int>(deadline - now);
            got = left == 0 ? SDL_PollEvent(&sdl) : SDL_WaitEventTimeout(&sdl, left);
        }
        if (CloseForGoneWindow(event))
            return true;
        if (!got) {
            // A failing wait without a limit would spin; report it and treat it as a time-out.
            if (timeoutMs < 0)
                ReportOnce("waiting for events failed");
            return false;
        }
        if (Translate(sdl, event))
            return true;
    }
}

bool TSdlBackend::Translate(const SDL_Event& sdl, TBackendEvent& event) {
    event = TBackendEvent{};
    switch (sdl.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            event.Kind =
                sdl.type == SDL_KEYDOWN ? TBackendEventKind::KeyDown : TBackendEventKind::KeyUp;
            event.Key = VirtualKeyFromSdl(sdl.key.keysym.sym);
            event.Shift = ShiftFromSdl(sdl.key.keysym.mod);
            event.Repeat = sdl.key.repeat != 0;
            return true;
        case SDL_TEXTINPUT:
            event.Kind = TBackendEventKind::Text;
            event.Text = sdl.text.text;
            return !event.Text.empty();
        case SDL_MOUSEMOTION:
            event.Kind = TBackendEventKind::MouseMove;
            event.Pos = TPoint{sdl.motion.x, sdl.motion.y};
            event.Shift = ShiftFromSdl(SDL_GetModState());
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            switch (sdl.button.button) {
                case SDL_BUTTON_LEFT:
                    event.Button = TMouseButton::Left;
                    break;
                case SDL_BUTTON_RIGHT:
                    event.Button = TMouseButton::Right;
                    break;
                case SDL_BUTTON_MIDDLE:
                    event.Button = TMouseButton::Middle;
                    break;
                default:
                    return false;
            }
            event.Kind = sdl.type == SDL_MOUSEBUTTONDOWN ? TBackendEventKind::MouseDown
                                                         : TBackendEventKind::MouseUp;
            event.Pos = TPoint{sdl.button.x, sdl.button.y};
            event.Clicks = sdl.button.clicks;
            event.Shift = ShiftFromSdl(SDL_GetModState());
            return true;
        case SDL_WINDOWEVENT:
            switch (sdl.window.event) {
                case SDL_WINDOWEVENT_LEAVE:
                    event.Kind = TBackendEventKind::MouseLeftWindow;
                    return true;
                case SDL_WINDOWEVENT_CLOSE:
                    break;  // below, together with SDL_QUIT
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                case SDL_WINDOWEVENT_RESIZED:
                    // A new resolution or DPI resizes a full-screen window before anything else.
                    return FollowDisplay(event, TIfUnchanged::Expose);
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_RESTORED:
                    surfaceStale_ = true;
                    event.Kind = TBackendEventKind::Expose;
                    return true;
                default:
                    return false;
            }
            [[fallthrough]];
        case SDL_QUIT:
            // Closing the window gives both a window close and a quit; the game hears it once.
            if (closeSent_)
                return false;
            closeSent_ = true;
            event.Kind = TBackendEventKind::Close;
            return true;
        case SDL_DISPLAYEVENT:
            return FollowDisplay(event, TIfUnchanged::Ignore);
        case SDL_SYSWMEVENT:
            if (!sdl.syswm.msg)
                return false;
            if (monitors_ && monitors_->MayHaveChanged(*sdl.syswm.msg))
                return FollowDisplay(event, TIfUnchanged::Ignore);
            return X11WindowDestroyedBy(*sdl.syswm.msg) && CloseForGoneWindow(event);
        default:
            return false;
    }
}

bool TSdlBackend::CurrentMonitor(TRect* monitor) const {
    if (monitors_)
        return monitors_->Current(monitor);
    const int index = SDL_GetWindowDisplayIndex(window_);
    SDL_Rect bounds;
    if (index < 0 || SDL_GetDisplayBounds(index, &bounds) != 0 || bounds.w <= 0 || bounds.h <= 0)
        return false;
    *monitor = TRect::FromSize(bounds.x, bounds.y, bounds.w, bounds.h);
    return true;
}

bool TSdlBackend::FollowDisplay(TBackendEvent& event, TIfUnchanged ifUnchanged) {
    event = TBackendEvent{};
    TRect monitor;
    if (!CurrentMonitor(&monitor) || monitor == monitor_) {
        if (ifUnchanged == TIfUnchanged::Ignore)
            return false;
        surfaceStale_ = true;
        event.Kind = TBackendEventKind::Expose;
        return true;
    }
    monitor_ = monitor;
    if (monitors_) {
        monitors_->Cover(monitor);
    } else {
        SDL_SetWindowPosition(window_, monitor.Left, monitor.Top);
        SDL_SetWindowSize(window_, monitor.Width(), monitor.Height());
    }
    surfaceStale_ = true;
    event.Kind = TBackendEventKind::DisplayChanged;
    event.Size = DisplaySize();
    return true;
}

bool TSdlBackend::CloseForGoneWindow(TBackendEvent& event) {
    if (!X11WindowGone() || closeSent_)
        return false;
    closeSent_ = true;
    event = TBackendEvent{};
    event.Kind = TBackendEventKind::Close;
    return true;
}

bool TSdlBackend::FetchSurface() {
    surface_ = SDL_GetWindowSurface(window_);
    if (surface_ != nullptr && surface_->format->BytesPerPixel == 1)
        ShareX11ColourCube(window_, surface_);
    surfaceStale_ = surface_ == nullptr;
    return surface_ != nullptr;
}

void TSdlBackend::ReportOnce(const char* what) {
    if (reported_)
        return;
    reported_ = true;
    std::fprintf(stderr, "tevra: %s: %s\n", what, SDL_GetError());
}

void TSdlBackend::CopyRect(const TBitmap& frame, const TRect& rect) {
    const int bytesPerPixel = surface_->format->BytesPerPixel;
    auto* dst = static_cast<std::uint8_t*>(surface_->pixels) +
                static_cast<std::ptrdiff_t>(rect.Top) * surface_->pitch +
                static_cast<std::ptrdiff_t>(rect.Left) * bytesPerPixel;
    const std::uint32_t* src = frame.Row(rect.Top) + rect.Left;
    const int srcPitch = frame.Width() * 4;
    const Uint32 format = surface_->format->format;
    if (bytesPerPixel == 1) {
        // Palette pixels: SDL's blit finds each colour's nearest palette entry.
        SDL_Surface* source =
            SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(src), rect.Width(),
                                               rect.Height(), 32, srcPitch, SDL_PIXELFORMAT_RGB888);
        SDL_Rect target{rect.Left, rect.Top, rect.Width(), rect.Height()};
        if (source == nullptr || SDL_BlitSurface(source, nullptr, surface_, &target) != 0)
            ReportOnce("cannot convert the frame to the window's palette");
        SDL_FreeSurface(source);
        return;
    }
    if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
        // The frame's own layout: plain row copies (an alpha byte of 0 is ignored by windows).
        for (int y = 0; y < rect.Height(); ++y) {
            std::memcpy(dst + static_cast<std::ptrdiff_t>(y) * surface_->pitch,
                        src + static_cast<std::ptrdiff_t>(y) * frame.Width(),
                        static_cast<std::size_t>(rect.Width()) * 4);
        }
        return;
    }
    if (SDL_ConvertPixels(rect.Width(), rect.Height(), SDL_PIXELFORMAT_RGB888, src, srcPitch,
                          format, dst, surface_->pitch) != 0) {
        ReportOnce("cannot convert the frame to the window's pixel format");
    }
}

void TSdlBackend::PresentThroughX11(const TBitmap& frame, const std::vector<TRect>& changed) {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    const TRect bounds{0, 0, std::min(frame.Width(), width), std::min(frame.Height(), height)};
    std::vector<TRect> rects;
    for (const TRect& r : surfaceStale_ ? std::vector<TRect>{bounds} : changed) {
        const TRect area = r.Intersect(bounds);
        if (!area.IsEmpty())
            rects.push_back(area);
    }
    surfaceStale_ = false;
    if (!rects.empty() && !x11_->Present(frame, rects))
        ReportOnce("cannot show the frame");
}

void TSdlBackend::Present(const TBitmap& frame, const std::vector<TRect>& changed) {
    if (X11WindowGone())
        return;
    if (x11_) {
        PresentThroughX11(frame, changed);
        return;
    }
    const bool whole = surfaceStale_;
    if (surfaceStale_ && !FetchSurface()) {
        ReportOnce("cannot reach the window's pixels");
        return;
    }
    const TRect bounds =
        TRect{0, 0, std::min(frame.Width(), surface_->w), std::min(frame.Height(), surface_->h)};
    std::vector<SDL_Rect> rects;
    auto add = [&](const TRect& r) {
        const TRect area = r.Intersect(bounds);
        if (!area.IsEmpty())
            rects.push_back(SDL_Rect{area.Left, area.Top, area.Width(), area.Height()});
    };
    if (whole) {
        add(bounds);
    } else {
        for (const TRect& r : changed)
            add(r);
    }
    if (rects.empty())
        return;
    if (SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) != 0) {
        ReportOnce("cannot lock the window's pixels");
        surfaceStale_ = true;
        return;
    }
    for (const SDL_Rect& r : rects)
        CopyRect(frame, TRect::FromSize(r.x, r.y, r.w, r.h));
    if (SDL_MUSTLOCK(surface_))
        SDL_UnlockSurface(surface_);
    if (SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size())) != 0) {
        // The surface may have gone with a size change; fetch it again and push everything.
        ReportOnce("cannot show the frame");
        surfaceStale_ = true;
    }
}
