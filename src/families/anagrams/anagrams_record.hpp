#pragma once
// What an Anagrammes game keeps in its game record.
#include "state/game_record.hpp"

namespace glossamo::anagrams {

// The word shown, whose letters are to be rearranged.
inline ShortString<100>& shownWord(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& shownWord(const GameRecord& g) { return g.texts[1]; }
// Its one anagram in the list, the answer the game keeps.
inline ShortString<100>& keptAnagram(GameRecord& g) { return g.texts[2]; }
inline const ShortString<100>& keptAnagram(const GameRecord& g) { return g.texts[2]; }
// The answer row as the player has laid it, read every frame.
inline ShortString<100>& laidWord(GameRecord& g) { return g.texts[3]; }
inline const ShortString<100>& laidWord(const GameRecord& g) { return g.texts[3]; }

}  // namespace glossamo::anagrams
