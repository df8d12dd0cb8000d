#include "platform/canvas.hpp"

#include <SDL2/SDL.h>
#include <SDL2/SDL2_gfxPrimitives.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace glossamo {

namespace {

constexpr const char* SystemFontRegular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* SystemFontBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

constexpr std::size_t BoxesKept = 4096;

// The box of the pixels a rendered text inks (its alpha not zero), placed at
// (x, y): the font's line height holds blank rows above and below.
Rect inkBounds(SDL_Surface* text, int x, int y) {
    int left = text->w, right = -1, top = text->h, bottom = -1;
    if (SDL_LockSurface(text) != 0) return Rect{x, y, text->w, text->h};
    const SDL_PixelFormat* format = text->format;
    for (int row = 0; row < text->h; ++row) {
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(text->pixels) +
                                                                     static_cast<std::ptrdiff_t>(row) * text->pitch);
        for (int column = 0; column < text->w; ++column) {
            if ((pixels[column] & format->Amask) == 0) continue;
            left = std::min(left, column);
            right = std::max(right, column);
            top = std::min(top, row);
            bottom = std::max(bottom, row);
        }
    }
    SDL_UnlockSurface(text);
    if (right < 0) return Rect{x, y, 0, 0};
    return Rect{x + left, y + top, right - left + 1, bottom - top + 1};
}

bool isJpegFile(const std::string& path) {
    unsigned char magic[3] = {0, 0, 0};
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    const std::size_t n = std::fread(magic, 1, 3, f);
    std::fclose(f);
    return n == 3 && magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF;
}

std::int64_t littleEndian(const unsigned char* bytes, int count, bool isSigned) {
    std::uint64_t v = 0;
    for (int i = count - 1; i >= 0; --i) v = (v << 8) | bytes[i];
    if (isSigned && (bytes[count - 1] & 0x80)) v -= std::uint64_t{1} << (8 * count);
    return static_cast<std::int64_t>(v);
}

}  // namespace

bool pictureSizeAllowed(std::int64_t width, std::int64_t height, std::string& error) {
    if (width <= MaxPictureSide && height <= MaxPictureSide && width * height <= MaxPicturePixels) return true;
    error = "picture too large: " + std::to_string(width) + " x " + std::to_string(height);
    return false;
}

SDL_Surface* decodeBmp(const std::string& path, std::string& error) {
    // The file header (14 bytes), then the picture header: its size, then the
    // width and height, unsigned 16 bits in the oldest (12-byte) header,
    // signed 32 bits in the others (a negative height stores the rows top down).
    unsigned char header[26] = {};
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error = "cannot open " + path;
        return nullptr;
    }
    const std::size_t n = std::fread(header, 1, sizeof header, f);
    std::fclose(f);
    if (n >= 22 && header[0] == 'B' && header[1] == 'M') {
        const bool oldest = littleEndian(header + 14, 4, false) == 12;
        const std::int64_t width = oldest ? littleEndian(header + 18, 2, false) : std::llabs(littleEndian(header + 18, 4, true));
        const std::int64_t height = oldest ? littleEndian(header + 20, 2, false) : std::llabs(littleEndian(header + 22, 4, true));
        if (!pictureSizeAllowed(width, height, error)) return nullptr;
    }
    SDL_Surface* picture = SDL_LoadBMP(path.c_str());
    if (!picture) error = SDL_GetError();
    return picture;
}

Canvas::Canvas() {
    back_ = SDL_CreateRGBSurfaceWithFormat(0, SurfaceWidth, SurfaceHeight, 16, SDL_PIXELFORMAT_RGB565);
    if (back_) shapes_ = SDL_CreateSoftwareRenderer(back_);
    for (ImageSet set : {ImageSet::Screen, ImageSet::CardBack, ImageSet::Slot, ImageSet::Interface,
                         ImageSet::Pendu}) {
        sets_[static_cast<int>(set)].assign(slotCount(set), nullptr);
    }
    clear();
}

