// The X screen's monitors through RandR, and the events that tell of their change.
#include "sdl/X11Monitors.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <vector>

namespace {

struct TMonitor {
    Atom Name = None;
    bool Primary = false;
    TRect Bounds;
};

// What the X connection offers, found once when the game starts.
bool randrMonitors = false;  // RandR 1.5: monitors, each possibly a part of one output
int randrEventBase = -1;
Window rootWindow = 0;
Atom chosenName = None;

Display* XDisplayOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return nullptr;
    return info.info.x11.display;
}

std::vector<TMonitor> ListMonitors(Display* display) {
    std::vector<TMonitor> monitors;
    if (randrMonitors) {
        int count = 0;
        XRRMonitorInfo* info = XRRGetMonitors(display, rootWindow, True, &count);
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
        XWindowAttributes root;
        if (XGetWindowAttributes(display, rootWindow, &root))
            monitors.push_back(
                TMonitor{None, true, TRect::FromSize(0, 0, root.width, root.height)});
    }
    return monitors;
}

const TMonitor* Pick(const std::vector<TMonitor>& monitors) {
    if (chosenName != None) {
        for (const TMonitor& m : monitors) {
            if (m.Name == chosenName)
                return &m;
        }
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

bool X11ChooseMonitor(SDL_Window* window, TRect* monitor) {
    Display* display = XDisplayOf(window);
    if (!display)
        return false;
    rootWindow = DefaultRootWindow(display);
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (XRRQueryExtension(display, &randrEventBase, &errorBase) &&
        XRRQueryVersion(display, &major, &minor)) {
        randrMonitors = major > 1 || (major == 1 && minor >= 5);
        // SDL listens for output changes on the root window through the same connection; the
        // mask is one per connection, so it is kept in.
        XRRSelectInput(
            display, rootWindow,
            RRScreenChangeNotifyMask | RROutputChangeNotifyMask | RRCrtcChangeNotifyMask);
    } else {
        randrEventBase = -1;
    }
    // The root window's own size change is the one sign a server without RandR gives.
    XWindowAttributes root;
    if (XGetWindowAttributes(display, rootWindow, &root))
        XSelectInput(display, rootWindow, root.your_event_mask | StructureNotifyMask);
    // The raw X events carry these changes; SDL itself does not pass them on.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    const std::vector<TMonitor> monitors = ListMonitors(display);
    const TMonitor* chosen = Pick(monitors);
    if (!chosen)
        return false;
    chosenName = chosen->Name;
    *monitor = chosen->Bounds;
    return true;
}

bool X11CurrentMonitor(SDL_Window* window, TRect* monitor) {
    Display* display = XDisplayOf(window);
    if (!display || rootWindow == 0)
        return false;
    const std::vector<TMonitor> monitors = ListMonitors(display);
    const TMonitor* chosen = Pick(monitors);
    if (!chosen)
        return false;
    chosenName = chosen->Name;
    *monitor = chosen->Bounds;
    return true;
}

bool X11DisplayMayHaveChanged(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11 || rootWindow == 0)
        return false;
    const XEvent& event = message.msg.x11.event;
    if (event.type == ConfigureNotify)
        return event.xconfigure.window == rootWindow;
    return randrEventBase >= 0 && (event.type == randrEventBase + RRScreenChangeNotify ||
                                   event.type == randrEventBase + RRNotify);
}

void X11CoverRect(SDL_Window* window, const TRect& rect) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    XMoveResizeWindow(info.info.x11.display, info.info.x11.window, rect.Left, rect.Top,
                      static_cast<unsigned>(rect.Width()), static_cast<unsigned>(rect.Height()));
    XFlush(info.info.x11.display);
}
