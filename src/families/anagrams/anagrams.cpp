#include "families/anagrams/anagrams.hpp"

#include <string>
#include <vector>

#include "families/anagrams/anagrams_record.hpp"
#include "games/anagram_search.hpp"
#include "games/board_cells.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/drag_and_drop.hpp"
#include "games/word_lists.hpp"
#include "media/sound_services.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

using namespace anagrams;

namespace {

// A build that waits for a rare word tries several times within one frame;
// an attempt costs one anagram search (some microseconds).
constexpr int AnagramAttemptsPerFrame = 150;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

int anagramColumn(int n) { return 10 - n / 2; }

bool tryAnagrams(ProgramState& s, int n) {
    GameRecord& g = s.game;
    const int x0 = anagramColumn(n);
    shownWord(g) = s.words.GetWord(0, n);
    keptAnagram(g) = onlyAnagram(s, shownWord(g).str());
    PutWord(x0, 5, shownWord(g).view(), Across, g.letters);
    PutWord(x0, 10, keptAnagram(g).view(), Across, g.letters);
    PutWord(x0, 11, std::string(at(n), ' '), Across, g.letters);
    const bool found = !keptAnagram(g).empty() && !shownWord(g).empty();
    if (found) s.words.noteDrawn(keptAnagram(g).view());
    return found;
}

}  // namespace

void playAnagrams(ProgramState& s, int n, const char*) {
    GameRecord& g = s.game;
    const int x0 = anagramColumn(n);
    if (g.built == 0) {
        bool done = false;
        for (int attempt = 0; attempt < AnagramAttemptsPerFrame && !done; ++attempt) done = tryAnagrams(s, n);
        if (!done) return;
        g.built = 1;
        playSound(s, sounds::GameBuilt);
        ShuffleBoardRun(x0, 10, n, Across, g.letters, s.rng);
        for (int c = x0; c < x0 + n; ++c) {
            makeMovable(g, c, 10);
            makeMovable(g, c, 11);
            g.colours[at(c)][5] = HighlightInk;
        }
    }
    if (s.app.gameLost == 1) {
        PutWord(x0, 10, std::string(at(n), ' '), Across, g.letters);
        PutWord(x0, 11, keptAnagram(g).view(), Across, g.letters);
    }
    drawBoard(s);
    laidWord(g) = readBoardWord(s, x0, 11, n, true);
    checkSolved(s, AnagramsRules.rule);
}

bool anagramsSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view made = laidWord(g).view(), shown = shownWord(g).view();
    return made == keptAnagram(g).view() || (made != shown && sameLetters(made, shown) && PlayerWordExists(s, made));
}

std::vector<HintPiece> anagramsHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const int n = static_cast<int>(keptAnagram(g).size()), x0 = anagramColumn(n);
    HintPiece word{{}, keptAnagram(g).str(), {}, laidWord(g).view() == keptAnagram(g).view(), true};
    for (int k = 0; k < n; ++k) {
        word.cells.push_back({x0 + k, 11});
        word.sources.push_back({x0 + k, 10});
    }
    return {word};
}

namespace {

HintOutcome anagramsHint(ProgramState& s) { return layHintPiece(s, anagramsHintPieces(s)); }

}  // namespace

const GameRules AnagramsRules = {
    .name = "ANAGRAMMES",
    .play = playAnagrams,
    .rule = anagramsSolved,
    .pick = pickLetter,
    .drop = dropIntoFreeSlot,
    .undo = true,
    .hint = anagramsHint,
};

}  // namespace glossamo
