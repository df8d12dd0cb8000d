#include "games/hint_pieces.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include "games/board_services.hpp"

namespace glossamo {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

char& letterAt(GameRecord& g, Point p) { return g.letters[at(p.x)][at(p.y)]; }

bool onBoard(Point p) { return p.x >= 0 && p.y >= 0 && p.x < BoardSize && p.y < BoardSize; }

bool holds(const std::vector<Point>& cells, Point p) { return std::find(cells.begin(), cells.end(), p) != cells.end(); }

// The letter a piece wants in a cell, or 0 when the cell is not one of its.
char wantedIn(const HintPiece& piece, Point p) {
    for (std::size_t k = 0; k < piece.cells.size() && k < piece.letters.size(); ++k)
        if (piece.cells[k] == p) return piece.letters[k];
    return 0;
}

// How willingly a tile gives up its letter: lower is better; none for a
// tile that cannot move or that another letter of this piece needs.
std::optional<int> sourceRank(const GameRecord& g, const std::vector<HintPiece>& pieces, const HintPiece& piece,
                              Point p, char letter) {
    if (g.movable[at(p.x)][at(p.y)] != 1 || g.letters[at(p.x)][at(p.y)] != letter) return std::nullopt;
    if (holds(piece.sources, p)) return 0;
    const char own = wantedIn(piece, p);
    if (own != 0) return own == letter ? std::nullopt : std::optional<int>(1);  // misplaced in this very word
    int rank = 2;  // a tile no answer needs: a bank, an alphabet, a list
    for (const HintPiece& other : pieces) {
        const char wanted = wantedIn(other, p);
        if (wanted == 0) continue;
        rank = std::max(rank, other.done ? 5 : wanted == letter ? 4 : 3);
    }
    return rank;
}

std::optional<Point> sourceFor(const GameRecord& g, const std::vector<HintPiece>& pieces, const HintPiece& piece,
                               Point cell, char letter) {
    std::optional<Point> best;
    int bestRank = 0;
    const auto consider = [&](Point p) {
        if (p == cell || !onBoard(p)) return;
        const std::optional<int> rank = sourceRank(g, pieces, piece, p, letter);
        if (rank && (!best || *rank < bestRank)) {
            best = p;
            bestRank = *rank;
        }
    };
    for (const Point p : piece.sources) consider(p);
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) consider(Point{c, r});
    return best;
}

void lay(ProgramState& s, const std::vector<HintPiece>& pieces, const HintPiece& piece) {
    GameRecord& g = s.game;
    std::vector<Point> laid;
    for (std::size_t k = 0; k < piece.cells.size() && k < piece.letters.size(); ++k) {
        const Point cell = piece.cells[k];
        if (!onBoard(cell) || holds(laid, cell)) continue;  // a cell two words share
        const char letter = piece.letters[k];
        if (letterAt(g, cell) != letter) {
            const std::optional<Point> from = sourceFor(g, pieces, piece, cell, letter);
            if (from) std::swap(letterAt(g, *from), letterAt(g, cell));
            else letterAt(g, cell) = letter;  // an alphabet the game lays again each frame
        }
        laid.push_back(cell);
        // Locked, in the ink of what the game gives: the player did not lay it.
        g.movable[at(cell.x)][at(cell.y)] = 0;
        g.clickable[at(cell.x)][at(cell.y)] = 0;
        g.colours[at(cell.x)][at(cell.y)] = HighlightInk;
    }
}

// Every piece holds its letters, or is still as the player answered it.
bool allAnswered(const GameRecord& g, const GameRecord& before, const std::vector<HintPiece>& pieces) {
    for (const HintPiece& piece : pieces)
        for (std::size_t k = 0; k < piece.cells.size() && k < piece.letters.size(); ++k) {
            const Point p = piece.cells[k];
            if (!onBoard(p)) continue;
            const char now = g.letters[at(p.x)][at(p.y)];
            if (now != piece.letters[k] && !(piece.done && now == before.letters[at(p.x)][at(p.y)])) return false;
        }
    return true;
}

// The last word's letters, each a piece of its own (one per cell), before
// the pieces already found.
std::vector<HintPiece> letterPieces(const ProgramState& s, const std::vector<HintPiece>& pieces, const HintPiece& word) {
    std::vector<HintPiece> letters;
    std::vector<Point> seen;
    for (std::size_t k = 0; k < word.cells.size() && k < word.letters.size(); ++k) {
        const Point cell = word.cells[k];
        if (!onBoard(cell) || holds(seen, cell)) continue;
        seen.push_back(cell);
        HintPiece one{{cell}, std::string(1, word.letters[k]), word.sources};
        one.done = s.game.letters[at(cell.x)][at(cell.y)] == word.letters[k];
        letters.push_back(std::move(one));
    }
    for (const HintPiece& piece : pieces)
        if (piece.done) letters.push_back(piece);
    return letters;
}

}  // namespace

HintOutcome hintOutcomeFor(int missing) {
    return missing <= 0 ? HintOutcome::NothingLeft : missing == 1 ? HintOutcome::LastLeft : HintOutcome::Given;
}

std::vector<HintPiece> marketHintPieces(const ProgramState& s, int column, int firstRow, int words,
                                        bool (*takenOut)(char)) {
    std::vector<HintPiece> pieces;
    for (int k = 1; k <= words && k <= 10; ++k) {
        const std::string_view word = s.game.texts[at(k)].view(), made = s.game.texts[at(k + 10)].view();
        if (word.empty()) break;
        HintPiece row;
        row.done = acceptedWord(s, made, word);
        row.splits = true;
        for (int i = 0; i < static_cast<int>(word.size()); ++i)
            if (takenOut(word[at(i)])) {
                row.cells.push_back({column + i, firstRow + k - 1});
                row.letters += word[at(i)];
            }
        pieces.push_back(std::move(row));
    }
    return pieces;
}

HintOutcome layHintPiece(ProgramState& s, const std::vector<HintPiece>& pieces) {
    const auto open = std::count_if(pieces.begin(), pieces.end(), [](const HintPiece& p) { return !p.done; });
    const auto first = std::find_if(pieces.begin(), pieces.end(), [](const HintPiece& p) { return !p.done; });
    if (open == 1 && first->splits) return layHintPiece(s, letterPieces(s, pieces, *first));
    const HintOutcome outcome = hintOutcomeFor(static_cast<int>(open));
    if (outcome != HintOutcome::Given) return outcome;
    // Letters moved by swaps may complete more than the piece given (the
    // last tile of a word falls in place): such a hint is not given.
    const GameRecord before = s.game;
    lay(s, pieces, *first);
    if (!allAnswered(s.game, before, pieces)) return outcome;
    s.game = before;
    return HintOutcome::LastLeft;
}

}  // namespace glossamo
