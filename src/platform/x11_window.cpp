#include "platform/x11_window.hpp"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include <cstdio>

namespace glossamo {

namespace {

XErrorHandler previousHandler = nullptr;

int ignoreLostWindowErrors(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) return 0;
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

void destroyWindowQuietly(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    Display* display = nullptr;
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) display = info.info.x11.display;
    SDL_DestroyWindow(window);
    if (display) XSync(display, False);
}

}  // namespace glossamo
