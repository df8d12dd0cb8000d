// PNG decoding with libpng's simplified reader, which reports every fault
// through the image's message instead of jumping or ending the process.
#include <SDL2/SDL.h>

#include <png.h>

#include <string>

#include "platform/canvas.hpp"

namespace glossamo {

SDL_Surface* decodePng(const std::string& path, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = image.message[0] ? image.message : "cannot read " + path;
        return nullptr;
    }
    if (!pictureSizeAllowed(image.width, image.height, error)) {
        png_image_free(&image);
        return nullptr;
    }
    // Transparent pixels are laid on white: an imported picture has no colour key.
    image.format = PNG_FORMAT_RGB;
    const png_color white{255, 255, 255};
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(image.width),
                                                          static_cast<int>(image.height), 24, SDL_PIXELFORMAT_RGB24);
    if (!surface) {
        error = SDL_GetError();
        png_image_free(&image);
        return nullptr;
    }
    if (!png_image_finish_read(&image, &white, surface->pixels, surface->pitch, nullptr)) {
        error = image.message[0] ? image.message : "cannot decode " + path;
        png_image_free(&image);
        SDL_FreeSurface(surface);
        return nullptr;
    }
    return surface;
}

}  // namespace glossamo
