#pragma once
// What covers what the player reads: the boxes of one frame's texts and
// pieces, checked two by two. A text (or the end banner) may not meet
// another text, a piece or the banner, nor leave the screen; pieces may
// touch each other, and a cell's number is printed on its tile on purpose.
#include <string>
#include <vector>

#include "platform/canvas.hpp"

namespace glossamo::testing {

// One line per fault: "'GAGNE' over tile 'R' at 310,220".
std::vector<std::string> layoutFaults(const std::vector<DrawnBox>& boxes);

}  // namespace glossamo::testing
