// The full-screen pictures: the title, the menu background, the farewell
// picture, the backgrounds a player can choose for the games, and the
// sliding panel of the menu screens.
//
// Text and the cream letter tiles are drawn over all of them, so they stay
// mid-dark and calm: soft gradients, large low-contrast shapes, a light
// procedural texture and a vignette. A fine grain hides the banding that the
// program's 16-bit screen would otherwise show in the gradients.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "forge.hpp"

namespace forge {

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

// ---------------------------------------------------------------------------
// Numbers: a seeded generator and value noise, identical on every run.

class Rng {
public:
    explicit Rng(std::uint32_t seed) : engine_(seed) {}
    // Uniform in [lo, hi), computed from the raw 32-bit output so the values
    // never depend on the standard library's distributions.
    double uniform(double lo, double hi) { return lo + (hi - lo) * (engine_() / 4294967296.0); }
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }

private:
    std::mt19937 engine_;
};

std::uint32_t hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

// -1..1 from a lattice hash.
double lattice(int x, int y, std::uint32_t seed) { return hash(x, y, seed) / 2147483648.0 - 1.0; }

double smooth(double t) { return t * t * (3 - 2 * t); }

// Smoothly interpolated lattice noise, -1..1.
double valueNoise(double x, double y, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double tx = smooth(x - x0);
    const double ty = smooth(y - y0);
    const double top = lattice(x0, y0, seed) + (lattice(x0 + 1, y0, seed) - lattice(x0, y0, seed)) * tx;
    const double bottom =
        lattice(x0, y0 + 1, seed) + (lattice(x0 + 1, y0 + 1, seed) - lattice(x0, y0 + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

// Fractal noise: octaves of value noise, roughly -1..1.
double fbm(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, amplitude = 0.5, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x * frequency, y * frequency, seed + static_cast<std::uint32_t>(i));
        frequency *= 2.03;
        amplitude *= 0.5;
    }
    return sum / 0.9375;
}

// ---------------------------------------------------------------------------
// Colours.

Colour mix(const Colour& a, const Colour& b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Colour withAlpha(Colour c, double alpha) {
    c.a = alpha;
    return c;
}

void addStop(cairo_pattern_t* pattern, double offset, const Colour& c) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, c.a);
}

using Stops = std::initializer_list<std::pair<double, Colour>>;

// Fills the current path (or the whole picture when `wholePicture`) with a
// linear gradient from (x0, y0) to (x1, y1).
void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1, Stops stops, bool wholePicture = false) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(x0, y0, x1, y1);
    for (const auto& [offset, colour] : stops) addStop(pattern, offset, colour);
    cairo_set_source(cr, pattern);
    if (wholePicture)
        cairo_paint(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void verticalGradient(cairo_t* cr, Stops stops) { fillLinear(cr, 0, 0, 0, Height, stops, true); }

// A soft round light (or shade) fading to nothing at `radius`.
void glow(cairo_t* cr, double cx, double cy, double radius, const Colour& colour, double alpha) {
    cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    addStop(pattern, 0, withAlpha(colour, alpha));
    addStop(pattern, 0.45, withAlpha(colour, alpha * 0.55));
    addStop(pattern, 1, withAlpha(colour, 0));
    cairo_set_source(cr, pattern);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

// Darkens the edges and corners.
void vignette(cairo_t* cr, double strength) {
    const double cx = Width / 2.0, cy = Height / 2.0;
    cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, 200, cx, cy, 560);
    addStop(pattern, 0, Colour{0, 0, 0, 0});
    addStop(pattern, 0.6, Colour{0, 0, 0, strength * 0.45});
    addStop(pattern, 1, Colour{0, 0, 0, strength});
    cairo_set_source(cr, pattern);
    cairo_paint(cr);
    cairo_pattern_destroy(pattern);
}

// ---------------------------------------------------------------------------
// Pixel passes on a picture.

// Calls shade(x, y, r, g, b) with each pixel's colour (0..255, premultiplied)
// and stores what it leaves there.
void eachPixel(Picture& picture, const std::function<void(int, int, double&, double&, double&)>& shade) {
    cairo_surface_t* surface = picture.surface();
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t argb = row[x];
            const double a = argb >> 24;
            double r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
            shade(x, y, r, g, b);
            auto put = [a](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, a))); };
            row[x] = (argb & 0xFF000000u) | put(r) << 16 | put(g) << 8 | put(b);
        }
    }
    cairo_surface_mark_dirty(surface);
}

// Brightens or darkens each pixel by `amount` times the value of `field`.
void modulate(Picture& picture, double amount, const std::function<double(int, int)>& field) {
    eachPixel(picture, [&](int x, int y, double& r, double& g, double& b) {
        const double d = amount * field(x, y);
        r += d;
        g += d;
        b += d;
    });
}

// Fine per-pixel grain: a light texture that also dithers the gradients.
void grain(Picture& picture, std::uint32_t seed, double amount) {
    modulate(picture, amount, [seed](int x, int y) { return lattice(x, y, seed); });
}

