// Pictures, fonts and the file writers shared by every generator.
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "forge.hpp"

namespace forge {

namespace {

std::uint8_t channel(double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

void makeParent(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
}

// Opaque 8-bit RGB rows of a picture: transparent pixels become `key`,
// the others are composited over `matte`.
std::vector<std::uint8_t> flatten(const Picture& picture, const Colour* key, Colour matte) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(picture.width()) * picture.height() * 3);
    std::size_t i = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Picture::Pixel p = picture.pixel(x, y);
            std::uint8_t r, g, b;
            if (key && p.a == 0) {
                r = channel(key->r);
                g = channel(key->g);
                b = channel(key->b);
            } else {
                const double a = p.a / 255.0;
                r = channel(p.r / 255.0 * a + matte.r * (1 - a));
                g = channel(p.g / 255.0 * a + matte.g * (1 - a));
                b = channel(p.b / 255.0 * a + matte.b * (1 - a));
                // A drawn pixel must never read as the key on the 16-bit
                // screen (red < 8, green < 4, blue >= 248).
                if (key && r < 8 && g < 4 && b >= 248) b = 240;
            }
            rgb[i++] = r;
            rgb[i++] = g;
            rgb[i++] = b;
        }
    }
    return rgb;
}

void put16(std::string& s, std::uint32_t v) { s += static_cast<char>(v & 0xFF); s += static_cast<char>((v >> 8) & 0xFF); }
void put32(std::string& s, std::uint32_t v) { put16(s, v & 0xFFFF); put16(s, v >> 16); }

void writeBmp(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::string out = "BM";
    put32(out, 54 + imageBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, imageBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
            out += static_cast<char>(rgb[i + 2]);
            out += static_cast<char>(rgb[i + 1]);
            out += static_cast<char>(rgb[i]);
        }
        out.append(rowBytes - static_cast<std::uint32_t>(width) * 3, '\0');
    }
    saveBytes(path, out);
}

void writeJpeg(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb, int quality,
               bool fullChroma) {
    makeParent(path);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    if (fullChroma) {
        for (int c = 0; c < 3; ++c) {
            info.comp_info[c].h_samp_factor = 1;
            info.comp_info[c].v_samp_factor = 1;
        }
    }
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < height; ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + static_cast<std::size_t>(y) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(f);
}

const char* faceFile(Face face) {
    switch (face) {
        case Face::Sans: return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
        case Face::SansBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
        case Face::Serif: return "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
        case Face::SerifBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
        case Face::Mono: return "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
        case Face::MonoBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
    }
    return "";
}

// Faces live for the whole run of the forge.
cairo_font_face_t* cairoFace(Face face) {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("FreeType did not start");
        return lib;
    }();
    static std::map<Face, cairo_font_face_t*> faces;
    if (auto it = faces.find(face); it != faces.end()) return it->second;
    FT_Face ft = nullptr;
    if (FT_New_Face(library, faceFile(face), 0, &ft) != 0)
        throw std::runtime_error(std::string("missing font ") + faceFile(face));
    cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(ft, 0);
    faces[face] = cf;
    return cf;
}

}  // namespace

Picture::Picture(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Picture::~Picture() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Picture::Pixel Picture::pixel(int x, int y) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const auto argb = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    const std::uint8_t a = argb >> 24;
    if (a == 0) return {0, 0, 0, 0};
    auto unpremultiply = [a](std::uint32_t c) { return static_cast<std::uint8_t>(std::min(255u, (c * 255 + a / 2) / a)); };
    return {unpremultiply((argb >> 16) & 0xFF), unpremultiply((argb >> 8) & 0xFF), unpremultiply(argb & 0xFF), a};
}

void useFont(cairo_t* cr, Face face, double size) {
    cairo_set_font_face(cr, cairoFace(face));
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

cairo_text_extents_t measure(cairo_t* cr, std::string_view utf8) {
    cairo_text_extents_t extents;
    const std::string text(utf8);
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents;
}

void centredText(cairo_t* cr, std::string_view utf8, double cx, double baselineY) {
    const cairo_text_extents_t e = measure(cr, utf8);
    cairo_move_to(cr, cx - e.x_advance / 2, baselineY);
    const std::string text(utf8);
    cairo_show_text(cr, text.c_str());
}

void setColour(cairo_t* cr, const Colour& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void saveBmp(const Picture& picture, const std::string& path) {
    writeBmp(path, picture.width(), picture.height(), flatten(picture, nullptr, palette::Matte));
}

void saveKeyedBmp(const Picture& picture, const std::string& path, Colour key, Colour matte) {
    writeBmp(path, picture.width(), picture.height(), flatten(picture, &key, matte));
}

void saveJpeg(const Picture& picture, const std::string& path, int quality) {
    writeJpeg(path, picture.width(), picture.height(), flatten(picture, nullptr, palette::Matte), quality, false);
}

void saveKeyedJpeg(const Picture& picture, const std::string& path, Colour key, Colour matte) {
    writeJpeg(path, picture.width(), picture.height(), flatten(picture, &key, matte), 100, true);
}

void saveBytes(const std::string& path, const std::string& bytes) {
    makeParent(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

void savePng(const Picture& picture, const std::string& path) {
    makeParent(path);
    cairo_surface_flush(picture.surface());
    if (cairo_surface_write_to_png(picture.surface(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

std::string codeToUtf8(int code) {
    // Windows-1252 fills 128..159 with printable signs; the rest is Latin-1.
    static const char32_t cp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    char32_t c = static_cast<char32_t>(code);
    if (code >= 128 && code < 160) c = cp1252[code - 128];
    if (c == 0 || code < 32 || code > 255) return {};
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace forge
