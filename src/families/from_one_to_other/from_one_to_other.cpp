#include "families/from_one_to_other/from_one_to_other.hpp"

#include <string>
#include <string_view>
#include <vector>

#include "families/from_one_to_other/from_one_to_other_record.hpp"
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

using namespace from_one_to_other;

namespace {

constexpr int AcrossRow = 8;
constexpr int AcrossColumn = 7;
constexpr int PieceLength = 3;
// Draws of the across word in one frame; a list without a fitting word makes
// the build wait for the next frame instead of drawing forever.
constexpr int AcrossDrawsPerFrame = 1000;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The across word: a word of `length` letters holding a three-letter word at
// one of its positions 3 to 6.
bool drawAcrossWord(ProgramState& s, int length) {
    GameRecord& g = s.game;
    for (int draw = 0; draw < AcrossDrawsPerFrame; ++draw) {
        const std::string word = s.words.GetWord(0, length);
        if (word.empty()) return false;
        const std::string piece = s.words.FindWordInside(3, 6, word, PieceLength);
        if (piece.empty()) continue;
        acrossWord(g) = word;
        sharedPiece(g) = piece;
        acrossDrawn(g) = 1;
        downWordSlot(g) = 0;
        piecePosition(g) = static_cast<std::uint32_t>(word.find(piece) + 1);
        return true;
    }
    return false;
}

// The down word: the first word of the list, of the same length, that holds
// the shared piece. The across word holds it, so the search ends there at
// the latest.
bool findDownWord(ProgramState& s, int length) {
    GameRecord& g = s.game;
    const std::string_view piece = sharedPiece(g).view();
    const auto words = s.words.wordsOfLength(length);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (!piece.empty() && words[i].find(piece) != std::string::npos && s.words.drawable(words[i])) {
            s.words.noteDrawn(words[i]);
            downWord(g) = words[i];
            downWordSlot(g) = static_cast<std::uint32_t>(i + 1);
            return true;
        }
    acrossDrawn(g) = 0;  // the list changed under a loaded game: draw again
    return false;
}

// The two words cross on the shared piece, which is blanked out of both.
void layOutCrossing(GameRecord& g) {
    const int c = static_cast<int>(piecePosition(g));
    const int q = static_cast<int>(downWord(g).view().find(sharedPiece(g).view()) + 1);
    PutWord(c + AcrossColumn, AcrossRow - q, downWord(g).view(), Down, g.letters);
    PutWord(AcrossColumn, AcrossRow, acrossWord(g).view(), Across, g.letters);
    PutWord(c + AcrossColumn, AcrossRow - 1, "   ", Down, g.letters);
    PutWord(c + AcrossColumn - 1, AcrossRow, "   ", Across, g.letters);
    for (int k = 0; k < PieceLength; ++k) {
        makeHole(g, c + AcrossColumn, AcrossRow - 1 + k);
        makeHole(g, c + AcrossColumn - 1 + k, AcrossRow);
    }
    for (int r = 1; r <= 13; ++r) {
        makeSourceTile(g, 1, r);
        makeSourceTile(g, 2, r);
    }
}

bool buildFromOneToOther(ProgramState& s, int length) {
    GameRecord& g = s.game;
    if (acrossDrawn(g) == 0 && !drawAcrossWord(s, length)) return false;
    if (!findDownWord(s, length)) return false;
    layOutCrossing(g);
    g.built = 1;
    playSound(s, sounds::GameBuilt);
    return true;
}

}  // namespace

void playFromOneToOther(ProgramState& s, int length, const char*) {
    GameRecord& g = s.game;
    if (g.built == 0 && !buildFromOneToOther(s, length)) return;
    PutWord(1, 1, "ABCDEFGHIJKLM", Down, g.letters);
    PutWord(2, 1, "NOPQRSTUVWXYZ", Down, g.letters);
    const int c = static_cast<int>(piecePosition(g));
    laidAcrossPiece(g) = readBoardWord(s, c + AcrossColumn - 1, AcrossRow, PieceLength, true);
    laidDownPiece(g) = readBoardWord(s, c + AcrossColumn, AcrossRow - 1, PieceLength, false);
    if (s.app.gameLost == 1) {
        PutWord(c + AcrossColumn - 1, AcrossRow, sharedPiece(g).view(), Across, g.letters);
        PutWord(c + AcrossColumn, AcrossRow - 1, sharedPiece(g).view(), Down, g.letters);
    }
    drawBoard(s);
    checkSolved(s, FromOneToOtherRules.rule);
}

std::vector<HintPiece> fromOneToOtherHintPieces(const ProgramState& s) {
    const GameRecord& g = s.game;
    const int c = static_cast<int>(piecePosition(g));
    const std::string_view piece = sharedPiece(g).view();
    std::vector<HintPiece> pieces;
    for (int k = 0; k < PieceLength && k < static_cast<int>(piece.size()); ++k) {
        const Point across{c + AcrossColumn - 1 + k, AcrossRow}, down{c + AcrossColumn, AcrossRow - 1 + k};
        const char letter = piece[at(k)];
        const bool done = g.letters[at(across.x)][at(across.y)] == letter && g.letters[at(down.x)][at(down.y)] == letter;
        pieces.push_back({{across, down}, std::string(2, letter), {}, done});
    }
    return pieces;
}

bool fromOneToOtherSolved(const ProgramState& s) {
    const GameRecord& g = s.game;
    const std::string_view piece = sharedPiece(g).view(), across = laidAcrossPiece(g).view();
    if (across == piece && laidDownPiece(g).view() == piece) return true;
    if (laidDownPiece(g).view() != across || !PlayerWordExists(s, across)) return false;
    // The long words with the player's piece in place of the drawn one.
    std::string acrossMade = acrossWord(g).str(), downMade = downWord(g).str();
    const std::size_t downAt = downMade.find(piece), acrossAt = piecePosition(g) - 1;
    if (piece.empty() || downAt == std::string::npos || acrossAt + PieceLength > acrossMade.size()) return false;
    acrossMade.replace(acrossAt, PieceLength, across);
    downMade.replace(downAt, PieceLength, across);
    return PlayerWordExists(s, acrossMade) && PlayerWordExists(s, downMade);
}

namespace {

HintOutcome fromOneToOtherHint(ProgramState& s) { return layHintPiece(s, fromOneToOtherHintPieces(s)); }

}  // namespace

const GameRules FromOneToOtherRules = {
    .name = "DE L'UN A L'AUTRE",
    .play = playFromOneToOther,
    .rule = fromOneToOtherSolved,
    .pick = pickCopiedLetter,
    .drop = dropIntoGrid,
    .undo = true,
    .hint = fromOneToOtherHint,
};

}  // namespace glossamo