// Box blur of every channel, three passes (close to a Gaussian).
void blur(Picture& picture, int radius) {
    cairo_surface_t* surface = picture.surface();
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int w = picture.width(), h = picture.height();
    std::vector<int> line(static_cast<std::size_t>(std::max(w, h)) * 4);
    auto pass = [&](int count, int length, auto at) {
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < length; ++j)
                for (int c = 0; c < 4; ++c) line[static_cast<std::size_t>(j) * 4 + c] = at(i, j)[c];
            for (int c = 0; c < 4; ++c) {
                int sum = 0;
                for (int k = -radius; k <= radius; ++k) sum += line[static_cast<std::size_t>(std::clamp(k, 0, length - 1)) * 4 + c];
                for (int j = 0; j < length; ++j) {
                    at(i, j)[c] = static_cast<unsigned char>(sum / (2 * radius + 1));
                    sum += line[static_cast<std::size_t>(std::min(j + radius + 1, length - 1)) * 4 + c];
                    sum -= line[static_cast<std::size_t>(std::max(j - radius, 0)) * 4 + c];
                }
            }
        }
    };
    for (int iteration = 0; iteration < 3; ++iteration) {
        pass(h, w, [&](int y, int x) { return data + y * stride + x * 4; });
        pass(w, h, [&](int x, int y) { return data + y * stride + x * 4; });
    }
    cairo_surface_mark_dirty(surface);
}

// Draws whatever `shape` fills in `colour`, blurred by `radius`: soft
// shadows, clouds and glows.
void softFill(const Picture& target, const Colour& colour, int radius, const std::function<void(cairo_t*)>& shape) {
    Picture layer(target.width(), target.height());
    cairo_set_source_rgb(layer.cr(), colour.r, colour.g, colour.b);
    shape(layer.cr());
    blur(layer, radius);
    cairo_set_source_surface(target.cr(), layer.surface(), 0, 0);
    cairo_paint_with_alpha(target.cr(), colour.a);
}

void softShadow(const Picture& target, double alpha, int radius, const std::function<void(cairo_t*)>& shape) {
    softFill(target, Colour{0, 0, 0, alpha}, radius, shape);
}

// ---------------------------------------------------------------------------
// Shapes shared by several pictures.

struct Wave {
    double amplitude, wavelength, phase;
};

// The crest of hills or dunes: a base height and a sum of sine waves.
struct Skyline {
    double baseY;
    std::vector<Wave> waves;

    double at(double x) const {
        double y = baseY;
        for (const Wave& w : waves) y += w.amplitude * std::sin(2 * M_PI * x / w.wavelength + w.phase);
        return y;
    }
    double top() const {
        double y = baseY;
        for (const Wave& w : waves) y -= std::abs(w.amplitude);
        return y;
    }
};

// The path of the ground below a skyline.
void skylinePath(cairo_t* cr, const Skyline& skyline) {
    cairo_move_to(cr, 0, Height);
    for (int x = 0; x <= Width; x += 4) cairo_line_to(cr, x, skyline.at(x));
    cairo_line_to(cr, Width, Height);
    cairo_close_path(cr);
}

// A layer of landscape: flat colour, slightly lighter along its crest.
void landLayer(cairo_t* cr, const Skyline& skyline, const Colour& colour) {
    skylinePath(cr, skyline);
    fillLinear(cr, 0, skyline.top(), 0, skyline.baseY + 160, {{0, mix(colour, palette::White, 0.06)}, {1, colour}});
}

// A soft horizontal band of haze.
void haze(cairo_t* cr, double centreY, double halfHeight, const Colour& colour, double alpha) {
    cairo_rectangle(cr, 0, centreY - halfHeight, Width, 2 * halfHeight);
    fillLinear(cr, 0, centreY - halfHeight, 0, centreY + halfHeight,
               {{0, withAlpha(colour, 0)}, {0.5, withAlpha(colour, alpha)}, {1, withAlpha(colour, 0)}});
}

// A field of small stars.
void stars(cairo_t* cr, std::uint32_t seed, int count, double maxY, double brightness) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.uniform(0, Width), y = rng.uniform(0, maxY);
        const double radius = rng.uniform(0.4, 1.3);
        const double alpha = brightness * rng.uniform(0.25, 1.0) * (1 - 0.6 * y / maxY);
        cairo_set_source_rgba(cr, 1, 0.97, 0.9, alpha);
        cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

// Big faint letters scattered evenly over the picture: one in each cell of
// a grid, jittered.
void faintLetters(cairo_t* cr, std::uint32_t seed, int columns, int rows, double alpha) {
    static const char* const letters[] = {"A", "B", "C", "D", "E", "É", "F", "G", "H", "I", "J", "K", "L",
                                          "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    Rng rng(seed);
    const double cellW = static_cast<double>(Width) / columns, cellH = static_cast<double>(Height) / rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const char* letter = letters[rng.below(27)];
            const double size = rng.uniform(50, 150);
            const double x = (column + rng.uniform(0.15, 0.85)) * cellW;
            const double y = (row + rng.uniform(0.15, 0.85)) * cellH + size * 0.35;
            useFont(cr, rng.below(2) ? Face::SerifBold : Face::SansBold, size);
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, rng.uniform(-0.45, 0.45));
            cairo_set_source_rgba(cr, 1, 1, 1, alpha * rng.uniform(0.5, 1.0));
            centredText(cr, letter, 0, 0);
            cairo_restore(cr);
        }
    }
}

// ---------------------------------------------------------------------------
// Letter tiles, for the title and farewell pictures.

struct Tile {
    double x, y, size, angle;  // centre, side, radians
    const char* letter;
    double depth;  // 1 = in front, smaller = further back and dimmer
};

void tileOutline(cairo_t* cr, const Tile& t, double dx = 0, double dy = 0) {
    cairo_save(cr);
    cairo_translate(cr, t.x + dx, t.y + dy);
    cairo_rotate(cr, t.angle);
    roundedRectPath(cr, -t.size / 2, -t.size / 2, t.size, t.size, t.size * 0.16);
    cairo_restore(cr);
}

