// Checks that the libraries built for the browser link and that SDL2 draws: a
// rectangle is filled on an 800 x 600 surface (the size the game draws on) and
// one of its pixels is read back. In a browser page the surface is then shown
// on the page's canvas; under node, which has no page, only the check runs.
// Prints "smoke: ok" and returns 0 when the pixel has the rectangle's colour.
#include <SDL2/SDL.h>
#include <emscripten.h>
#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <span>

#include <jpeglib.h>

namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr SDL_Rect Box{200, 150, 400, 300};

bool hasPage() {
    return EM_ASM_INT({ return typeof document !== 'undefined' ? 1 : 0; }) != 0;
}

std::uint32_t pixelAt(const SDL_Surface* surface, int x, int y) {
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    std::span<const std::uint32_t> pixels(reinterpret_cast<const std::uint32_t*>(row),
                                          static_cast<std::size_t>(surface->w));
    return pixels[static_cast<std::size_t>(x)];
}

void showOnPage(SDL_Surface* drawn) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::printf("smoke: no video: %s\n", SDL_GetError());
        return;
    }
    SDL_Window* window = SDL_CreateWindow("smoke", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                          Width, Height, 0);
    SDL_Surface* screen = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!screen) {
        std::printf("smoke: no window: %s\n", SDL_GetError());
        return;
    }
    SDL_BlitSurface(drawn, nullptr, screen, nullptr);
    SDL_UpdateWindowSurface(window);
}

}  // namespace

int main() {
    if (SDL_Init(0) != 0) {
        std::printf("smoke: SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) {
        std::printf("smoke: no surface: %s\n", SDL_GetError());
        return 1;
    }
    const std::uint32_t background = SDL_MapRGB(surface->format, 240, 240, 230);
    const std::uint32_t colour = SDL_MapRGB(surface->format, 30, 90, 200);
    SDL_FillRect(surface, nullptr, background);
    SDL_FillRect(surface, &Box, colour);
    const bool inside = pixelAt(surface, Box.x + 10, Box.y + 10) == colour;
    const bool outside = pixelAt(surface, Box.x - 10, Box.y - 10) == background;
    if (hasPage()) showOnPage(surface);
    jpeg_error_mgr jpegErrors{};
    const bool librariesLink = jpeg_std_error(&jpegErrors) == &jpegErrors;
    std::printf("smoke: %s (SDL %d.%d.%d, zlib %s, libpng %s, libjpeg %d)\n",
                inside && outside && librariesLink ? "ok" : "FAILED", SDL_MAJOR_VERSION,
                SDL_MINOR_VERSION, SDL_PATCHLEVEL, zlibVersion(), png_get_libpng_ver(nullptr),
                JPEG_LIB_VERSION);
    return inside && outside && librariesLink ? 0 : 1;
}
