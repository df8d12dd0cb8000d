#include "platform/x11_window.hpp"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include <X11/Xatom.h>

#include <algorithm>
#include <cstdio>

namespace glossamo {

namespace {

XErrorHandler previousHandler = nullptr;

// A window closed from outside leaves SDL freeing what belonged to it (its
// drawing context included) after it is gone: those errors are expected.
int ignoreLostWindowErrors(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable || error->error_code == BadGC) return 0;
    return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void installLostWindowErrorHandler() {
    XErrorHandler previous = XSetErrorHandler(ignoreLostWindowErrors);
    if (previous != ignoreLostWindowErrors) previousHandler = previous;
}

void watchForLostWindow() { SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE); }

bool isWindowDestroyedEvent(const SDL_Event& event, SDL_Window* window) {
    if (event.type != SDL_SYSWMEVENT || !window || event.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
    const XEvent& x = event.syswm.msg->msg.x11.event;
    if (x.type != DestroyNotify) return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11 &&
           x.xdestroywindow.window == info.info.x11.window;
}

void ringBell(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    XBell(info.info.x11.display, 0);
    XFlush(info.info.x11.display);
}

namespace {

bool ownedBy(Display* display, Window w, Atom pidAtom, int pid) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                                          &left, &data) == Success &&
                       type == XA_CARDINAL && format == 32 && items == 1 &&
                       static_cast<int>(*reinterpret_cast<unsigned long*>(data)) == pid;
    if (data) XFree(data);
    return found;
}

// The first viewable window of `pid` among the children of `parent`, two
// levels down (a window manager puts each top-level window into a frame).
Window findWindowOf(Display* display, Window parent, Atom pidAtom, int pid, int depth) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes)) continue;
        if (attributes.map_state == IsViewable && ownedBy(display, children[i], pidAtom, pid)) found = children[i];
        else if (depth > 1) found = findWindowOf(display, children[i], pidAtom, pid, depth - 1);
    }
    if (children) XFree(children);
    return found;
}

}  // namespace

bool fitProcessWindow(SDL_Window* window, int pid, int width, int height) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    Display* display = info.info.x11.display;
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) return false;
    const Window dialog = findWindowOf(display, DefaultRootWindow(display), pidAtom, pid, 2);
    if (!dialog) return false;
    SDL_Rect screen{0, 0, width, height};
    SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &screen);
    const int w = std::min(width, screen.w), h = std::min(height, screen.h);
    XMoveResizeWindow(display, dialog, screen.x + (screen.w - w) / 2, screen.y + (screen.h - h) / 2,
                      static_cast<unsigned int>(w), static_cast<unsigned int>(h));
    XFlush(display);
    return true;
}

void destroyWindowQuietly(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    Display* display = nullptr;
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) display = info.info.x11.display;
    SDL_DestroyWindow(window);
    if (display) XSync(display, False);
}

}  // namespace glossamo