void drawTile(cairo_t* cr, const Tile& t, const Colour& distance) {
    const double s = t.size;
    cairo_save(cr);
    cairo_translate(cr, t.x, t.y);
    cairo_rotate(cr, t.angle);
    // Body: cream, a shade darker towards the bottom, with a bevelled rim.
    roundedRectPath(cr, -s / 2, -s / 2, s, s, s * 0.16);
    fillLinear(cr, 0, -s / 2, 0, s / 2, {{0, palette::Paper}, {1, Colour::rgb(222, 210, 186)}});
    cairo_set_line_width(cr, s * 0.03);
    roundedRectPath(cr, -s / 2 + s * 0.03, -s / 2 + s * 0.03, s * 0.94, s * 0.94, s * 0.14);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, -s / 2, 0, s / 2);
    addStop(rim, 0, Colour{1, 1, 1, 0.9});
    addStop(rim, 0.5, Colour{1, 1, 1, 0.0});
    addStop(rim, 1, Colour::rgb(150, 128, 96, 0.7));
    cairo_set_source(cr, rim);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);
    // The letter, alone on its tile.
    setColour(cr, palette::Ink);
    useFont(cr, Face::SansBold, s * 0.6);
    centredText(cr, t.letter, 0, s * 0.22);
    // Further tiles sink into the background colour.
    roundedRectPath(cr, -s / 2, -s / 2, s, s, s * 0.16);
    setColour(cr, withAlpha(distance, (1 - t.depth) * 0.6));
    cairo_fill(cr);
    cairo_restore(cr);
}

// Tiles with their shadows, back to front.
void drawTiles(const Picture& picture, std::vector<Tile> tiles, const Colour& distance) {
    std::stable_sort(tiles.begin(), tiles.end(), [](const Tile& a, const Tile& b) { return a.depth < b.depth; });
    softShadow(picture, 0.55, 5, [&](cairo_t* cr) {
        for (const Tile& t : tiles) {
            tileOutline(cr, t, t.size * 0.05, t.size * 0.1);
            cairo_fill(cr);
        }
    });
    for (const Tile& t : tiles) drawTile(picture.cr(), t, distance);
}

// ---------------------------------------------------------------------------
// Large display text with a bevelled 3-D look: a shadow, an extruded side
// and a cream-to-amber face with a dark outline.

struct Display {
    Face face;
    double size;
    double depth;  // extrusion in pixels
    Colour faceTop, faceBottom, side;
};

void displayText(const Picture& picture, const std::string& text, const Display& d, double cx, double baseline) {
    cairo_t* cr = picture.cr();
    useFont(cr, d.face, d.size);
    const cairo_text_extents_t e = measure(cr, text);
    const double x = cx - e.x_advance / 2;
    auto textPath = [&](cairo_t* c, double dx, double dy) {
        useFont(c, d.face, d.size);
        cairo_move_to(c, x + dx, baseline + dy);
        cairo_text_path(c, text.c_str());
    };
    softShadow(picture, 0.6, static_cast<int>(d.size / 14), [&](cairo_t* c) {
        textPath(c, d.depth * 0.4, d.depth + d.size * 0.06);
        cairo_fill(c);
    });
    // The extruded side, deepest layer first, outlined so it reads as solid.
    textPath(cr, d.depth * 0.35, d.depth);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, mix(d.side, palette::Ink, 0.35));
    cairo_fill(cr);
    for (double i = d.depth - 1; i >= 1; i -= 1) {
        textPath(cr, i * 0.35, i);
        setColour(cr, mix(d.side, palette::Ink, 0.35 * i / d.depth));
        cairo_fill(cr);
    }
    // The face.
    textPath(cr, 0, 0);
    fillLinear(cr, 0, baseline + e.y_bearing, 0, baseline, {{0, d.faceTop}, {1, d.faceBottom}});
    textPath(cr, 0, 0);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, std::max(1.5, d.size / 50));
    cairo_stroke(cr);
    // A gloss over the upper half of the face.
    cairo_save(cr);
    textPath(cr, 0, 0);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, baseline + e.y_bearing, Width, -e.y_bearing * 0.45);
    fillLinear(cr, 0, baseline + e.y_bearing, 0, baseline + e.y_bearing * 0.55,
               {{0, Colour{1, 1, 1, 0.35}}, {1, Colour{1, 1, 1, 0.05}}});
    cairo_restore(cr);
}

// Plain text with a soft shadow, centred.
void shadowedText(const Picture& picture, const std::string& text, Face face, double size, const Colour& colour,
                  double cx, double baseline) {
    softShadow(picture, 0.7, 3, [&](cairo_t* c) {
        useFont(c, face, size);
        centredText(c, text, cx + 1, baseline + 3);
    });
    useFont(picture.cr(), face, size);
    setColour(picture.cr(), colour);
    centredText(picture.cr(), text, cx, baseline);
}

// A centred flourish under a caption: two fine lines around a diamond.
void ornament(cairo_t* cr, double cx, double y, double halfLength, const Colour& colour) {
    auto diamond = [cr](double x, double yy, double r) {
        cairo_move_to(cr, x - r, yy);
        cairo_line_to(cr, x, yy - r);
        cairo_line_to(cr, x + r, yy);
        cairo_line_to(cr, x, yy + r);
        cairo_close_path(cr);
        cairo_fill(cr);
    };
    setColour(cr, colour);
    cairo_set_line_width(cr, 1.5);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * 14, y);
        cairo_line_to(cr, cx + side * halfLength, y);
        cairo_stroke(cr);
        diamond(cx + side * (halfLength + 5), y, 3);
    }
    diamond(cx, y, 7);
}

// ---------------------------------------------------------------------------
// The special pictures.

constexpr Colour TitleDeep = Colour::rgb(12, 32, 46);

