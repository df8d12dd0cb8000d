#pragma once
// Which game identifiers belong to which family of rules, where several
// routines (input, drawing, the solved check) need to know.
#include <cstdint>

namespace glossamo::families {

constexpr bool in(std::uint32_t id, std::uint32_t first, std::uint32_t last) { return id >= first && id <= last; }

constexpr bool isCodedWords(std::uint32_t id) { return in(id, 1, 3) || in(id, 92, 94); }
constexpr bool isPlacedWords(std::uint32_t id) { return in(id, 29, 32) || in(id, 95, 98); }
constexpr bool isHiddenWords(std::uint32_t id) { return in(id, 33, 36) || in(id, 99, 102); }
constexpr bool isScrambledGrid(std::uint32_t id) { return in(id, 37, 38) || in(id, 103, 104); }
constexpr bool isBrokenGrid(std::uint32_t id) { return in(id, 43, 45); }
constexpr bool isLetterSums(std::uint32_t id) { return in(id, 60, 67); }  // with the faded letters
constexpr bool showsSums(std::uint32_t id) { return in(id, 60, 63); }
constexpr bool isCrossingWords(std::uint32_t id) { return in(id, 5, 7) || in(id, 88, 91); }
constexpr bool isWordHangman(std::uint32_t id) {
    return in(id, 8, 10) || in(id, 112, 114) || in(id, 122, 124) || in(id, 132, 134) || in(id, 142, 144);
}
constexpr bool isProverbHangman(std::uint32_t id) { return in(id, 68, 75); }
constexpr bool isHangman(std::uint32_t id) { return isWordHangman(id) || isProverbHangman(id); }
constexpr bool isCutWords(std::uint32_t id) {
    return in(id, 26, 28) || in(id, 105, 107) || in(id, 115, 117) || in(id, 125, 127) || in(id, 135, 137);
}
constexpr bool isMotuce(std::uint32_t id) {
    return in(id, 51, 59) || in(id, 108, 111) || in(id, 118, 121) || in(id, 128, 131) || in(id, 138, 141);
}
constexpr bool isWordHunt(std::uint32_t id) { return in(id, 46, 50); }
constexpr bool isPassword(std::uint32_t id) { return in(id, 11, 13); }
constexpr bool isVowelMarket(std::uint32_t id) { return in(id, 14, 15); }
constexpr bool isAnagrams(std::uint32_t id) { return in(id, 16, 18); }
constexpr bool isExtraLetter(std::uint32_t id) { return in(id, 19, 21); }
constexpr bool isFromOneToOther(std::uint32_t id) { return in(id, 22, 24); }
constexpr bool isThirdWord(std::uint32_t id) { return id == 25; }
constexpr bool isConsonantMarket(std::uint32_t id) { return in(id, 39, 42); }
constexpr bool isStackedWords(std::uint32_t id) { return in(id, 145, 150); }

}  // namespace glossamo::families
