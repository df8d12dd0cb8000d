#include "menus/search_tools.hpp"

#include <string>
#include <vector>

#include "state/program_state.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo {

namespace {

constexpr std::size_t TooManyResults = 599;

// Puts the results of a search into list box 3, or one line saying there
// are none or too many.
void showResults(ProgramState& s, const std::vector<std::string>& found) {
    ListBox& list = s.listBox(3);
    listClear(s, 3);
    list.firstShown = 0;
    if (found.size() == 1 && found[0].size() >= 2 && found[0][0] == '?') {
        list.entries[1] = "Pas de r\xE9ponses";
        list.count = 1;
    } else if (found.size() < TooManyResults) {
        for (std::size_t i = 0; i < found.size(); ++i) list.entries[i + 1] = found[i];
        list.count = static_cast<int>(found.size());
    } else {
        list.entries[1] = "Plus de 600 r\xE9ponses";
        list.count = 1;
    }
}

}  // namespace

void FindAnagramsTool(ProgramState& s) {
    std::vector<std::string> found;
    s.words.FindAnagrams(s.typedText.view(), found);
    showResults(s, found);
}

void FindPatternTool(ProgramState& s) {
    std::string pattern = s.typedText.str();
    for (char& c : pattern)
        if (c == '*') c = '?';
    std::vector<std::string> found;
    s.words.FindPatternWords(pattern, found);
    showResults(s, found);
}

}  // namespace glossamo
