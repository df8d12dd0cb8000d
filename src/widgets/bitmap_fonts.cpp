#include "widgets/bitmap_fonts.hpp"

#include <algorithm>

#include "platform/canvas.hpp"
#include "state/program_state.hpp"

namespace glossamo {

namespace {

constexpr int GlyphsPerRow = 24;
constexpr int TileAdvance = 31;

// A font: its two sheets, where glyph cells lie on them, and its advance.
struct BitmapFont {
    ImageSet set;
    int normalSheet, highlightSheet;
    int pitchX, left, pitchY, top, width, height;
    int advance;
    bool highlightOpaque;  // the highlight shows each glyph cell's background
};

constexpr BitmapFont SmallFont{ImageSet::Interface, 26, 26, 13, -11, 17, 4, 11, 16, 10, true};
constexpr BitmapFont TitleFont{ImageSet::Slot, 12, 11, 20, -23, 26, 6, 18, 23, 15, false};
constexpr BitmapFont TileFont{ImageSet::Slot, 1, 0, 26, -24, 34, 6, 24, 33, 18, false};

void drawGlyph(Canvas& canvas, const BitmapFont& font, bool highlight, int x, int y, char c) {
    const int g = static_cast<unsigned char>(c) - 32;
    if (g < 0) return;
    const int row = g / GlyphsPerRow;
    const int column = g - GlyphsPerRow * row + 1;
    const Rect source{font.pitchX * column + font.left, font.pitchY * row + font.top, font.width, font.height};
    canvas.drawImagePart(font.set, highlight ? font.highlightSheet : font.normalSheet, x, y, source,
                         !(highlight && font.highlightOpaque));
}

// The box of the ink of a text's glyphs: the program lays lines closer
// than the glyph cells are high, and blank glyph rows may overlap.
void noteText(Canvas& canvas, const BitmapFont& font, int x, int y, std::string_view text, BoxKind kind) {
    int left = SurfaceWidth * 4, top = SurfaceHeight * 4, right = -left, bottom = -top;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int g = static_cast<unsigned char>(text[i]) - 32;
        if (g <= 0) continue;
        const int row = g / GlyphsPerRow;
        const int column = g - GlyphsPerRow * row + 1;
        const Rect source{font.pitchX * column + font.left, font.pitchY * row + font.top, font.width, font.height};
        const Rect ink = canvas.partInk(font.set, font.normalSheet, source);
        if (ink.w <= 0) continue;
        const int gx = x + font.advance * static_cast<int>(i + 1) + ink.x, gy = y + ink.y;
        left = std::min(left, gx);
        top = std::min(top, gy);
        right = std::max(right, gx + ink.w);
        bottom = std::max(bottom, gy + ink.h);
    }
    if (right > left) canvas.noteBox(kind, Rect{left, top, right - left, bottom - top}, text);
}

// Character i (from 1) stands at (x + advance * i, y).
void drawText(ProgramState& s, const BitmapFont& font, int x, int y, std::uint32_t colour, std::string_view text) {
    const bool highlight = colour != NormalInk;
    for (std::size_t i = 0; i < text.size(); ++i)
        drawGlyph(s.platform.canvas(), font, highlight, x + font.advance * static_cast<int>(i + 1), y, text[i]);
    noteText(s.platform.canvas(), font, x, y, text, BoxKind::Text);
}

// The board cell under the pointer is clickable.
bool pointerOnClickableCell(const ProgramState& s) {
    const int column = (s.mousePos.x - s.game.boardLeft) / CellPixels;
    const int row = (s.mousePos.y - s.game.boardTop) / CellPixels;
    if (column < 0 || row < 0 || column >= BoardSize || row >= BoardSize) return false;
    return s.game.clickable[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] == 1;
}

bool pointerOverTiles(const ProgramState& s, int x, int y, std::size_t length) {
    const int px = s.mousePos.x, py = s.mousePos.y;
    return x - 3 < px && px < x + TileAdvance * static_cast<int>(length) - 5 && y + 3 < py && py < y + 31;
}

}  // namespace

void drawSmallText(ProgramState& s, int x, int y, std::uint32_t colour, std::string_view text) {
    if (text == "AAAVOYAGE") text = s.app.comments[34].view();
    drawText(s, SmallFont, x, y, colour, text);
}

void drawStruckSmallText(ProgramState& s, int x, int y, std::string_view text) {
    drawText(s, SmallFont, x, y, NormalInk, text);
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return;
    // A thin line through the middle of the capitals (rows 3 to 12 of the
    // 16-pixel cell) keeps every letter readable; a tick after the word says
    // it is done without its colour.
    const int left = x + SmallFont.advance * static_cast<int>(first + 1);
    const int right = x + SmallFont.advance * static_cast<int>(text.size() + 1) + 1;
    Canvas& canvas = s.platform.canvas();
    canvas.fillRect(Rect{left - 1, y + 7, right - left + 2, 2}, Rgb{214, 168, 74});
    constexpr Rgb Tick{96, 200, 104};
    canvas.line(right + 3, y + 8, right + 6, y + 12, Tick, 2);
    canvas.line(right + 6, y + 12, right + 12, y + 3, Tick, 2);
}

void drawTitleText(ProgramState& s, int x, int y, std::uint32_t colour, std::string_view text) {
    drawText(s, TitleFont, x, y, colour, text);
}

bool drawTileText(ProgramState& s, int x, int y, std::uint32_t colour, std::uint32_t tileStyle,
                  std::string_view text) {
    if (text.empty()) return false;
    if (tileStyle == 0) {
        // Letters of the tile font without their tile are pieces all the same.
        const bool highlight = colour != NormalInk;
        Canvas& canvas = s.platform.canvas();
        for (std::size_t i = 0; i < text.size(); ++i)
            drawGlyph(canvas, TileFont, highlight, x + TileFont.advance * static_cast<int>(i + 1), y, text[i]);
        noteText(canvas, TileFont, x, y, text, BoxKind::Tile);
        return false;
    }
    return drawTileTextOnFace(s, x, y, colour, static_cast<int>(tileStyle) + 1, text);
}

bool drawTileTextOnFace(ProgramState& s, int x, int y, std::uint32_t colour, int face, std::string_view text) {
    if (text.empty()) return false;
    const bool hovered = pointerOverTiles(s, x, y, text.size());
    bool highlight = colour != NormalInk;
    if (hovered && pointerOnClickableCell(s)) {
        if (text != " " || s.drag.look == PieceLook::BlackSquares) s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
        if (text != " " && !s.drag.active) highlight = true;
    }
    Canvas& canvas = s.platform.canvas();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int cx = x + TileAdvance * static_cast<int>(i);
        canvas.drawImage(ImageSet::Slot, 6, cx - 6, y + 7);
        canvas.drawImage(ImageSet::Slot, face, cx - 3, y + 4);
        drawGlyph(canvas, TileFont, highlight, cx, y, text[i]);
        canvas.noteBox(BoxKind::Tile, canvas.imageBounds(ImageSet::Slot, face, cx - 3, y + 4), text.substr(i, 1));
    }
    return hovered;
}

void drawCentredTitle(ProgramState& s, int y, std::string_view text) {
    drawTitleText(s, 400 - static_cast<int>(text.size() / 2) * 16, y, NormalInk, text);
}

// A line written in the tile font (a game's title): a text, not a piece.
void drawCentredTileText(ProgramState& s, int y, std::string_view text) {
    drawText(s, TileFont, 400 - static_cast<int>(text.size() / 2) * 18, y, NormalInk, text);
}

}  // namespace glossamo