void drawTitle(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(22, 62, 82)}, {0.55, Colour::rgb(28, 80, 102)}, {1, TitleDeep}});
    glow(cr, 400, 260, 420, Colour::rgb(70, 150, 170), 0.35);
    glow(cr, 400, 250, 200, palette::Accent, 0.12);
    // Soft out-of-focus lights.
    Rng rng(1207);
    for (int i = 0; i < 26; ++i) {
        glow(cr, rng.uniform(0, Width), rng.uniform(0, Height), rng.uniform(14, 46),
             i % 3 ? Colour::rgb(150, 210, 220) : palette::Accent, rng.uniform(0.05, 0.13));
    }
    faintLetters(cr, 77, 5, 4, 0.03);
    vignette(cr, 0.6);

    drawTiles(p,
              {
                  {70, 78, 58, -0.22, "L", 0.85},    {150, 150, 44, 0.18, "E", 0.55},
                  {246, 70, 50, 0.08, "T", 0.65},    {560, 64, 48, -0.12, "R", 0.6},
                  {660, 128, 62, 0.2, "E", 0.9},     {744, 60, 46, -0.3, "S", 0.55},
                  {390, 44, 36, 0.25, "I", 0.4},     {60, 470, 64, 0.16, "M", 0.95},
                  {150, 544, 50, -0.24, "O", 0.7},   {250, 480, 40, 0.3, "Z", 0.45},
                  {560, 556, 44, 0.1, "A", 0.55},    {650, 478, 58, -0.15, "U", 0.85},
                  {742, 552, 52, 0.26, "K", 0.75},  {360, 560, 34, -0.2, "W", 0.4},
                  {460, 520, 30, 0.35, "Y", 0.35},
              },
              TitleDeep);

    displayText(p, "GLOSSAMO",
                {Face::SerifBold, 100, 9, palette::Paper, Colour::rgb(244, 196, 110), palette::AccentDark}, 400,
                300);
    shadowedText(p, "Jeux de lettres et de mots", Face::Serif, 30, palette::Paper, 400, 372);
    ornament(cr, 400, 398, 150, withAlpha(palette::Accent, 0.9));
}

void drawMenuBackground(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(26, 66, 84)}, {0.6, Colour::rgb(20, 50, 68)}, {1, Colour::rgb(14, 34, 48)}});
    glow(cr, 220, 120, 520, Colour::rgb(60, 130, 150), 0.22);
    modulate(p, 7, [](int x, int y) { return fbm(x / 180.0, y / 180.0, 31, 4); });
    faintLetters(cr, 4242, 7, 5, 0.032);
    // A quiet frame around the lists and the description.
    roundedRectPath(cr, 36, 62, 728, 440, 18);
    setColour(cr, Colour{0, 0, 0, 0.16});
    cairo_fill_preserve(cr);
    setColour(cr, Colour{1, 1, 1, 0.08});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Faint guides between the two columns of names and above the description.
    const Stops guide = {{0, Colour{1, 1, 1, 0.0}}, {0.5, Colour{1, 1, 1, 0.1}}, {1, Colour{1, 1, 1, 0.0}}};
    cairo_rectangle(cr, 399.5, 84, 1, 280);
    fillLinear(cr, 0, 84, 0, 364, guide);
    cairo_rectangle(cr, 130, 378.5, 570, 1);
    fillLinear(cr, 130, 0, 700, 0, guide);
    // The seat of the button bar.
    cairo_rectangle(cr, 0, 526, Width, Height - 526);
    fillLinear(cr, 0, 526, 0, Height, {{0, Colour{0, 0, 0, 0.12}}, {1, Colour{0, 0, 0, 0.3}}});
    cairo_rectangle(cr, 0, 526, Width, 1);
    setColour(cr, Colour{1, 1, 1, 0.08});
    cairo_fill(cr);
    vignette(cr, 0.55);
    grain(p, 9, 3);
}

void drawFarewell(Picture& p) {
    cairo_t* cr = p.cr();
    const Colour deep = Colour::rgb(46, 22, 34);
    verticalGradient(cr, {{0, deep}, {0.5, Colour::rgb(104, 48, 46)}, {1, Colour::rgb(140, 78, 44)}});
    glow(cr, 400, 330, 460, palette::Accent, 0.3);
    glow(cr, 400, 250, 240, Colour::rgb(255, 214, 150), 0.14);
    Rng rng(2024);
    for (int i = 0; i < 22; ++i) {
        glow(cr, rng.uniform(0, Width), rng.uniform(0, Height), rng.uniform(12, 40), Colour::rgb(255, 200, 130),
             rng.uniform(0.05, 0.14));
    }
    vignette(cr, 0.6);

    drawTiles(p,
              {
                  {272, 456, 64, -0.12, "M", 1},   {336, 450, 64, 0.06, "E", 1},
                  {400, 458, 64, -0.05, "R", 1},   {464, 450, 64, 0.1, "C", 1},
                  {528, 456, 64, -0.08, "I", 1},   {86, 96, 52, -0.25, "A", 0.6},
                  {720, 110, 56, 0.2, "U", 0.65},  {110, 530, 46, 0.28, "B", 0.5},
                  {706, 526, 48, -0.22, "T", 0.55},
              },
              deep);

    displayText(p, "Au revoir !",
                {Face::SerifBold, 88, 8, palette::Paper, Colour::rgb(250, 206, 128), palette::AccentDark}, 400,
                250);
    shadowedText(p, "À bientôt sur GLOSSAMO", Face::Sans, 34, palette::Paper, 400, 335);
    ornament(cr, 400, 370, 130, withAlpha(palette::Accent, 0.9));
    grain(p, 13, 3);
}

