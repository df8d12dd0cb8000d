#pragma once
// The 800 x 600 RGB565 back buffer and the image sets drawn onto it.
// Pure software: it needs no display, so tests use the same drawing code as
// the game.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct SDL_Surface;
struct SDL_Renderer;
typedef struct _TTF_Font TTF_Font;

namespace glossamo {

constexpr int SurfaceWidth = 800;
constexpr int SurfaceHeight = 600;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

// Colour-key transparency of a slot: pixels of exactly `colour` are not drawn.
struct ColourKey {
    bool transparent = false;
    Rgb colour{0, 0, 255};
};

// What a box drawn in a frame holds, for the layout of a screen: a text the
// player reads, a letter tile or game piece, the end-of-game banner with its
// lines, or a small mark printed on a tile on purpose (a cell's number).
enum class BoxKind { Text, Tile, Banner, Mark };
struct DrawnBox {
    BoxKind kind = BoxKind::Text;
    Rect box;
    std::string what;  // the text itself, or what the piece is
};

// The image sets of the program and their slot counts.
enum class ImageSet { Screen, CardBack, Slot, Interface, Pendu };
// The highest numbered interface picture shipped (buttons come in pairs: a
// button n is pictures n and n + 1).
constexpr int LastInterfacePicture = 81;
constexpr int slotCount(ImageSet set) {
    switch (set) {
        case ImageSet::Screen: return 7;
        case ImageSet::CardBack: return 11;
        case ImageSet::Slot: return 16;
        case ImageSet::Interface: return 82;
        case ImageSet::Pendu: return 59;
    }
    return 0;
}

class Canvas {
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The back buffer, 800 x 600, SDL_PIXELFORMAT_RGB565.
    SDL_Surface* backBuffer() const { return back_; }
    std::uint16_t pixel(int x, int y) const;
    static std::uint16_t toRgb565(Rgb c);
    void clear(Rgb colour = {});

    // Image slots. Loading decodes a BMP or JPEG file (told apart by content)
    // and converts it to the back buffer's format. On failure the slot keeps
    // its previous picture and `lastError` tells why.
    bool loadImage(ImageSet set, int slot, const std::string& path, ColourKey key);
    // Puts a picture made in memory into a slot (the canvas takes ownership).
    bool setImage(ImageSet set, int slot, SDL_Surface* picture, ColourKey key);
    void setColourKey(ImageSet set, int slot, ColourKey key);
    bool hasImage(ImageSet set, int slot) const;
    SDL_Surface* image(ImageSet set, int slot) const;
    const std::string& lastError() const { return lastError_; }

    // Draws a slot with its top-left corner at (x, y), honouring its colour key.
    void drawImage(ImageSet set, int slot, int x, int y);
    // Draws the part `source` of a slot at (x, y); with `useKey` false the
    // part is drawn opaque.
    void drawImagePart(ImageSet set, int slot, int x, int y, Rect source, bool useKey = true);
    // Draws a slot scaled into `target`; with `useKey` false it is opaque.
    void stretchImage(ImageSet set, int slot, Rect target, bool useKey = true);

    // Shapes.
    void fillRect(Rect r, Rgb colour);
    void frameRect(Rect r, Rgb colour, int penWidth = 1);
    void roundedRect(Rect r, int radius, Rgb colour, int penWidth = 1);
    void ellipse(Rect bounds, Rgb colour, bool filled);
    void line(int x1, int y1, int x2, int y2, Rgb colour, int penWidth = 1);
    // Diagonal hatching across a rectangle, one line every `spacing` pixels.
    void hatchRect(Rect r, Rgb colour, int spacing = 6);

    // Text in the system font (DejaVu Sans), Latin-1, transparent background.
    // Returns false when the font could not be opened.
    // Its inked box is noted as a box of `kind`.
    bool systemText(int x, int y, const std::string& latin1, int pointSize, bool bold, Rgb colour,
                    BoxKind kind = BoxKind::Text);
    // Opens the system font at that size ahead of its first text, so that
    // the first frame showing one does not wait for the font file.
    bool prepareSystemFont(int pointSize, bool bold) { return font(pointSize, bold) != nullptr; }

