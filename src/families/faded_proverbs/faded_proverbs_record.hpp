#pragma once
// What a game of faded proverbs keeps in the game record, by name.
#include "state/game_record.hpp"

namespace glossamo::faded_proverbs {

// The proverb as written, in board form: its letters and signs, '*' for a
// blank.
inline ShortString<100>& wholeProverb(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& wholeProverb(const GameRecord& g) { return g.texts[1]; }

// The proverb as the board shows it now, read again each frame.
inline ShortString<100>& shownProverb(GameRecord& g) { return g.texts[2]; }
inline const ShortString<100>& shownProverb(const GameRecord& g) { return g.texts[2]; }

// The proverb as the game first showed it: ' ' for each letter rubbed out.
inline ShortString<100>& fadedProverb(GameRecord& g) { return g.texts[3]; }
inline const ShortString<100>& fadedProverb(const GameRecord& g) { return g.texts[3]; }

}  // namespace glossamo::faded_proverbs