// ---------------------------------------------------------------------------
// The backgrounds a player can choose for the games.

void drawArdoise(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(58, 68, 76)}, {1, Colour::rgb(40, 48, 56)}});
    // Traces of wiped chalk: wide, blurred sweeping arcs.
    softFill(p, Colour{1, 1, 1, 0.07}, 14, [](cairo_t* c) {
        Rng rng(5);
        cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 10; ++i) {
            const double cx = rng.uniform(0, Width), cy = rng.uniform(0, Height), r = rng.uniform(120, 360);
            const double start = rng.uniform(0, 2 * M_PI);
            cairo_arc(c, cx, cy, r, start, start + rng.uniform(0.6, 1.6));
            cairo_set_line_width(c, rng.uniform(30, 80));
            cairo_stroke(c);
        }
    });
    modulate(p, 9, [](int x, int y) { return fbm(x / 90.0, y / 90.0, 51, 5); });
    modulate(p, 5, [](int x, int y) { return fbm(x / 6.0, y / 2.5, 52, 2); });
    vignette(cr, 0.5);
    // A narrow wooden frame, with the slate's shadow inside it.
    constexpr double Frame = 12;
    cairo_rectangle(cr, 0, 0, Width, Height);
    cairo_rectangle(cr, Frame, Frame, Width - 2 * Frame, Height - 2 * Frame);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fillLinear(cr, 0, 0, Width, Height, {{0, Colour::rgb(120, 82, 50)}, {1, Colour::rgb(84, 54, 32)}});
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_rectangle(cr, Frame + 1, Frame + 1, Width - 2 * Frame - 2, Height - 2 * Frame - 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_rectangle(cr, 0.5, 0.5, Width - 1, Height - 1);
    cairo_set_source_rgba(cr, 1, 0.9, 0.75, 0.15);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    grain(p, 53, 4);
}

// A hedgerow along a crest: a dense row of flat round bushes with, here
// and there, a tree rising out of it.
void hedge(cairo_t* cr, const Skyline& crest, std::uint32_t seed, double scale, const Colour& colour) {
    Rng rng(seed);
    setColour(cr, colour);
    auto disc = [cr](double x, double y, double r) {
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
    };
    for (double x = -10; x < Width + 10; x += rng.uniform(3, 6) * scale) {
        const double ground = crest.at(x);
        if (rng.below(28) == 0) {
            const double r = rng.uniform(8, 12) * scale;
            cairo_rectangle(cr, x - r * 0.1, ground - r * 1.6, r * 0.2, r * 1.6);
            cairo_fill(cr);
            disc(x, ground - r * 1.9, r);
            disc(x - r * 0.7, ground - r * 1.4, r * 0.75);
            disc(x + r * 0.7, ground - r * 1.45, r * 0.8);
        }
        disc(x, ground - 1.5 * scale, rng.uniform(4, 6.5) * scale);
    }
}

void drawBocage(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(62, 98, 104)}, {0.45, Colour::rgb(86, 116, 98)}, {1, Colour::rgb(70, 96, 78)}});
    glow(cr, 620, 170, 300, Colour::rgb(240, 220, 160), 0.16);
    struct Field {
        Skyline crest;
        Colour colour;
    };
    const Field fields[] = {{{300, {{18, 520, 0.4}, {8, 190, 1.3}}}, Colour::rgb(76, 104, 80)},
                            {{360, {{24, 640, 2.0}, {10, 230, 0.2}}}, Colour::rgb(62, 94, 64)},
                            {{430, {{28, 700, 4.1}, {12, 260, 1.0}}}, Colour::rgb(70, 90, 56)},
                            {{510, {{30, 760, 0.9}, {14, 300, 2.6}}}, Colour::rgb(44, 72, 48)}};
    std::uint32_t seed = 61;
    double scale = 0.7;
    for (const Field& field : fields) {
        landLayer(cr, field.crest, field.colour);
        hedge(cr, field.crest, seed++, scale, mix(field.colour, palette::Ink, 0.35));
        scale += 0.25;
    }
    haze(cr, 300, 30, Colour::rgb(170, 190, 170), 0.12);
    modulate(p, 6, [](int x, int y) { return fbm(x / 60.0, y / 60.0, 62, 4); });
    vignette(cr, 0.55);
    grain(p, 63, 4);
}

void drawCrepuscule(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(34, 32, 70)},
                          {0.4, Colour::rgb(82, 54, 90)},
                          {0.68, Colour::rgb(146, 84, 78)},
                          {1, Colour::rgb(120, 70, 64)}});
    glow(cr, 560, 420, 320, Colour::rgb(250, 170, 90), 0.35);
    glow(cr, 560, 420, 90, Colour::rgb(255, 210, 140), 0.3);
    // Long, soft streaks of cloud lit from below.
    softFill(p, Colour::rgb(255, 190, 160, 0.16), 6, [](cairo_t* c) {
        Rng rng(71);
        for (int i = 0; i < 9; ++i) {
            const double y = rng.uniform(90, 380), x = rng.uniform(-100, Width), w = rng.uniform(200, 460);
            cairo_save(c);
            cairo_translate(c, x + w / 2, y);
            cairo_scale(c, w / 2, rng.uniform(4, 9));
            cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(c);
            cairo_fill(c);
        }
    });
    landLayer(cr, {440, {{20, 560, 1.0}, {9, 210, 0.3}}}, Colour::rgb(86, 52, 72));
    haze(cr, 444, 26, Colour::rgb(220, 140, 110), 0.14);
    landLayer(cr, {500, {{26, 680, 3.0}, {10, 250, 1.7}}}, Colour::rgb(62, 38, 60));
    landLayer(cr, {560, {{22, 760, 5.0}, {8, 300, 0.4}}}, Colour::rgb(44, 28, 46));
    stars(cr, 72, 60, 240, 0.5);
    vignette(cr, 0.5);
    grain(p, 73, 4);
}

