#pragma once
// The end-of-game banners. They bounce for a few seconds after a game ends,
// the won one with the score, the time and the help taken under it, and
// only over the room the board leaves: they never cover a letter, a tile or
// a text of the last frame, shrinking when the room is small and staying
// away when there is none.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.hpp"

namespace glossamo {

struct ProgramState;

void drawWinBanner(ProgramState& s);
void drawLostBanner(ProgramState& s);
// "<score> points - <time>" of a won game.
std::string wonResult(const ProgramState& s);
// "2 indices - 1 vérification": the help a game took.
std::string helpTaken(const ProgramState& s);

// What a floating box named `own` ("banner", "message") keeps clear of:
// every box of the last frame and of the frame drawn so far but its own
// (the banner's lines are named as the banner).
std::vector<Rect> obstaclesFor(const Canvas& canvas, std::string_view own);

// The place of a box `width` x `height` on the play area (below the title,
// above the button bar) that meets none of `obstacles`, as near as can be to
// `centre`; nothing when there is none.
std::optional<Rect> clearPlaceNear(const std::vector<Rect>& obstacles, int width, int height, int centreX,
                                   int centreY);

// `wanted` itself when it meets none of `obstacles`, else the clear place
// of its size nearest to it; nothing when there is none.
std::optional<Rect> clearPlaceFor(const std::vector<Rect>& obstacles, Rect wanted);

}  // namespace glossamo
