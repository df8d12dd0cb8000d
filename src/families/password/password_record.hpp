#pragma once
// What a Mot de passe game keeps in its game record.
#include <cstddef>

#include "state/game_record.hpp"

namespace glossamo::password {

// The hidden password, one letter per clue.
inline ShortString<100>& hiddenPassword(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& hiddenPassword(const GameRecord& g) { return g.texts[1]; }
// The whole clue word of password letter i, 1..8 ("?????" when none was
// found); the board shows it with that letter blanked.
inline ShortString<100>& clueWord(GameRecord& g, int i) { return g.texts[static_cast<std::size_t>(i + 1)]; }
inline const ShortString<100>& clueWord(const GameRecord& g, int i) {
    return g.texts[static_cast<std::size_t>(i + 1)];
}
// The column of the letters put into the clues, read downwards every frame.
inline ShortString<100>& laidColumn(GameRecord& g) { return g.texts[19]; }
inline const ShortString<100>& laidColumn(const GameRecord& g) { return g.texts[19]; }

}  // namespace glossamo::password
