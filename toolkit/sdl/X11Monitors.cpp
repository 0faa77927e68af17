// The X screen's monitors through RandR, and the events that tell of their change.
#include "sdl/X11Monitors.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <vector>

#include "sdl/X11Window.h"

struct TX11Monitors::TState {
    Display* XDisplay = nullptr;
    Window XWindow = 0;
    Window Root = 0;
    bool RandrMonitors = false;  // RandR 1.5: monitors, each possibly a part of one output
    int RandrEventBase = -1;
    Atom Chosen = None;
};

namespace {

struct TMonitor {
    Atom Name = None;
    bool Primary = false;
    TRect Bounds;
};

std::vector<TMonitor> ListMonitors(Display* display, Window root, bool randrMonitors) {
    std::vector<TMonitor> monitors;
    if (randrMonitors) {
        int count = 0;
        XRRMonitorInfo* info = XRRGetMonitors(display, root, True, &count);
        for (int i = 0; info && i < count; ++i) {
            if (info[i].width <= 0 || info[i].height <= 0)
                continue;
            monitors.push_back(
                TMonitor{info[i].name, info[i].primary != 0,
                         TRect::FromSize(info[i].x, info[i].y, info[i].width, info[i].height)});
        }
        if (info)
            XRRFreeMonitors(info);
    }
    if (monitors.empty()) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, root, &attributes))
            monitors.push_back(
                TMonitor{None, true, TRect::FromSize(0, 0, attributes.width, attributes.height)});
    }
    return monitors;
}

const TMonitor* Pick(const std::vector<TMonitor>& monitors, Atom chosen) {
    for (const TMonitor& m : monitors) {
        if (chosen != None && m.Name == chosen)
            return &m;
    }
    for (const TMonitor& m : monitors) {
        if (m.Primary)
            return &m;
    }
    for (const TMonitor& m : monitors) {
        if (m.Bounds.Left == 0 && m.Bounds.Top == 0)
            return &m;
    }
    return monitors.empty() ? nullptr : &monitors.front();
}

}  // namespace

std::unique_ptr<TX11Monitors> TX11Monitors::Watch(SDL_Window* window) {
    TX11Window x11;
    if (!FindX11Window(window, &x11))
        return nullptr;
    auto state = std::make_unique<TState>();
    state->XDisplay = x11.XDisplay;
    state->XWindow = x11.XWindow;
    state->Root = DefaultRootWindow(state->XDisplay);
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (XRRQueryExtension(state->XDisplay, &state->RandrEventBase, &errorBase) &&
        XRRQueryVersion(state->XDisplay, &major, &minor)) {
        state->RandrMonitors = major > 1 || (major == 1 && minor >= 5);
        // SDL listens for output changes on the root window through the same connection; the
        // mask is one per connection, so it is kept in.
        XRRSelectInput(
            state->XDisplay, state->Root,
            RRScreenChangeNotifyMask | RROutputChangeNotifyMask | RRCrtcChangeNotifyMask);
    } else {
        state->RandrEventBase = -1;
    }
    // The root window's own size change is the one sign a server without RandR gives.
    XWindowAttributes root;
    if (XGetWindowAttributes(state->XDisplay, state->Root, &root))
        XSelectInput(state->XDisplay, state->Root, root.your_event_mask | StructureNotifyMask);
    // The raw X events carry these changes; SDL itself does not pass them on.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    return std::unique_ptr<TX11Monitors>(new TX11Monitors(std::move(state)));
}

TX11Monitors::TX11Monitors(std::unique_ptr<TState> state) : state_(std::move(state)) {}

TX11Monitors::~TX11Monitors() = default;

bool TX11Monitors::Current(TRect* monitor) {
    const std::vector<TMonitor> monitors =
        ListMonitors(state_->XDisplay, state_->Root, state_->RandrMonitors);
    const TMonitor* chosen = Pick(monitors, state_->Chosen);
    if (!chosen)
        return false;
    state_->Chosen = chosen->Name;
    *monitor = chosen->Bounds;
    return true;
}

bool TX11Monitors::MayHaveChanged(const SDL_SysWMmsg& message) const {
    if (message.subsystem != SDL_SYSWM_X11)
        return false;
    const XEvent& event = message.msg.x11.event;
    if (event.type == ConfigureNotify)
        return event.xconfigure.window == state_->Root;
    const int base = state_->RandrEventBase;
    return base >= 0 &&
           (event.type == base + RRScreenChangeNotify || event.type == base + RRNotify);
}

void TX11Monitors::Cover(const TRect& rect) {
    XMoveResizeWindow(state_->XDisplay, state_->XWindow, rect.Left, rect.Top,
                      static_cast<unsigned>(rect.Width()), static_cast<unsigned>(rect.Height()));
    XFlush(state_->XDisplay);
}
