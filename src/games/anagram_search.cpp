#include "games/anagram_search.hpp"

#include <vector>

#include "state/program_state.hpp"
#include "words/word_store.hpp"

namespace glossamo {

std::string onlyAnagram(const ProgramState& s, const std::string& letters) {
    std::vector<std::string> found;
    s.words.FindAnagrams(letters, found);
    if (found.size() != 1 || found.front().find('?') != std::string::npos) return {};
    if (!s.words.drawable(found.front())) return {};
    return found.front();
}

}  // namespace glossamo