Canvas::~Canvas() {
    for (auto& [path, picture] : decoded_) SDL_FreeSurface(picture.surface);
    for (auto& set : sets_)
        for (SDL_Surface* s : set) SDL_FreeSurface(s);
    freeRenderedTexts();
    for (auto& [key, f] : fonts_) TTF_CloseFont(f);
    if (ttfStarted_) TTF_Quit();
    if (shapes_) SDL_DestroyRenderer(shapes_);
    SDL_FreeSurface(back_);
}

std::uint16_t Canvas::toRgb565(Rgb c) {
    return static_cast<std::uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
}

std::uint16_t Canvas::pixel(int x, int y) const {
    if (!back_ || x < 0 || y < 0 || x >= SurfaceWidth || y >= SurfaceHeight) return 0;
    const auto* row = static_cast<const std::uint8_t*>(back_->pixels) + y * back_->pitch;
    return reinterpret_cast<const std::uint16_t*>(row)[x];
}

void Canvas::clear(Rgb colour) {
    if (back_) SDL_FillRect(back_, nullptr, toRgb565(colour));
}

SDL_Surface*& Canvas::slotRef(ImageSet set, int slot) {
    return sets_[static_cast<int>(set)][static_cast<std::size_t>(slot)];
}

const std::vector<SDL_Surface*>& Canvas::slots(ImageSet set) const {
    return sets_[static_cast<int>(set)];
}

bool Canvas::hasImage(ImageSet set, int slot) const { return image(set, slot) != nullptr; }

SDL_Surface* Canvas::image(ImageSet set, int slot) const {
    if (slot < 0 || slot >= slotCount(set)) return nullptr;
    return slots(set)[static_cast<std::size_t>(slot)];
}

bool Canvas::loadImage(ImageSet set, int slot, const std::string& path, ColourKey key) {
    if (slot < 0 || slot >= slotCount(set)) {
        lastError_ = "slot out of range";
        return false;
    }
    SDL_Surface* loaded = set == ImageSet::Screen ? decodeScreenPicture(path) : decodeFile(path);
    if (!loaded) return false;
    return setImage(set, slot, loaded, key);
}

SDL_Surface* Canvas::decodeFile(const std::string& path) {
    SDL_Surface* loaded = nullptr;
    if (isJpegFile(path)) {
        loaded = decodeJpeg(path, lastError_);
    } else {
        loaded = decodeBmp(path, lastError_);
    }
    return loaded;
}

// A copy of the decoded picture, from the kept ones when the file has not
// changed since it was decoded.
SDL_Surface* Canvas::decodeScreenPicture(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const auto stamp = std::filesystem::last_write_time(path, error).time_since_epoch().count();
    if (error) return decodeFile(path);
    DecodedPicture& kept = decoded_[path];
    if (!kept.surface || kept.size != size || kept.stamp != stamp) {
        SDL_FreeSurface(kept.surface);
        kept = DecodedPicture{};
        SDL_Surface* decoded = decodeFile(path);
        if (!decoded) {
            decoded_.erase(path);
            return nullptr;
        }
        kept.surface = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_RGB565, 0);
        SDL_FreeSurface(decoded);
        if (!kept.surface) {
            decoded_.erase(path);
            return nullptr;
        }
        kept.size = size;
        kept.stamp = stamp;
    }
    kept.lastUse = ++uses_;
    SDL_Surface* copy = SDL_ConvertSurface(kept.surface, kept.surface->format, 0);
    if (decoded_.size() > DecodedPicturesKept) {
        auto oldest = decoded_.begin();
        for (auto it = decoded_.begin(); it != decoded_.end(); ++it)
            if (it->second.lastUse < oldest->second.lastUse) oldest = it;
        SDL_FreeSurface(oldest->second.surface);
        decoded_.erase(oldest);
    }
    return copy;
}

