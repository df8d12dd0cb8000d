// The widget set is not drawn yet: these routines keep the frame's order of
// drawing in place and draw nothing.
#include "screens/widgets.hpp"

namespace glossamo {

void drawBackground(ProgramState&) {}
void drawSmallText(ProgramState&, int, int, std::uint32_t, std::string_view) {}
bool drawTileText(ProgramState&, int, int, std::uint32_t, std::uint32_t, std::string_view) { return false; }
void drawCentredTileText(ProgramState&, int, std::string_view) {}
void drawBlackTile(ProgramState&, int, int) {}
void drawHead(ProgramState&, Point, int) {}
void drawDrag(ProgramState&) {}
void drawPopup(ProgramState&) {}
void drawWinBanner(ProgramState&) {}
void drawLostBanner(ProgramState&) {}
void drawTravelLostBanner(ProgramState&) {}

}  // namespace glossamo
