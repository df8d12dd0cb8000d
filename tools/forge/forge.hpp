#pragma once
// The asset forge: draws every picture, sound and music file the program
// loads, deterministically (the same bytes on every run), into the program
// folder build/app/.
//
// Pictures are drawn with cairo on ARGB surfaces (`Picture`) and written as
// 24-bit BMP or JPEG. Pictures the program draws with a colour key are
// written with `saveKeyedBmp`: fully transparent pixels become the key
// colour and every other pixel is flattened onto a neutral matte, so no
// blue halo can show around anti-aliased edges.
#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace forge {

// Where the forge writes and reads.
struct Paths {
    std::string app;   // build/app/ (trailing '/')
    std::string data;  // the source tree's data/ (trailing '/')
};

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;  // 0..1
    static constexpr Colour rgb(int r, int g, int b, double a = 1.0) {
        return Colour{r / 255.0, g / 255.0, b / 255.0, a};
    }
};

// The house palette: every picture draws from it so the look stays one.
namespace palette {
constexpr Colour Ink = Colour::rgb(30, 42, 58);          // dark slate: text, outlines
constexpr Colour Paper = Colour::rgb(246, 241, 231);     // cream: panels, tiles
constexpr Colour Primary = Colour::rgb(40, 110, 140);    // teal blue: buttons
constexpr Colour PrimaryDark = Colour::rgb(24, 72, 96);
constexpr Colour Accent = Colour::rgb(236, 164, 58);     // amber: highlight
constexpr Colour AccentDark = Colour::rgb(186, 116, 28);
constexpr Colour Success = Colour::rgb(58, 156, 92);     // green
constexpr Colour Danger = Colour::rgb(200, 72, 63);      // red
constexpr Colour Sky = Colour::rgb(120, 176, 214);       // light blue, never the key
constexpr Colour Sea = Colour::rgb(66, 120, 170);
constexpr Colour Land = Colour::rgb(214, 196, 150);
constexpr Colour White = Colour::rgb(255, 255, 255);
constexpr Colour Shadow = Colour::rgb(0, 0, 0, 0.35);
// What anti-aliased edges are flattened onto in keyed pictures.
constexpr Colour Matte = Colour::rgb(72, 72, 72);
}  // namespace palette

// The two key colours the program uses.
constexpr Colour KeyBlue = Colour::rgb(0, 0, 255);
constexpr Colour PanelKey = Colour::rgb(0, 0, 254);

// An ARGB32 cairo surface with its context; fully transparent when made.
class Picture {
public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Straight (not premultiplied) colour of a pixel, 0..255 each.
    struct Pixel { std::uint8_t r, g, b, a; };
    Pixel pixel(int x, int y) const;

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// The DejaVu faces of fonts-dejavu-core.
enum class Face { Sans, SansBold, Serif, SerifBold, Mono, MonoBold };

// Selects a DejaVu face at `size` pixels, with fixed anti-aliasing and
// hinting so the output never depends on the machine's settings.
void useFont(cairo_t* cr, Face face, double size);
// Text extents of UTF-8 text with the current font.
cairo_text_extents_t measure(cairo_t* cr, std::string_view utf8);
// Draws UTF-8 text centred on (cx, baselineY).
void centredText(cairo_t* cr, std::string_view utf8, double cx, double baselineY);

void setColour(cairo_t* cr, const Colour& c);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);

// Writers. Every one creates the folders it needs and throws on failure.
void saveBmp(const Picture& picture, const std::string& path);  // opaque
void saveKeyedBmp(const Picture& picture, const std::string& path, Colour key = KeyBlue,
                  Colour matte = palette::Matte);
void saveJpeg(const Picture& picture, const std::string& path, int quality = 92);
// JPEG with a keyed area: transparent pixels become `key`, written at full
// quality without chroma subsampling so the key stays exact.
void saveKeyedJpeg(const Picture& picture, const std::string& path, Colour key, Colour matte);
void saveBytes(const std::string& path, const std::string& bytes);
// PNG with its transparency, for the desktop's icons.
void savePng(const Picture& picture, const std::string& path);

// Latin-1 / Windows-1252 code (32..255) to UTF-8, for drawing font sheets.
std::string codeToUtf8(int code);

// The generators, one per kind of asset.
void forgeFontSheets(const Paths& paths);      // Slots 0, 1, 11, 12 and Interface 26
void forgeTiles(const Paths& paths);           // Slots 2..10, 13, 14, 15
void forgeInterface(const Paths& paths);       // Interface buttons, boxes, banners, markers, panel
void forgeGallows(const Paths& paths);         // pendu 0..53
void forgeBackgrounds(const Paths& paths);     // background/*.jpg, Fenetres/fenetre.jpg
void forgeHeads(const Paths& paths);           // tete/*.bmp
void forgeTravelMap(const Paths& paths);       // background/0000.jpg and txt/voyage.dta
void forgeSounds(const Paths& paths);          // Sons/0.wav .. 13.wav
void forgeMusic(const Paths& paths);           // music/*.mid
void forgeIcons(const Paths& paths);           // icons/glossamo-48.png, -128, -256 (installed, not loaded)

}  // namespace forge