bool Canvas::setImage(ImageSet set, int slot, SDL_Surface* picture, ColourKey key) {
    if (!picture) return false;
    if (slot < 0 || slot >= slotCount(set)) {
        SDL_FreeSurface(picture);
        lastError_ = "slot out of range";
        return false;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_RGB565, 0);
    SDL_FreeSurface(picture);
    if (!converted) {
        lastError_ = SDL_GetError();
        return false;
    }
    SDL_Surface*& target = slotRef(set, slot);
    SDL_FreeSurface(target);
    target = converted;
    setColourKey(set, slot, key);
    inks_.clear();  // the glyphs measured may have been on the old picture
    return true;
}

void Canvas::setColourKey(ImageSet set, int slot, ColourKey key) {
    SDL_Surface* s = image(set, slot);
    if (!s) return;
    inks_.clear();
    SDL_SetColorKey(s, key.transparent ? SDL_TRUE : SDL_FALSE, toRgb565(key.colour));
}

void Canvas::drawSurface(SDL_Surface* picture, const Rect* source, int x, int y, bool useKey) {
    if (!picture || !back_) return;
    Uint32 key = 0;
    const bool keyed = SDL_GetColorKey(picture, &key) == 0;
    if (keyed && !useKey) SDL_SetColorKey(picture, SDL_FALSE, key);
    SDL_Rect dst{x, y, 0, 0};
    if (source) {
        SDL_Rect src{source->x, source->y, source->w, source->h};
        SDL_BlitSurface(picture, &src, back_, &dst);
    } else {
        SDL_BlitSurface(picture, nullptr, back_, &dst);
    }
    if (keyed && !useKey) SDL_SetColorKey(picture, SDL_TRUE, key);
}

void Canvas::drawImage(ImageSet set, int slot, int x, int y) {
    drawSurface(image(set, slot), nullptr, x, y, true);
}

void Canvas::drawImagePart(ImageSet set, int slot, int x, int y, Rect source, bool useKey) {
    drawSurface(image(set, slot), &source, x, y, useKey);
}

void Canvas::stretchImage(ImageSet set, int slot, Rect target, bool useKey) {
    SDL_Surface* picture = image(set, slot);
    if (!picture || !back_ || target.w <= 0 || target.h <= 0) return;
    Uint32 key = 0;
    const bool keyed = SDL_GetColorKey(picture, &key) == 0;
    if (keyed && !useKey) SDL_SetColorKey(picture, SDL_FALSE, key);
    SDL_Rect dst{target.x, target.y, target.w, target.h};
    SDL_BlitScaled(picture, nullptr, back_, &dst);
    if (keyed && !useKey) SDL_SetColorKey(picture, SDL_TRUE, key);
}

void Canvas::fillRect(Rect r, Rgb colour) {
    if (!back_) return;
    SDL_Rect dst{r.x, r.y, r.w, r.h};
    SDL_FillRect(back_, &dst, toRgb565(colour));
}

void Canvas::frameRect(Rect r, Rgb colour, int penWidth) {
    for (int i = 0; i < penWidth; ++i) {
        if (r.w - 2 * i <= 0 || r.h - 2 * i <= 0) break;
        rectangleRGBA(shapes_, static_cast<Sint16>(r.x + i), static_cast<Sint16>(r.y + i),
                      static_cast<Sint16>(r.x + r.w - 1 - i), static_cast<Sint16>(r.y + r.h - 1 - i), colour.r,
                      colour.g, colour.b, 255);
    }
    SDL_RenderFlush(shapes_);
}

void Canvas::roundedRect(Rect r, int radius, Rgb colour, int penWidth) {
    for (int i = 0; i < penWidth; ++i) {
        if (r.w - 2 * i <= 0 || r.h - 2 * i <= 0) break;
        roundedRectangleRGBA(shapes_, static_cast<Sint16>(r.x + i), static_cast<Sint16>(r.y + i),
                             static_cast<Sint16>(r.x + r.w - 1 - i), static_cast<Sint16>(r.y + r.h - 1 - i),
                             static_cast<Sint16>(std::max(0, radius - i)), colour.r, colour.g, colour.b, 255);
    }
    SDL_RenderFlush(shapes_);
}

