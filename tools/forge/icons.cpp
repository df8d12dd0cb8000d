// The program's icon for the desktop's menus: two letter tiles, a "G" and an
// amber "é", on a rounded teal square. Drawn at every size it is installed
// at, so that small sizes stay sharp instead of being scaled down.
#include <string>

#include "forge.hpp"

namespace forge {

namespace {

// One tile: a rounded square of `fill` with a soft shadow, and `letter`
// centred on it in `ink`. Coordinates are in 256ths of the icon.
void drawTile(cairo_t* cr, double x, double y, double side, double angle, const Colour& fill, const Colour& ink,
              const char* letter) {
    cairo_save(cr);
    cairo_translate(cr, x + side / 2, y + side / 2);
    cairo_rotate(cr, angle);
    roundedRectPath(cr, -side / 2 + 6, -side / 2 + 8, side, side, side * 0.16);
    setColour(cr, palette::Shadow);
    cairo_fill(cr);
    roundedRectPath(cr, -side / 2, -side / 2, side, side, side * 0.16);
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    useFont(cr, Face::SerifBold, side * 0.72);
    setColour(cr, ink);
    const cairo_text_extents_t e = measure(cr, letter);
    centredText(cr, letter, 0, -(e.y_bearing + e.height / 2));
    cairo_restore(cr);
}

void drawIcon(const Picture& picture) {
    cairo_t* cr = picture.cr();
    cairo_scale(cr, picture.width() / 256.0, picture.height() / 256.0);
    roundedRectPath(cr, 8, 8, 240, 240, 44);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 8, 0, 248);
    cairo_pattern_add_color_stop_rgb(sky, 0, palette::Primary.r, palette::Primary.g, palette::Primary.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, palette::PrimaryDark.r, palette::PrimaryDark.g, palette::PrimaryDark.b);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    drawTile(cr, 30, 34, 138, -0.12, palette::Paper, palette::Ink, "G");
    drawTile(cr, 128, 122, 98, 0.10, palette::Accent, palette::Ink, "\xC3\xA9");  // é
}

}  // namespace

void forgeIcons(const Paths& paths) {
    for (const int size : {48, 128, 256}) {
        const Picture picture(size, size);
        drawIcon(picture);
        savePng(picture, paths.app + "icons/glossamo-" + std::to_string(size) + ".png");
    }
}

}  // namespace forge
