#pragma once
// What a Lettre en plus game keeps in its game record.
#include <cstddef>
#include <cstdint>

#include "state/game_record.hpp"

namespace glossamo::extra_letter {

// The word length the game chose, 1 or 2 for words of six or seven letters
// (0 before the choice).
inline std::uint32_t& lengthChoice(GameRecord& g) { return g.counterA; }
inline std::uint32_t lengthChoice(const GameRecord& g) { return g.counterA; }
// The lines built so far, one more each time a line is found.
inline std::uint32_t& linesBuilt(GameRecord& g) { return g.counterB; }
inline std::uint32_t linesBuilt(const GameRecord& g) { return g.counterB; }
// The answer the game keeps for line j, 1..10: the line's word and its extra
// letter rearranged.
inline ShortString<100>& lineAnswer(GameRecord& g, int j) { return g.texts[static_cast<std::size_t>(j)]; }
inline const ShortString<100>& lineAnswer(const GameRecord& g, int j) { return g.texts[static_cast<std::size_t>(j)]; }
// The answer row of line j as the player has laid it, read every frame.
inline ShortString<100>& laidLine(GameRecord& g, int j) { return g.texts[static_cast<std::size_t>(j + 10)]; }
inline const ShortString<100>& laidLine(const GameRecord& g, int j) {
    return g.texts[static_cast<std::size_t>(j + 10)];
}

}  // namespace glossamo::extra_letter