void Canvas::ellipse(Rect bounds, Rgb colour, bool filled) {
    const auto cx = static_cast<Sint16>(bounds.x + bounds.w / 2);
    const auto cy = static_cast<Sint16>(bounds.y + bounds.h / 2);
    const auto rx = static_cast<Sint16>(bounds.w / 2);
    const auto ry = static_cast<Sint16>(bounds.h / 2);
    if (filled)
        filledEllipseRGBA(shapes_, cx, cy, rx, ry, colour.r, colour.g, colour.b, 255);
    else
        ellipseRGBA(shapes_, cx, cy, rx, ry, colour.r, colour.g, colour.b, 255);
    SDL_RenderFlush(shapes_);
}

void Canvas::line(int x1, int y1, int x2, int y2, Rgb colour, int penWidth) {
    thickLineRGBA(shapes_, static_cast<Sint16>(x1), static_cast<Sint16>(y1), static_cast<Sint16>(x2),
                  static_cast<Sint16>(y2), static_cast<Uint8>(std::max(1, penWidth)), colour.r, colour.g, colour.b,
                  255);
    SDL_RenderFlush(shapes_);
}

void Canvas::hatchRect(Rect r, Rgb colour, int spacing) {
    if (!shapes_ || r.w <= 0 || r.h <= 0 || spacing <= 0) return;
    SDL_Rect clip{r.x, r.y, r.w, r.h};
    SDL_RenderSetClipRect(shapes_, &clip);
    for (int offset = -r.h; offset < r.w; offset += spacing) {
        lineRGBA(shapes_, static_cast<Sint16>(r.x + offset), static_cast<Sint16>(r.y + r.h),
                 static_cast<Sint16>(r.x + offset + r.h), static_cast<Sint16>(r.y), colour.r, colour.g, colour.b,
                 255);
    }
    SDL_RenderSetClipRect(shapes_, nullptr);
    SDL_RenderFlush(shapes_);
}

TTF_Font* Canvas::font(int pointSize, bool bold) {
    const int key = pointSize * 2 + (bold ? 1 : 0);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    if (!ttfStarted_) {
        if (TTF_Init() != 0) {
            lastError_ = TTF_GetError();
            return nullptr;
        }
        ttfStarted_ = true;
    }
    TTF_Font* f = TTF_OpenFont(bold ? SystemFontBold : SystemFontRegular, pointSize);
    if (!f) {
        lastError_ = TTF_GetError();
        return nullptr;
    }
    fonts_[key] = f;
    return f;
}

void Canvas::freeRenderedTexts() {
    for (auto& [key, text] : renderedTexts_) SDL_FreeSurface(text);
    renderedTexts_.clear();
}

bool Canvas::systemText(int x, int y, const std::string& latin1, int pointSize, bool bold, Rgb colour,
                        BoxKind kind) {
    if (latin1.empty()) return true;
    TTF_Font* f = font(pointSize, bold);
    if (!f || !back_) return false;
    // The same few numbers are drawn on every frame: each is rendered once.
    std::string key = latin1;
    key += '\0';
    key += std::to_string(pointSize * 2 + (bold ? 1 : 0));
    key += '/';
    key += std::to_string((colour.r << 16) | (colour.g << 8) | colour.b);
    auto it = renderedTexts_.find(key);
    if (it == renderedTexts_.end()) {
        // TTF_RenderText_* takes Latin-1, the program's own encoding.
        SDL_Surface* text = TTF_RenderText_Blended(f, latin1.c_str(), SDL_Color{colour.r, colour.g, colour.b, 255});
        if (!text) {
            lastError_ = TTF_GetError();
            return false;
        }
        if (renderedTexts_.size() >= RenderedTextsKept) freeRenderedTexts();
        it = renderedTexts_.emplace(std::move(key), text).first;
    }
    SDL_Rect dst{x, y, 0, 0};
    SDL_BlitSurface(it->second, nullptr, back_, &dst);
    noteBox(kind, inkBounds(it->second, x, y), latin1);
    return true;
}

