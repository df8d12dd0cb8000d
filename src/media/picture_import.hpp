#pragma once
// Importing a picture of the player's own as a head picture or a background.
#include <string>

#include "base/system_path.hpp"

namespace glossamo {

struct ProgramState;

namespace importmode {
constexpr int None = 0;
constexpr int Head = 1;
constexpr int Background = 2;
}  // namespace importmode

// Opens the picture-choice dialog for a head (1) or a background (2), and
// imports the chosen file.
void startPictureImport(ProgramState& s, int mode);
// Stretches the chosen picture to 80 x 90 (head) or 800 x 600 (background)
// and stores it in the player's folder under the next free name.
void importPicture(ProgramState& s, const SystemPath& chosenPath);

}  // namespace glossamo
