// The window's X11 side has nothing to do in a browser: the page is the
// window, it cannot be destroyed from outside while the program runs, and
// there is no X server to ring or to hold a dialog's window.
#include "platform/x11_window.hpp"

namespace glossamo {

void installLostWindowErrorHandler() {}
void watchForLostWindow() {}
bool isWindowDestroyedEvent(const SDL_Event&, SDL_Window*) { return false; }
void ringBell(SDL_Window*) {}
bool fitProcessWindow(SDL_Window*, int, int, int) { return false; }
void destroyWindowQuietly(SDL_Window*) {}

}  // namespace glossamo