    // The boxes of the texts and pieces drawn: `noteBox` adds one to the
    // frame being drawn, `endFrame` makes them the last frame's. The banner
    // is laid where the last frame left room; tests check that nothing
    // covers what the player reads.
    void noteBox(BoxKind kind, Rect box, std::string_view what);
    void endFrame();
    const std::vector<DrawnBox>& lastFrameBoxes() const { return lastFrame_; }
    const std::vector<DrawnBox>& boxesSoFar() const { return thisFrame_; }
    // Makes the boxes noted since the `first` of this frame boxes of `kind`
    // named `what`: the lines a banner writes belong to it.
    void renameBoxesSince(std::size_t first, BoxKind kind, std::string_view what);
    // The box, within `source`, of the pixels of a slot's part that its
    // colour key leaves drawn (the whole part when it has no key); w 0 when
    // nothing is inked. Kept once measured.
    Rect partInk(ImageSet set, int slot, Rect source);
    // The size of a slot's picture; 0 x 0 when the slot is empty.
    Rect imageBounds(ImageSet set, int slot, int x, int y) const;

private:
    // Screen pictures (backgrounds, the panel, heads) are loaded again at
    // every screen change; the decoded ones are kept, keyed by file and
    // checked against the file's size and date.
    struct DecodedPicture {
        std::int64_t stamp = 0;
        std::uintmax_t size = 0;
        std::uint64_t lastUse = 0;
        SDL_Surface* surface = nullptr;
    };
    static constexpr std::size_t DecodedPicturesKept = 8;
    SDL_Surface* decodeScreenPicture(const std::string& path);
    SDL_Surface* decodeFile(const std::string& path);

    SDL_Surface*& slotRef(ImageSet set, int slot);
    const std::vector<SDL_Surface*>& slots(ImageSet set) const;
    TTF_Font* font(int pointSize, bool bold);
    void drawSurface(SDL_Surface* picture, const Rect* source, int x, int y, bool useKey);

    SDL_Surface* back_ = nullptr;
    SDL_Renderer* shapes_ = nullptr;  // software renderer drawing into back_
    std::array<std::vector<SDL_Surface*>, 5> sets_;
    std::map<int, TTF_Font*> fonts_;
    // System texts already rendered, by text, font and colour.
    static constexpr std::size_t RenderedTextsKept = 1024;
    std::map<std::string, SDL_Surface*> renderedTexts_;
    void freeRenderedTexts();
    std::map<std::string, DecodedPicture> decoded_;
    std::uint64_t uses_ = 0;
    bool ttfStarted_ = false;
    std::vector<DrawnBox> thisFrame_, lastFrame_;
    std::map<std::array<int, 6>, Rect> inks_;
    std::string lastError_;
};

// A picture read from a file the player chose, to be stretched and saved
// as one of the player's own pictures.
class PictureFile {
public:
    enum class Format { Bmp, Jpeg, Png };
    // Nothing, with `error` set, when the file cannot be read as `format`.
    static std::unique_ptr<PictureFile> load(const std::string& path, Format format, std::string& error);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    // Stretches the whole picture over width x height and writes it as a BMP.
    bool saveStretchedBmp(int width, int height, const std::string& path, std::string& error) const;

private:
    explicit PictureFile(SDL_Surface* picture) : picture_(picture) {}
    SDL_Surface* picture_;
};

// The largest picture the program decodes: a picture's side, and its
// number of pixels (a 64-megapixel picture takes 256 MB once decoded). A file
// that claims more is refused before anything is allocated for it.
constexpr int MaxPictureSide = 16384;
constexpr std::int64_t MaxPicturePixels = 64LL * 1024 * 1024;
// True when a picture of that size may be decoded; otherwise `error` says why.
bool pictureSizeAllowed(std::int64_t width, std::int64_t height, std::string& error);

// Decodes a JPEG file into a 24-bit surface. A damaged file returns nullptr
// and an explanation in `error`; it never ends the process.
SDL_Surface* decodeJpeg(const std::string& path, std::string& error);
// The same for a PNG file; transparent parts come out white.
SDL_Surface* decodePng(const std::string& path, std::string& error);
// Reads a BMP file, once its header's size is allowed; nullptr and `error`
// otherwise.
SDL_Surface* decodeBmp(const std::string& path, std::string& error);

}  // namespace glossamo