void drawOcean(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(36, 100, 132)}, {0.5, Colour::rgb(24, 70, 104)}, {1, Colour::rgb(12, 36, 62)}});
    // Light rays fanning from above the surface.
    Rng rng(81);
    for (int i = 0; i < 9; ++i) {
        const double top = rng.uniform(100, 700), spread = rng.uniform(30, 90), lean = rng.uniform(-260, -60);
        cairo_move_to(cr, top - 12, -10);
        cairo_line_to(cr, top + 12, -10);
        cairo_line_to(cr, top + lean + spread, Height);
        cairo_line_to(cr, top + lean - spread, Height);
        cairo_close_path(cr);
        fillLinear(cr, 0, 0, 0, Height, {{0, Colour{0.8, 0.95, 1, rng.uniform(0.05, 0.09)}}, {0.8, Colour{0.8, 0.95, 1, 0}}});
    }
    // Rippling caustics near the surface.
    modulate(p, 10, [](int x, int y) {
        const double n = std::abs(fbm(x / 70.0, y / 35.0, 82, 3));
        return std::max(0.0, 0.25 - n) * 4 * std::max(0.0, 1 - y / 300.0);
    });
    // Gentle swell lines.
    for (int i = 0; i < 12; ++i) {
        const double baseY = 60 + i * 48;
        cairo_move_to(cr, 0, baseY);
        for (int x = 0; x <= Width; x += 8)
            cairo_line_to(cr, x, baseY + 8 * std::sin(x / 70.0 + i * 1.7) + 4 * std::sin(x / 23.0 + i));
        cairo_set_line_width(cr, 2);
        cairo_set_source_rgba(cr, 0.75, 0.9, 1, 0.035);
        cairo_stroke(cr);
    }
    // A few rising bubbles.
    for (int i = 0; i < 24; ++i) {
        cairo_arc(cr, rng.uniform(0, Width), rng.uniform(0, Height), rng.uniform(2, 7), 0, 2 * M_PI);
        cairo_set_line_width(cr, 1.2);
        cairo_set_source_rgba(cr, 0.85, 0.95, 1, rng.uniform(0.06, 0.14));
        cairo_stroke(cr);
    }
    vignette(cr, 0.55);
    grain(p, 83, 4);
}

void drawLavande(Picture& p) {
    cairo_t* cr = p.cr();
    constexpr double Horizon = 250;
    verticalGradient(cr, {{0, Colour::rgb(70, 72, 120)}, {Horizon / Height, Colour::rgb(128, 104, 140)}, {1, Colour::rgb(60, 44, 86)}});
    glow(cr, 250, Horizon - 10, 260, Colour::rgb(255, 200, 170), 0.2);
    landLayer(cr, {Horizon, {{10, 500, 0.7}, {4, 170, 2.2}}}, Colour::rgb(96, 84, 124));
    // Rows of lavender running to the horizon.
    cairo_save(cr);
    cairo_rectangle(cr, 0, Horizon + 14, Width, Height);
    cairo_clip(cr);
    for (int i = -24; i <= 24; ++i) {
        const double vanishX = 420;
        const double x0 = vanishX + i * 3.0, x1 = vanishX + i * 110.0;
        cairo_move_to(cr, x0, Horizon + 14);
        cairo_line_to(cr, x0 + 1.6, Horizon + 14);
        cairo_line_to(cr, x1 + 44, Height);
        cairo_line_to(cr, x1 - 14, Height);
        cairo_close_path(cr);
        fillLinear(cr, 0, Horizon, 0, Height,
                   {{0, Colour::rgb(120, 96, 160, 0.4)}, {1, Colour::rgb(110, 80, 150, 0.45)}});
    }
    cairo_restore(cr);
    haze(cr, Horizon + 16, 22, Colour::rgb(200, 170, 200), 0.18);
    modulate(p, 7, [](int x, int y) { return y > Horizon ? fbm(x / 14.0, y / 30.0, 91, 3) : 0.0; });
    vignette(cr, 0.55);
    grain(p, 93, 4);
}

// A conifer in silhouette: a tall spire with gently hollowed sides.
void pine(cairo_t* cr, double x, double baseY, double height, const Colour& colour) {
    const double half = height * 0.25;
    setColour(cr, colour);
    cairo_move_to(cr, x, baseY - height);
    cairo_curve_to(cr, x + half * 0.25, baseY - height * 0.55, x + half * 0.6, baseY - height * 0.2, x + half, baseY);
    cairo_line_to(cr, x - half, baseY);
    cairo_curve_to(cr, x - half * 0.6, baseY - height * 0.2, x - half * 0.25, baseY - height * 0.55, x, baseY - height);
    cairo_fill(cr);
}

