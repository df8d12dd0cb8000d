#include "platform/page_printer.hpp"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <fstream>

namespace glossamo {

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double HmmPerInch = 2540.0;
constexpr const char* PageFont = "DejaVu Sans";
constexpr const char* PageFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The page's font read from its file by FreeType, once for the process: no
// font configuration is needed to find it (a browser has none, and there
// cairo's fallback font cannot draw). Null when the file cannot be read.
cairo_font_face_t* loadPageFontFace() {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) return nullptr;
    if (FT_New_Face(library, PageFontFile, 0, &face) != 0) {
        FT_Done_FreeType(library);
        return nullptr;
    }
    return cairo_ft_font_face_create_for_ft_face(face, 0);
}

void selectPageFont(cairo_t* cr) {
    static cairo_font_face_t* const face = loadPageFontFace();
    if (face)
        cairo_set_font_face(cr, face);
    else
        cairo_select_font_face(cr, PageFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
}

}  // namespace

std::string utf8FromLatin1(const std::string& latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

namespace {

// Lines as thick as a pen of a sixth of a millimetre, at least one pixel.
double penWidth(int dpi) { return std::max(1, dpi / 150); }

// Hatching lines run at 45 degrees across the whole page, so that the
// hatching of neighbouring cells joins up.
void drawHatch(cairo_t* cr, const RecordedPage::Operation& op, int dpi) {
    const double spacing = std::max(4, dpi / 25);
    cairo_save(cr);
    cairo_rectangle(cr, op.x0, op.y0, op.x1 - op.x0, op.y1 - op.y0);
    cairo_clip(cr);
    cairo_set_line_width(cr, penWidth(dpi));
    const double size = (op.x1 - op.x0) + (op.y1 - op.y0);
    // Lines x + y = k * spacing and x - y = k * spacing crossing the rectangle.
    const double firstSum = std::floor((op.x0 + op.y0) / spacing) * spacing;
    for (double k = firstSum; k <= op.x1 + op.y1; k += spacing) {
        cairo_move_to(cr, k - op.y0, op.y0);
        cairo_line_to(cr, k - op.y0 - size, op.y0 + size);
    }
    const double firstDifference = std::floor((op.x0 - op.y1) / spacing) * spacing;
    for (double k = firstDifference; k <= op.x1 - op.y0; k += spacing) {
        cairo_move_to(cr, k + op.y0, op.y0);
        cairo_line_to(cr, k + op.y0 + size, op.y0 + size);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Draws the operations in printer pixels, black on what is there.
void drawOperations(cairo_t* cr, const RecordedPage& page) {
    const int dpi = page.geometry().dpi;
    selectPageFont(cr);
    for (const RecordedPage::Operation& op : page.operations()) {
        switch (op.kind) {
            case RecordedPage::Kind::Text: {
                cairo_set_font_size(cr, op.fontSize * dpi / PointsPerInch);
                cairo_font_extents_t font;
                cairo_font_extents(cr, &font);
                cairo_set_source_rgb(cr, 0, 0, 0);
                cairo_move_to(cr, op.x0, op.y0 + font.ascent);
                cairo_show_text(cr, utf8FromLatin1(op.text).c_str());
                break;
            }
            case RecordedPage::Kind::Frame: {
                const double pen = penWidth(dpi);
                cairo_set_source_rgb(cr, 1, 1, 1);
                cairo_rectangle(cr, op.x0, op.y0, op.x1 - op.x0, op.y1 - op.y0);
                cairo_fill(cr);
                cairo_set_source_rgb(cr, 0, 0, 0);
                cairo_set_line_width(cr, pen);
                cairo_rectangle(cr, op.x0 + pen / 2, op.y0 + pen / 2, op.x1 - op.x0 - pen, op.y1 - op.y0 - pen);
                cairo_stroke(cr);
                break;
            }
            case RecordedPage::Kind::Hatch:
                cairo_set_source_rgb(cr, 0, 0, 0);
                drawHatch(cr, op, dpi);
                break;
        }
    }
}

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

PageGeometry PageGeometry::a4(int dpi) { return fromMedia(21000, 29700, 0, 0, 0, 0, dpi); }

PageGeometry PageGeometry::fromMedia(int widthHmm, int lengthHmm, int leftHmm, int topHmm, int rightHmm,
                                     int bottomHmm, int dpi) {
    PageGeometry g;
    const auto points = [](int hmm) { return hmm * PointsPerInch / HmmPerInch; };
    const auto pixels = [dpi](int hmm) { return static_cast<int>(std::lround(hmm * dpi / HmmPerInch)); };
    g.dpi = dpi;
    g.paperWidth = points(widthHmm);
    g.paperHeight = points(lengthHmm);
    g.left = points(leftHmm);
    g.top = points(topHmm);
    g.width = pixels(widthHmm - leftHmm - rightHmm);
    g.height = pixels(lengthHmm - topHmm - bottomHmm);
    return g;
}

void RecordedPage::text(int x, int y, const std::string& latin1) {
    operations_.push_back({Kind::Text, x, y, x, y, fontSize_, latin1});
}

int RecordedPage::textWidth(const std::string& latin1) const {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    selectPageFont(cr);
    cairo_set_font_size(cr, fontSize_ * geometry_.dpi / PointsPerInch);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8FromLatin1(latin1).c_str(), &extents);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return static_cast<int>(std::ceil(std::max(extents.x_advance, extents.x_bearing + extents.width)));
}

void RecordedPage::frameRect(int left, int top, int right, int bottom) {
    operations_.push_back({Kind::Frame, left, top, right, bottom, 0, {}});
}

void RecordedPage::hatchRect(int left, int top, int right, int bottom) {
    operations_.push_back({Kind::Hatch, left, top, right, bottom, 0, {}});
}

bool pagePdf(const RecordedPage& page, std::string& pdf, std::string& error) {
    pdf.clear();
    const PageGeometry& g = page.geometry();
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(appendToString, &pdf, g.paperWidth, g.paperHeight);
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, g.left, g.top);
    cairo_scale(cr, PointsPerInch / g.dpi, PointsPerInch / g.dpi);
    drawOperations(cr, page);
    cairo_show_page(cr);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = cairo_status_to_string(status);
        return false;
    }
    return true;
}

bool writePagePdf(const RecordedPage& page, const std::string& path, std::string& error) {
    std::string pdf;
    if (!pagePdf(page, pdf, error)) return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
    out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

std::uint32_t PageImage::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFFu;
    return argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
}

bool PageImage::ink(int x, int y) const {
    const std::uint32_t p = pixel(x, y);
    return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 128;
}

bool PageImage::writePng(const std::string& path) const {
    std::vector<std::uint32_t> copy = argb;
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(copy.data()), CAIRO_FORMAT_ARGB32, width, height, width * 4);
    const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

PageImage renderPage(const RecordedPage& page, double scale) {
    PageImage image;
    image.width = std::max(1, static_cast<int>(std::lround(page.width() * scale)));
    image.height = std::max(1, static_cast<int>(std::lround(page.height() * scale)));
    image.argb.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0xFFFFFFFFu);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(image.argb.data()), CAIRO_FORMAT_ARGB32, image.width, image.height,
        image.width * 4);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    drawOperations(cr, page);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
    return image;
}

// --- printing with a PDF file as the fallback -------------------------------

PrintOutcome printThrough(PrintSystem& system, const std::string& title,
                          const std::function<void(PageCanvas&)>& drawPage, const std::string& pdfIfNotPrinted,
                          std::optional<RecordedPage>& drawn) {
    PrintOutcome outcome;
    const std::optional<PageGeometry> paper = system.defaultPage(outcome.problem);
    if (paper) {
        drawn.emplace(*paper);
        drawPage(*drawn);
        std::string pdf;
        if (!pagePdf(*drawn, pdf, outcome.problem)) {
            outcome.problem = "the page could not be drawn: " + outcome.problem;
        } else if (system.send(title, pdf, outcome.problem)) {
            outcome.printed = true;
            return outcome;
        }
    } else {
        outcome.noPrinter = true;
        drawn.emplace(PageGeometry::a4());
        drawPage(*drawn);
    }
    std::string error;
    if (writePagePdf(*drawn, pdfIfNotPrinted, error))
        outcome.savedPdf = pdfIfNotPrinted;
    else
        outcome.problem += "; " + error;
    return outcome;
}

}  // namespace glossamo
