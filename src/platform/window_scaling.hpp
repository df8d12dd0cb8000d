#pragma once
// The 800 x 600 surface shown in a window or screen of any size: as large as
// fits with its proportions kept, centred, black bars filling the rest; and
// the pointer mapped back from the window onto the surface.

namespace glossamo {

// A part of the window, in the window's pixels.
struct WindowArea {
    int x = 0, y = 0, width = 0, height = 0;
};

// A point of the surface.
struct SurfacePoint {
    int x = 0, y = 0;
};

// Where the surface is drawn in a window of `width` x `height` pixels.
WindowArea surfaceArea(int width, int height);
// The surface point under the window point (x, y); a point on a black bar
// goes to the nearest edge of the surface.
SurfacePoint windowToSurface(int x, int y, int width, int height);

}  // namespace glossamo