void drawForet(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(56, 88, 84)}, {0.5, Colour::rgb(48, 80, 70)}, {1, Colour::rgb(26, 46, 38)}});
    glow(cr, 400, 140, 380, Colour::rgb(220, 235, 200), 0.12);
    struct Row {
        double baseY, minH, maxH, step;
        Colour colour;
    };
    const Row rows[] = {{330, 90, 150, 24, Colour::rgb(66, 98, 88)},
                        {420, 120, 190, 34, Colour::rgb(50, 82, 70)},
                        {530, 150, 250, 48, Colour::rgb(36, 64, 52)},
                        {640, 200, 320, 66, Colour::rgb(26, 46, 38)}};
    Rng rng(101);
    for (const Row& row : rows) {
        for (double x = -30; x < Width + 40; x += row.step * rng.uniform(0.6, 1.2))
            pine(cr, x, row.baseY + rng.uniform(-6, 6), rng.uniform(row.minH, row.maxH), row.colour);
        cairo_rectangle(cr, 0, row.baseY - 6, Width, Height);
        setColour(cr, row.colour);
        cairo_fill(cr);
        haze(cr, row.baseY - 10, 40, Colour::rgb(190, 210, 190), 0.1);
    }
    modulate(p, 6, [](int x, int y) { return fbm(x / 50.0, y / 50.0, 102, 4); });
    vignette(cr, 0.55);
    grain(p, 103, 4);
}

void drawSable(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(64, 50, 70)}, {0.35, Colour::rgb(126, 88, 76)}, {1, Colour::rgb(110, 74, 50)}});
    glow(cr, 210, 200, 260, Colour::rgb(255, 214, 150), 0.2);
    struct Dune {
        Skyline crest;
        Colour colour;
    };
    const Dune dunes[] = {{{250, {{22, 600, 0.5}, {10, 260, 1.9}}}, Colour::rgb(136, 94, 66)},
                          {{330, {{34, 720, 2.4}, {12, 300, 0.6}}}, Colour::rgb(126, 86, 56)},
                          {{420, {{40, 820, 4.0}, {14, 340, 2.8}}}, Colour::rgb(112, 76, 48)},
                          {{520, {{44, 900, 1.2}, {16, 360, 5.0}}}, Colour::rgb(96, 64, 40)}};
    for (const Dune& d : dunes) {
        // The lit face a little lighter than the side in shade.
        skylinePath(cr, d.crest);
        fillLinear(cr, 0, 0, Width, 0,
                   {{0, mix(d.colour, palette::Land, 0.18)}, {0.55, d.colour}, {1, mix(d.colour, palette::Ink, 0.2)}});
        skylinePath(cr, d.crest);
        cairo_set_source_rgba(cr, 1, 0.9, 0.75, 0.12);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Ripples blown into the sand.
    modulate(p, 6, [](int x, int y) {
        return y > 250 ? std::sin(y / 3.2 + 6 * fbm(x / 120.0, y / 60.0, 111, 3)) * 0.5 : 0.0;
    });
    modulate(p, 5, [](int x, int y) { return fbm(x / 70.0, y / 70.0, 112, 4); });
    vignette(cr, 0.55);
    grain(p, 113, 5);
}

void drawNuit(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(14, 20, 46)}, {0.6, Colour::rgb(24, 34, 72)}, {1, Colour::rgb(36, 46, 86)}});
    // A faint band of the Milky Way across the sky.
    modulate(p, 14, [](int x, int y) {
        const double d = (y - 0.5 * x - 120) / 120.0;
        return std::exp(-d * d) * (0.5 + 0.5 * fbm(x / 60.0, y / 60.0, 121, 4));
    });
    stars(cr, 122, 420, Height, 0.75);
    glow(cr, 742, 64, 140, Colour::rgb(220, 230, 255), 0.18);
    cairo_arc(cr, 742, 64, 24, 0, 2 * M_PI);
    setColour(cr, Colour::rgb(232, 232, 216));
    cairo_fill(cr);
    cairo_arc(cr, 752, 58, 22, 0, 2 * M_PI);
    setColour(cr, Colour::rgb(18, 24, 52, 0.92));
    cairo_fill(cr);
    landLayer(cr, {560, {{16, 640, 1.0}, {6, 220, 2.0}}}, Colour::rgb(16, 20, 38));
    vignette(cr, 0.45);
    grain(p, 123, 4);
}

void drawBrique(Picture& p) {
    cairo_t* cr = p.cr();
    setColour(cr, Colour::rgb(62, 46, 42));
    cairo_paint(cr);
    constexpr double BrickW = 84, BrickH = 36, Joint = 4;
    Rng rng(131);
    for (int row = 0; row * BrickH < Height; ++row) {
        const double offset = row % 2 ? -BrickW / 2 : 0;
        for (double x = offset; x < Width; x += BrickW) {
            const double tint = rng.uniform(-8, 8);
            roundedRectPath(cr, x + Joint / 2, row * BrickH + Joint / 2, BrickW - Joint, BrickH - Joint, 4);
            setColour(cr, Colour::rgb(static_cast<int>(98 + tint), static_cast<int>(52 + tint * 0.6),
                                      static_cast<int>(42 + tint * 0.4)));
            cairo_fill(cr);
            // A soft bevel: lit along the top, shaded along the bottom.
            const double y = row * BrickH + Joint / 2;
            cairo_rectangle(cr, x + Joint / 2 + 3, y, BrickW - Joint - 6, 1.5);
            cairo_set_source_rgba(cr, 1, 0.85, 0.7, 0.08);
            cairo_fill(cr);
            cairo_rectangle(cr, x + Joint / 2 + 3, y + BrickH - Joint - 2, BrickW - Joint - 6, 2);
            cairo_set_source_rgba(cr, 0, 0, 0, 0.15);
            cairo_fill(cr);
        }
    }
    modulate(p, 9, [](int x, int y) { return fbm(x / 14.0, y / 14.0, 132, 4); });
    modulate(p, 8, [](int x, int y) { return fbm(x / 160.0, y / 160.0, 133, 3); });
    glow(cr, 400, 240, 480, Colour::rgb(255, 200, 150), 0.1);
    vignette(cr, 0.75);
    grain(p, 134, 4);
}