void Canvas::noteBox(BoxKind kind, Rect box, std::string_view what) {
    // A frame holds a few hundred; more means frames are drawn and never shown.
    if (thisFrame_.size() >= BoxesKept) return;
    thisFrame_.push_back(DrawnBox{kind, box, std::string(what)});
}

void Canvas::renameBoxesSince(std::size_t first, BoxKind kind, std::string_view what) {
    for (std::size_t k = first; k < thisFrame_.size(); ++k) {
        thisFrame_[k].kind = kind;
        thisFrame_[k].what = what;
    }
}

void Canvas::endFrame() {
    lastFrame_.swap(thisFrame_);
    thisFrame_.clear();
}

Rect Canvas::partInk(ImageSet set, int slot, Rect source) {
    const std::array<int, 6> name{static_cast<int>(set), slot, source.x, source.y, source.w, source.h};
    const auto known = inks_.find(name);
    if (known != inks_.end()) return known->second;
    SDL_Surface* picture = image(set, slot);
    Rect ink{0, 0, source.w, source.h};
    Uint32 key = 0;
    if (picture && SDL_GetColorKey(picture, &key) == 0 && picture->format->BytesPerPixel == 2 &&
        SDL_LockSurface(picture) == 0) {
        int left = source.w, right = -1, top = source.h, bottom = -1;
        for (int row = 0; row < source.h; ++row) {
            const int y = source.y + row;
            if (y < 0 || y >= picture->h) continue;
            const auto* line = reinterpret_cast<const std::uint16_t*>(static_cast<const std::uint8_t*>(picture->pixels) +
                                                                      static_cast<std::ptrdiff_t>(y) * picture->pitch);
            for (int column = 0; column < source.w; ++column) {
                const int x = source.x + column;
                if (x < 0 || x >= picture->w || line[x] == key) continue;
                left = std::min(left, column);
                right = std::max(right, column);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
        }
        SDL_UnlockSurface(picture);
        ink = right < 0 ? Rect{0, 0, 0, 0} : Rect{left, top, right - left + 1, bottom - top + 1};
    }
    inks_.emplace(name, ink);
    return ink;
}

Rect Canvas::imageBounds(ImageSet set, int slot, int x, int y) const {
    const SDL_Surface* picture = image(set, slot);
    if (!picture) return Rect{x, y, 0, 0};
    return Rect{x, y, picture->w, picture->h};
}

std::unique_ptr<PictureFile> PictureFile::load(const std::string& path, Format format, std::string& error) {
    SDL_Surface* picture = nullptr;
    if (format == Format::Jpeg) {
        picture = decodeJpeg(path, error);
    } else if (format == Format::Png) {
        picture = decodePng(path, error);
    } else {
        picture = decodeBmp(path, error);
    }
    if (!picture) return nullptr;
    return std::unique_ptr<PictureFile>(new PictureFile(picture));
}

PictureFile::~PictureFile() { SDL_FreeSurface(picture_); }

bool PictureFile::saveStretchedBmp(int width, int height, const std::string& path, std::string& error) const {
    SDL_Surface* source = SDL_ConvertSurfaceFormat(picture_, SDL_PIXELFORMAT_RGB24, 0);
    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    bool saved = source && target && SDL_BlitScaled(source, nullptr, target, nullptr) == 0 &&
                 SDL_SaveBMP(target, path.c_str()) == 0;
    if (!saved) error = SDL_GetError();
    SDL_FreeSurface(source);
    SDL_FreeSurface(target);
    return saved;
}

}  // namespace glossamo
