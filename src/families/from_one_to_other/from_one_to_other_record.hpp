#pragma once
// What a De l'un à l'autre game keeps in its game record.
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::from_one_to_other {

// The across word, drawn first.
inline ShortString<100>& acrossWord(GameRecord& g) { return g.texts[21]; }
inline const ShortString<100>& acrossWord(const GameRecord& g) { return g.texts[21]; }
// The three-letter word both long words share, taken out of both.
inline ShortString<100>& sharedPiece(GameRecord& g) { return g.texts[11]; }
inline const ShortString<100>& sharedPiece(const GameRecord& g) { return g.texts[11]; }
// The down word: the first word of the list that holds the shared piece.
inline ShortString<100>& downWord(GameRecord& g) { return g.texts[1]; }
inline const ShortString<100>& downWord(const GameRecord& g) { return g.texts[1]; }
// 1 once the across word is drawn; 0 to draw it (again).
inline std::uint32_t& acrossDrawn(GameRecord& g) { return g.counterA; }
inline std::uint32_t acrossDrawn(const GameRecord& g) { return g.counterA; }
// The slot of the down word among the words of its length, from 1.
inline std::uint32_t& downWordSlot(GameRecord& g) { return g.counterB; }
inline std::uint32_t downWordSlot(const GameRecord& g) { return g.counterB; }
// Where the shared piece begins in the across word, from 1.
inline std::uint32_t& piecePosition(GameRecord& g) { return g.counterC; }
inline std::uint32_t piecePosition(const GameRecord& g) { return g.counterC; }
// The across and the down gap as the player has filled them, read every
// frame.
inline ShortString<100>& laidAcrossPiece(GameRecord& g) { return g.texts[29]; }
inline const ShortString<100>& laidAcrossPiece(const GameRecord& g) { return g.texts[29]; }
inline ShortString<100>& laidDownPiece(GameRecord& g) { return g.texts[30]; }
inline const ShortString<100>& laidDownPiece(const GameRecord& g) { return g.texts[30]; }

}  // namespace glossamo::from_one_to_other
