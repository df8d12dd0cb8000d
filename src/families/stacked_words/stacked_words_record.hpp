#pragma once
// What a Mots empilés game keeps in its game record.
#include "state/game_record.hpp"

namespace glossamo::stacked_words {

// The column word as drawn, whose letter i begins row i.
inline ShortString<100>& columnWord(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& columnWord(const GameRecord& g) { return g.texts[1]; }
// Column 1 as it stands, read every frame.
inline ShortString<100>& laidColumn(GameRecord& g) { return g.texts[2]; }
inline const ShortString<100>& laidColumn(const GameRecord& g) { return g.texts[2]; }

}  // namespace glossamo::stacked_words