void drawAurore(Picture& p) {
    cairo_t* cr = p.cr();
    verticalGradient(cr, {{0, Colour::rgb(10, 20, 38)}, {0.7, Colour::rgb(18, 42, 58)}, {1, Colour::rgb(22, 50, 62)}});
    stars(cr, 141, 260, 420, 0.6);
    // Curtains of light: bright along a wavy lower edge, fading upwards in
    // vertical streaks.
    struct Curtain {
        double baseY, height, phase;
        Colour colour;
    };
    const Curtain curtains[] = {{250, 160, 0.0, Colour::rgb(70, 220, 150)},
                                {330, 120, 2.1, Colour::rgb(60, 190, 190)},
                                {200, 110, 4.0, Colour::rgb(150, 110, 210)}};
    eachPixel(p, [&](int x, int y, double& r, double& g, double& b) {
        for (const Curtain& c : curtains) {
            const double edge = c.baseY + 40 * std::sin(x / 150.0 + c.phase) + 18 * std::sin(x / 57.0 + 2 * c.phase);
            const double above = (edge - y) / c.height;
            double light = above >= 0 ? std::exp(-above * 1.5) : std::exp(-(y - edge) * (y - edge) / 300.0);
            light *= 0.6 + 0.4 * fbm(x / 22.0, y / 400.0, 142, 2);
            light *= 0.55 + 0.45 * std::sin(x / 190.0 + c.phase * 1.3);
            r += c.colour.r * 255 * light * 0.4;
            g += c.colour.g * 255 * light * 0.4;
            b += c.colour.b * 255 * light * 0.4;
        }
    });
    landLayer(cr, {540, {{30, 300, 0.3}, {18, 130, 1.5}, {8, 47, 0.2}}}, Colour::rgb(12, 22, 32));
    vignette(cr, 0.45);
    grain(p, 143, 4);
}

// ---------------------------------------------------------------------------
// The sliding panel of the menu screens: a dark slate card with a warm rim,
// a soft inner shadow and a title band, keyed outside its rounded shape.

void drawPanel(Picture& p) {
    cairo_t* cr = p.cr();
    const double w = p.width(), h = p.height();
    constexpr double Rim = 6, Radius = 24;
    roundedRectPath(cr, 0.5, 0.5, w - 1, h - 1, Radius);
    fillLinear(cr, 0, 0, 0, h, {{0, Colour::rgb(240, 214, 160)}, {1, Colour::rgb(196, 150, 88)}});

    auto body = [&](cairo_t* c) { roundedRectPath(c, Rim, Rim, w - 2 * Rim, h - 2 * Rim, Radius - Rim); };
    body(cr);
    fillLinear(cr, 0, Rim, 0, h - Rim, {{0, Colour::rgb(46, 88, 110)}, {1, Colour::rgb(30, 58, 78)}});
    body(cr);
    cairo_clip(cr);
    glow(cr, w / 2, 110, 300, Colour::rgb(110, 170, 190), 0.12);
    // The title band.
    cairo_rectangle(cr, 0, 45, w, 35);
    fillLinear(cr, 0, 45, 0, 80, {{0, Colour::rgb(18, 36, 52, 0.9)}, {1, Colour::rgb(24, 46, 64, 0.9)}});
    cairo_rectangle(cr, 0, 80, w, 2);
    setColour(cr, withAlpha(palette::Accent, 0.8));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 44, w, 1);
    setColour(cr, Colour{1, 1, 1, 0.12});
    cairo_fill(cr);
    // The inner shadow: a frame around the body, blurred, drawn inside it.
    Picture frame(p.width(), p.height());
    cairo_set_source_rgba(frame.cr(), 0, 0, 0, 1);
    cairo_paint(frame.cr());
    cairo_set_operator(frame.cr(), CAIRO_OPERATOR_CLEAR);
    cairo_translate(frame.cr(), 0, 3);
    body(frame.cr());
    cairo_fill(frame.cr());
    blur(frame, 4);
    cairo_set_source_surface(cr, frame.surface(), 0, 0);
    cairo_paint_with_alpha(cr, 0.6);
    cairo_reset_clip(cr);
    // A fine light line just inside the rim.
    roundedRectPath(cr, Rim + 1, Rim + 1, w - 2 * Rim - 2, h - 2 * Rim - 2, Radius - Rim - 1);
    setColour(cr, Colour{1, 1, 1, 0.12});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    grain(p, 151, 2);
}

struct Scene {
    const char* file;
    void (*draw)(Picture&);
};

}  // namespace

void forgeBackgrounds(const Paths& paths) {
    const std::string folder = paths.app + "bitmaps/background/";
    const Scene scenes[] = {
        {"00000.jpg", drawTitle},     {"000000.jpg", drawMenuBackground}, {"0000000.jpg", drawFarewell},
        {"Ardoise.jpg", drawArdoise}, {"Aurore.jpg", drawAurore},         {"Bocage.jpg", drawBocage},
        {"Brique.jpg", drawBrique},   {"Crépuscule.jpg", drawCrepuscule}, {"Forêt.jpg", drawForet},
        {"Lavande.jpg", drawLavande}, {"Nuit.jpg", drawNuit},             {"Océan.jpg", drawOcean},
        {"Sable.jpg", drawSable},
    };
    for (const Scene& scene : scenes) {
        Picture picture(Width, Height);
        scene.draw(picture);
        saveJpeg(picture, folder + scene.file, 90);
    }

    Picture panel(580, 420);
    drawPanel(panel);
    saveKeyedJpeg(panel, paths.app + "bitmaps/Fenetres/fenetre.jpg", PanelKey, palette::Ink);
}

}  // namespace forge
