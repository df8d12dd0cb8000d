// The letter tiles of the board and the small signs drawn between them.
// A tile face is 30 x 30: the program draws it 3 px left of and 4 px below
// a cell's glyph corner, so faces 31 px apart leave a 1 px gap.
#include <cmath>
#include <string>

#include "forge.hpp"

namespace forge {

namespace {

constexpr int TileSize = 30;

std::string slotPath(const Paths& paths, int n) { return paths.app + "bitmaps/Slots/" + std::to_string(n) + ".bmp"; }

// A rounded face with a light top-left bevel and a darker bottom-right one.
void tileFace(cairo_t* cr, Colour body, Colour light, Colour dark) {
    roundedRectPath(cr, 0.5, 0.5, TileSize - 1, TileSize - 1, 4);
    setColour(cr, dark);
    cairo_fill(cr);
    roundedRectPath(cr, 0.5, 0.5, TileSize - 2.5, TileSize - 2.5, 4);
    setColour(cr, light);
    cairo_fill(cr);
    roundedRectPath(cr, 2, 2, TileSize - 4.5, TileSize - 4.5, 3);
    setColour(cr, body);
    cairo_fill(cr);
}

void writeTile(const Paths& paths, int n, Colour body, Colour light, Colour dark) {
    Picture tile(TileSize, TileSize);
    tileFace(tile.cr(), body, light, dark);
    saveKeyedBmp(tile, slotPath(paths, n), KeyBlue, dark);
}

// Style 4 tiles carry a code number in their top-left corner: a small
// tinted corner keeps the number readable.
void numberedTile(const Paths& paths) {
    Picture tile(TileSize, TileSize);
    cairo_t* cr = tile.cr();
    tileFace(cr, Colour::rgb(250, 240, 205), palette::White, Colour::rgb(170, 150, 110));
    roundedRectPath(cr, 2, 2, 13, 10, 3);
    setColour(cr, Colour::rgb(226, 236, 246));
    cairo_fill(cr);
    saveKeyedBmp(tile, slotPath(paths, 5), KeyBlue, Colour::rgb(170, 150, 110));
}

// A letter that stands in its right place: a thick strong green frame
// round a pale centre, with a folded top-right corner. The frame is far
// darker than the cream tiles, in grey too, and its shape tells it apart
// without its colour; the letter keeps the light ground it is drawn for.
void rightPlaceTile(const Paths& paths) {
    const Colour green = Colour::rgb(30, 130, 70);
    const Colour dark = Colour::rgb(16, 64, 36);
    Picture tile(TileSize, TileSize);
    cairo_t* cr = tile.cr();
    tileFace(cr, green, Colour::rgb(110, 190, 140), dark);
    roundedRectPath(cr, 5.5, 5.5, TileSize - 11, TileSize - 11, 2.5);
    setColour(cr, Colour::rgb(226, 244, 214));
    cairo_fill(cr);
    cairo_move_to(cr, TileSize - 13, 5);
    cairo_line_to(cr, TileSize - 5, 5);
    cairo_line_to(cr, TileSize - 5, 13);
    cairo_close_path(cr);
    setColour(cr, green);
    cairo_fill(cr);
    saveKeyedBmp(tile, slotPath(paths, 14), KeyBlue, dark);
}

// A cell the player fills in a grid of given letters: a blue frame round a
// white centre, so the player's own letters stay apart from the given
// ones, in grey too.
void playerCellTile(const Paths& paths) {
    const Colour dark = Colour::rgb(20, 56, 80);
    Picture tile(TileSize, TileSize);
    cairo_t* cr = tile.cr();
    tileFace(cr, palette::Primary, Colour::rgb(120, 170, 200), dark);
    roundedRectPath(cr, 4.5, 4.5, TileSize - 9, TileSize - 9, 2.5);
    setColour(cr, palette::White);
    cairo_fill(cr);
    saveKeyedBmp(tile, slotPath(paths, 15), KeyBlue, dark);
}

void shadow(const Paths& paths) {
    Picture tile(TileSize, TileSize);
    roundedRectPath(tile.cr(), 0, 0, TileSize, TileSize, 5);
    setColour(tile.cr(), Colour::rgb(16, 22, 30));
    cairo_fill(tile.cr());
    saveKeyedBmp(tile, slotPath(paths, 6), KeyBlue, Colour::rgb(16, 22, 30));
}

// A round badge with an arrow pointing left (-1) or right (+1).
void passMark(const Paths& paths, int n, int direction, Colour body) {
    Picture mark(TileSize, TileSize);
    cairo_t* cr = mark.cr();
    cairo_arc(cr, 15, 15, 13.5, 0, 2 * M_PI);
    setColour(cr, body);
    cairo_fill_preserve(cr);
    setColour(cr, palette::Ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_translate(cr, 15, 15);
    cairo_scale(cr, direction, 1);
    cairo_move_to(cr, -8, 0);
    cairo_line_to(cr, 0, -7);
    cairo_line_to(cr, 0, -3);
    cairo_line_to(cr, 8, -3);
    cairo_line_to(cr, 8, 3);
    cairo_line_to(cr, 0, 3);
    cairo_line_to(cr, 0, 7);
    cairo_close_path(cr);
    setColour(cr, palette::White);
    cairo_fill(cr);
    saveKeyedBmp(mark, slotPath(paths, n), KeyBlue, palette::Matte);
}

// A sign set between tiles: drawn at a cell's corner moved 3 px left, like
// a tile face, so it is centred on the cell's tile.
void sign(const Paths& paths, int n, const char* text) {
    Picture picture(TileSize, TileSize + 4);
    cairo_t* cr = picture.cr();
    cairo_arc(cr, 15, 19, 12, 0, 2 * M_PI);
    setColour(cr, palette::Accent);
    cairo_fill_preserve(cr);
    setColour(cr, palette::AccentDark);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    useFont(cr, Face::SansBold, 20);
    setColour(cr, palette::Ink);
    const cairo_text_extents_t e = measure(cr, text);
    cairo_move_to(cr, 15 - e.x_bearing - e.width / 2, 19 - e.y_bearing - e.height / 2);
    cairo_show_text(cr, text);
    saveKeyedBmp(picture, slotPath(paths, n), KeyBlue, palette::Matte);
}

}  // namespace

void forgeTiles(const Paths& paths) {
    writeTile(paths, 2, palette::Paper, palette::White, Colour::rgb(176, 160, 128));                // plain
    writeTile(paths, 3, Colour::rgb(206, 232, 220), palette::White, Colour::rgb(96, 150, 128));     // source
    writeTile(paths, 4, Colour::rgb(36, 40, 48), Colour::rgb(80, 88, 100), Colour::rgb(12, 14, 18));  // black square
    numberedTile(paths);
    shadow(paths);
    passMark(paths, 7, +1, palette::Primary);
    passMark(paths, 8, -1, palette::Success);
    sign(paths, 9, "=");
    sign(paths, 10, "+");
    writeTile(paths, 13, Colour::rgb(232, 226, 214), palette::White, Colour::rgb(150, 140, 120));  // spare
    rightPlaceTile(paths);
    playerCellTile(paths);
}

}  // namespace forge
