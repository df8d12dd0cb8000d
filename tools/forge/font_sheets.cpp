// The three bitmap fonts of the program, as sheets of glyph cells: 24
// glyphs a row, glyph g = code - 32 for every code 32..255 (Windows-1252),
// each glyph centred in the cell where the program cuts it out.
#include <algorithm>
#include <string>

#include "forge.hpp"

namespace forge {

namespace {

constexpr int FirstCode = 32;
constexpr int LastCode = 255;
constexpr int GlyphsPerRow = 24;

// Where a font's cells lie on its sheet, as the program reads them: the
// cell of glyph g is (pitchX * k + left, pitchY * r + top) with
// k = g % 24 + 1 and r = g / 24, and is width x height pixels.
struct CellGeometry {
    int pitchX, left, pitchY, top, width, height;
    int x(int g) const { return pitchX * (g % GlyphsPerRow + 1) + left; }
    int y(int g) const { return pitchY * (g / GlyphsPerRow) + top; }
};

struct GlyphStyle {
    Face face;
    double size;        // pixels
    double widen;       // horizontal scale, to fill the font's advance
    double maxInk;      // widest ink allowed, outline included; wider glyphs are narrowed
    double centreX;     // ink centre, from the cell's left edge
    double baseline;    // from the cell's top edge
    Colour fill;
    Colour outline;
    double outlineWidth;  // 0: none
    Colour shadow;
    double shadowOffset;  // 0: none
    double underlineY = 0;  // 0: none; else the top of a bar under the glyph, from the cell's top edge
};

// A short bar under the glyph in its fill, edged like it: it marks the
// highlighted letters by shape, not by their ink alone.
void drawUnderline(cairo_t* cr, double cellX, double cellY, const GlyphStyle& style) {
    constexpr double Width = 14, Height = 2.5;
    roundedRectPath(cr, cellX + style.centreX - Width / 2, cellY + style.underlineY, Width, Height, 1);
    setColour(cr, style.outline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke_preserve(cr);
    setColour(cr, style.fill);
    cairo_fill(cr);
}

void drawGlyph(cairo_t* cr, const std::string& utf8, double cellX, double cellY, const GlyphStyle& style) {
    useFont(cr, style.face, style.size);
    const cairo_text_extents_t e = measure(cr, utf8);
    const double ink = e.width * style.widen + style.outlineWidth;
    const double squeeze = style.widen * (ink > style.maxInk ? style.maxInk / ink : 1.0);
    cairo_save(cr);
    cairo_translate(cr, cellX + style.centreX, cellY + style.baseline);
    cairo_scale(cr, squeeze, 1.0);
    cairo_translate(cr, -(e.x_bearing + e.width / 2), 0);
    if (style.shadowOffset > 0) {
        cairo_save(cr);
        cairo_translate(cr, style.shadowOffset / squeeze, style.shadowOffset);
        cairo_move_to(cr, 0, 0);
        cairo_text_path(cr, utf8.c_str());
        setColour(cr, style.shadow);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, utf8.c_str());
    if (style.outlineWidth > 0) {
        setColour(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setColour(cr, style.fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void writeSheet(const std::string& path, const CellGeometry& cells, const GlyphStyle& style, Colour matte) {
    const int g = LastCode - FirstCode;
    Picture sheet(cells.x(GlyphsPerRow - 1) + cells.width + 4, cells.y(g) + cells.height + 2);
    for (int code = FirstCode; code <= LastCode; ++code) {
        const std::string text = codeToUtf8(code);
        if (text.empty() || text == " " || code == 127 || code == 160) continue;
        const int glyph = code - FirstCode;
        cairo_save(sheet.cr());
        cairo_rectangle(sheet.cr(), cells.x(glyph), cells.y(glyph), cells.width, cells.height);
        cairo_clip(sheet.cr());
        drawGlyph(sheet.cr(), text, cells.x(glyph), cells.y(glyph), style);
        if (style.underlineY > 0) drawUnderline(sheet.cr(), cells.x(glyph), cells.y(glyph), style);
        cairo_restore(sheet.cr());
    }
    saveKeyedBmp(sheet, path, KeyBlue, matte);
}

// The small font: white letters with a dark shadow, 11 x 16 cells.
void smallFont(const Paths& paths) {
    const CellGeometry cells{13, -11, 17, 4, 11, 16};
    const GlyphStyle style{Face::MonoBold, 13.0, 1.2, 10.0, 5.0, 12.0, palette::White, palette::Ink, 0,
                           Colour::rgb(10, 16, 24, 0.9), 1.0};
    writeSheet(paths.app + "bitmaps/Interface/26.bmp", cells, style, palette::Matte);
}

// The title font: 18 x 23 cells. The first column of cells starts 3 px
// left of the sheet, so every glyph keeps its ink right of x = 3.
void titleFont(const Paths& paths) {
    const CellGeometry cells{20, -23, 26, 6, 18, 23};
    GlyphStyle style{Face::MonoBold, 20.0, 1.15, 14.5, 10.5, 18.0, palette::White, palette::Ink, 3.0, palette::Ink, 0};
    writeSheet(paths.app + "bitmaps/Slots/12.bmp", cells, style, palette::Matte);
    style.fill = Colour::rgb(255, 196, 70);
    writeSheet(paths.app + "bitmaps/Slots/11.bmp", cells, style, palette::Matte);
}

// The tile font: 24 x 33 cells; a capital sits centred on the 30 px tile
// the program draws 3 px left of and 4 px below the glyph's corner. The
// highlighted letters (laid by the player, or shown by the game) are
// underlined too, just above the tile's bottom bevel, so they stay apart
// from the dark ones in grey and to red-green-blind eyes.
void tileFont(const Paths& paths) {
    const CellGeometry cells{26, -24, 34, 6, 24, 33};
    GlyphStyle style{Face::SansBold, 23.0, 1.0, 21.0, 12.0, 27.5, palette::Ink, palette::Paper, 3.0, palette::Ink, 0};
    writeSheet(paths.app + "bitmaps/Slots/1.bmp", cells, style, palette::Paper);
    style.fill = Colour::rgb(208, 70, 30);
    style.underlineY = 29.5;
    writeSheet(paths.app + "bitmaps/Slots/0.bmp", cells, style, palette::Paper);
}

}  // namespace

void forgeFontSheets(const Paths& paths) {
    smallFont(paths);
    titleFont(paths);
    tileFont(paths);
}

}  // namespace forge
