#include "platform/window_scaling.hpp"

#include <algorithm>

#include "platform/canvas.hpp"

namespace glossamo {

WindowArea surfaceArea(int width, int height) {
    if (width <= 0 || height <= 0) return {0, 0, SurfaceWidth, SurfaceHeight};
    // The side that fills the window decides the scale; the other side is
    // rounded to the nearest pixel and centred.
    if (static_cast<long long>(width) * SurfaceHeight <= static_cast<long long>(height) * SurfaceWidth) {
        const int h = static_cast<int>((static_cast<long long>(width) * SurfaceHeight + SurfaceWidth / 2) / SurfaceWidth);
        return {0, (height - h) / 2, width, h};
    }
    const int w = static_cast<int>((static_cast<long long>(height) * SurfaceWidth + SurfaceHeight / 2) / SurfaceHeight);
    return {(width - w) / 2, 0, w, height};
}

SurfacePoint windowToSurface(int x, int y, int width, int height) {
    const WindowArea area = surfaceArea(width, height);
    if (area.width <= 0 || area.height <= 0) return {0, 0};
    const auto map = [](int v, int start, int length, int surface) {
        const long long scaled = (static_cast<long long>(v - start) * surface) / length;
        return static_cast<int>(std::clamp<long long>(scaled, 0, surface - 1));
    };
    return {map(x, area.x, area.width, SurfaceWidth), map(y, area.y, area.height, SurfaceHeight)};
}

}  // namespace glossamo
