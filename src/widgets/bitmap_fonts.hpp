#pragma once
// The three bitmap fonts: text composed glyph by glyph from font sheets.
#include <cstdint>
#include <string_view>

namespace glossamo {

struct ProgramState;

// The small font's glyphs: 16 pixels high, one every 10 pixels.
constexpr int SmallAdvance = 10;
constexpr int SmallGlyphHeight = 16;

// Draws with `SmallFont`; the text "AAAVOYAGE" stands for comment 34.
void drawSmallText(ProgramState& s, int x, int y, std::uint32_t colour, std::string_view text);
// A word of a list that is found or placed: struck through with a thin line
// and ticked, still readable, apart from the words still to find by more
// than its colour.
void drawStruckSmallText(ProgramState& s, int x, int y, std::string_view text);
void drawTitleText(ProgramState& s, int x, int y, std::uint32_t colour, std::string_view text);
// Draws with `TileFont`, on tiles when `tileStyle` > 0; returns whether the
// pointer is over the tiles (only tested on tiles).
bool drawTileText(ProgramState& s, int x, int y, std::uint32_t colour, std::uint32_t tileStyle,
                  std::string_view text);
// The same on tiles of face `face` of the slot pictures, for a face no
// tile style names (the tile style n is face n + 1).
bool drawTileTextOnFace(ProgramState& s, int x, int y, std::uint32_t colour, int face, std::string_view text);
void drawCentredTitle(ProgramState& s, int y, std::string_view text);
void drawCentredTileText(ProgramState& s, int y, std::string_view text);

}  // namespace glossamo
