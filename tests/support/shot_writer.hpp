#pragma once
// Saves the back buffer as a PNG under build/shots/ for review.
#include <cairo.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/canvas.hpp"

namespace glossamo::testing {

inline std::string saveShot(const Canvas& canvas, const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(GLOSSAMO_APP_DIR).parent_path() / "shots";
    std::filesystem::create_directories(folder);
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(SurfaceWidth) * SurfaceHeight);
    for (int y = 0; y < SurfaceHeight; ++y) {
        for (int x = 0; x < SurfaceWidth; ++x) {
            const std::uint16_t p = canvas.pixel(x, y);
            const std::uint32_t r = (p >> 11) * 255 / 31, g = ((p >> 5) & 63) * 255 / 63, b = (p & 31) * 255 / 31;
            argb[static_cast<std::size_t>(y) * SurfaceWidth + x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(argb.data()), CAIRO_FORMAT_ARGB32, SurfaceWidth, SurfaceHeight,
        SurfaceWidth * 4);
    const std::string path = (folder / (name + ".png")).string();
    cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    return path;
}

}  // namespace glossamo::testing
