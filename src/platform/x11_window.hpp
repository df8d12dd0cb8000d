#pragma once
// The X11 side of the window: the bell, and keeping the program alive when
// its window is destroyed from outside (a session tool or a test closing
// it), where Xlib's default error handler would end the process on the next
// request naming that window.
union SDL_Event;
struct SDL_Window;

namespace glossamo {

// Installs an X error handler that ignores errors about windows that no
// longer exist. Call it before SDL starts its video: SDL puts back the
// handler it found when it shuts down, and errors can still arrive then.
void installLostWindowErrorHandler();
// Asks SDL to pass the raw X events through (after SDL has started).
void watchForLostWindow();

// True when `event` reports that `window`'s X11 window was destroyed.
bool isWindowDestroyedEvent(const SDL_Event& event, SDL_Window* window);

// Rings the X server's bell for the window's display.
void ringBell(SDL_Window* window);

// Gives the top-level window of process `pid` the size width x height
// (smaller when the screen is smaller) and centres it on the screen of
// `window`. False while that process shows no window yet.
bool fitProcessWindow(SDL_Window* window, int pid, int width, int height);

// Destroys the window and collects the X server's answer while the guard is
// still in place, so a window already destroyed from outside is harmless.
void destroyWindowQuietly(SDL_Window* window);

}  // namespace glossamo
