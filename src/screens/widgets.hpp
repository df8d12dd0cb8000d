#pragma once
// Drawing of the self-drawn widgets used by the frame routine.
#include <cstdint>
#include <string_view>

#include "shell/program_state.hpp"

namespace glossamo {

void drawBackground(ProgramState& s);
void drawSmallText(ProgramState& s, int x, int y, std::uint32_t colour, std::string_view text);
// Returns whether the pointer is over the text (only tested on tiles).
bool drawTileText(ProgramState& s, int x, int y, std::uint32_t colour, std::uint32_t tileStyle,
                  std::string_view text);
void drawCentredTileText(ProgramState& s, int y, std::string_view text);
void drawBlackTile(ProgramState& s, int x, int y);
void drawHead(ProgramState& s, Point at, int height);
void drawDrag(ProgramState& s);
void drawPopup(ProgramState& s);
void drawWinBanner(ProgramState& s);
void drawLostBanner(ProgramState& s);
void drawTravelLostBanner(ProgramState& s);

}  // namespace glossamo
