// Checks that the libraries built for the browser link and work: on an
// 800 x 600 surface (the size the game draws on) SDL2_gfx draws a rectangle
// and SDL2_ttf writes a line of Latin-1 text with the program's font, and
// pixels are read back; cairo writes a PDF page with a frame and a text in
// that font, through FreeType. In a browser page the surface is then shown on the
// page's canvas; under node, which has no page, only the checks run.
// Prints "smoke: ok" and returns 0 when every check passes.
#include <SDL2/SDL.h>
#include <SDL2/SDL2_gfxPrimitives.h>
#include <SDL2/SDL_mixer.h>
#include <SDL2/SDL_ttf.h>
#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <emscripten.h>
#include <ft2build.h>
#include <png.h>
#include FT_FREETYPE_H
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include <jpeglib.h>

namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr SDL_Rect Box{200, 150, 400, 300};
constexpr const char* FontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

bool hasPage() {
    return EM_ASM_INT({ return typeof document !== 'undefined' ? 1 : 0; }) != 0;
}

std::uint32_t pixelAt(const SDL_Surface* surface, int x, int y) {
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    std::span<const std::uint32_t> pixels(reinterpret_cast<const std::uint32_t*>(row),
                                          static_cast<std::size_t>(surface->w));
    return pixels[static_cast<std::size_t>(x)];
}

// Fills the background and the box through SDL2_gfx on a software renderer.
bool drawBox(SDL_Surface* surface) {
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    if (!renderer) return false;
    SDL_SetRenderDrawColor(renderer, 240, 240, 230, 255);
    SDL_RenderClear(renderer);
    boxRGBA(renderer, Box.x, Box.y, Box.x + Box.w - 1, Box.y + Box.h - 1, 30, 90, 200, 255);
    SDL_RenderPresent(renderer);
    SDL_DestroyRenderer(renderer);
    return pixelAt(surface, Box.x + 10, Box.y + 10) == SDL_MapRGB(surface->format, 30, 90, 200) &&
           pixelAt(surface, Box.x - 10, Box.y - 10) == SDL_MapRGB(surface->format, 240, 240, 230);
}

// Writes "\xC9t\xE9 d\xE9j\xE0" (Latin-1) in the box; true when it has a size.
bool drawText(SDL_Surface* surface) {
    if (TTF_Init() != 0) return false;
    TTF_Font* font = TTF_OpenFont(FontPath, 32);
    if (!font) {
        std::printf("smoke: %s\n", TTF_GetError());
        return false;
    }
    SDL_Surface* text = TTF_RenderText_Blended(font, "\xC9t\xE9 d\xE9j\xE0", SDL_Color{255, 255, 255, 255});
    const bool drawn = text && text->w > 50 && text->h > 20;
    if (text) {
        SDL_Rect at{Box.x + 20, Box.y + 20, 0, 0};
        SDL_BlitSurface(text, nullptr, surface, &at);
        SDL_FreeSurface(text);
    }
    TTF_CloseFont(font);
    return drawn;
}

cairo_status_t collect(void* pdf, const unsigned char* data, unsigned int size) {
    static_cast<std::string*>(pdf)->append(reinterpret_cast<const char*>(data), size);
    return CAIRO_STATUS_SUCCESS;
}

// An A4 page with a frame and a text; true when a whole PDF came out.
bool writePdf() {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, FontPath, 0, &face) != 0) return false;
    std::string pdf;
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(collect, &pdf, 595, 842);
    cairo_t* cr = cairo_create(surface);
    cairo_font_face_t* font = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, 14);
    cairo_move_to(cr, 72, 72);
    cairo_show_text(cr, "\xC3\x89t\xC3\xA9");
    cairo_rectangle(cr, 60, 100, 200, 100);
    cairo_stroke(cr);
    cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool written = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && pdf.starts_with("%PDF-") &&
                         pdf.find("%%EOF") != std::string::npos;
    cairo_surface_destroy(surface);
    cairo_font_face_destroy(font);
    return written;
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
    const bool box = drawBox(surface);
    const bool text = drawText(surface);
    if (hasPage()) showOnPage(surface);
    jpeg_error_mgr jpegErrors{};
    const bool jpeg = jpeg_std_error(&jpegErrors) == &jpegErrors;
    const SDL_version* mixer = Mix_Linked_Version();
    const bool pdf = writePdf();
    const bool ok = box && text && pdf && jpeg && mixer->major == 2;
    std::printf("smoke: %s (box %d, text %d, pdf %d; cairo %s, SDL %d.%d.%d, SDL_mixer %d.%d.%d, zlib %s, "
                "libpng %s, libjpeg %d)\n",
                ok ? "ok" : "FAILED", box, text, pdf, cairo_version_string(), SDL_MAJOR_VERSION, SDL_MINOR_VERSION,
                SDL_PATCHLEVEL, mixer->major, mixer->minor, mixer->patch, zlibVersion(), png_get_libpng_ver(nullptr),
                JPEG_LIB_VERSION);
    return ok ? 0 : 1;
}
