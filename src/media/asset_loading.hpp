#pragma once
// Loading the pictures and sounds: backgrounds, the panel, head pictures,
// card backs, the numbered interface, slot and hangman pictures, the wave
// sounds, and the lists of selectable backgrounds and heads.
#include <optional>
#include <string>

#include "base/system_path.hpp"

namespace glossamo {

struct ProgramState;

// Background n into the screen slot, with the panel picture; 50 title,
// 51 travel map, 52 menus and 78 quitting are special pictures, 0 means 4.
void loadBackground(ProgramState& s, int n);
// The path of the picture `name` of one of the player's folders (ending with
// '/'): name.bmp, its ending in any case, as a picture copied there by hand
// may be named; nothing when there is none.
std::optional<SystemPath> ownPicture(const SystemPath& folder, const std::string& name);
void loadHead(ProgramState& s, const std::string& name);
void loadCardBack(ProgramState& s, int n);
// The hangman, slot and interface pictures, the sounds, then the title.
void loadInterface(ProgramState& s);
// Adds to list box `list` the names, without extension, of the files of
// `folder` matching `mask`, in name order.
void fillFileList(ProgramState& s, const SystemPath& folder, const std::string& mask, bool upperCase, int list,
                  bool clear);
void fillBackgroundList(ProgramState& s);
void fillHeadList(ProgramState& s);

}  // namespace glossamo
