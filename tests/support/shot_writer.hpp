#pragma once
// Saves the back buffer as a PNG under build/shots/ for review.
#include <cairo.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/canvas.hpp"

namespace glossamo::testing {

// The back buffer as 8-bit red, green and blue, seen through `view`
// (a colour in, a colour out), saved as build/shots/<name>.png.
template <typename View>
std::string saveShotAs(const Canvas& canvas, const std::string& name, View view) {
    const std::filesystem::path folder = std::filesystem::path(GLOSSAMO_APP_DIR).parent_path() / "shots";
    std::filesystem::create_directories(folder);
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(SurfaceWidth) * SurfaceHeight);
    for (int y = 0; y < SurfaceHeight; ++y) {
        for (int x = 0; x < SurfaceWidth; ++x) {
            const std::uint16_t p = canvas.pixel(x, y);
            const Rgb c = view(Rgb{static_cast<std::uint8_t>((p >> 11) * 255 / 31),
                                   static_cast<std::uint8_t>(((p >> 5) & 63) * 255 / 63),
                                   static_cast<std::uint8_t>((p & 31) * 255 / 31)});
            argb[static_cast<std::size_t>(y) * SurfaceWidth + x] =
                0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
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

inline std::string saveShot(const Canvas& canvas, const std::string& name) {
    return saveShotAs(canvas, name, [](Rgb c) { return c; });
}

}  // namespace glossamo::testing
