#include "families/hangman/hangman.hpp"

#include <array>
#include <cmath>
#include <vector>

#include "base/file_system.hpp"
#include "families/hangman/hangman_record.hpp"
#include "games/board_services.hpp"
#include "games/board_words.hpp"
#include "games/proverb_layout.hpp"
#include "games/proverb_reading.hpp"
#include "media/sound_services.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/widgets.hpp"
#include "words/word_file_import.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

constexpr int LetterFound = 8;
constexpr int Miss = 2;
constexpr int AlphabetColumn = 7;
constexpr int TextLimit = 100;
constexpr int ProverbRowLength = 20;
constexpr int ProverbFirstRow = 10;
constexpr int ProverbRows = 5;  // rows 10..14: row 15 would touch the button bar

std::size_t at(int i) { return static_cast<std::size_t>(i); }
bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

// The two alphabet halves across rows 2 and 3 from column 7; their cells
// are the letters the player clicks.
void placeAlphabet(ProgramState& s) {
    PutWord(AlphabetColumn, 2, "ABCDEFGHIJKLM", Across, s.game.letters);
    PutWord(AlphabetColumn, 3, "NOPQRSTUVWXYZ", Across, s.game.letters);
    for (int c = AlphabetColumn; c <= 20; ++c) {
        for (int r = 2; r <= 3; ++r) {
            s.game.tileStyles[at(c)][at(r)] = 2;
            s.game.clickable[at(c)][at(r)] = c < AlphabetColumn + 13 ? 1 : 0;
        }
    }
}

void finishBuild(ProgramState& s) {
    placeAlphabet(s);
    s.game.built = 1;
    playSound(s, sounds::GameBuilt);
    hangman::scanPosition(s.game) = 0;
    hangman::misses(s.game) = 0;
    s.hangmanScan = 0;
}

// Length 0 plays a word of any length a player's list can hide.
bool buildWordHangman(ProgramState& s, int wordLength) {
    const std::string word =
        wordLength == 0 ? s.words.drawBetween(ShortestListWord, LongestListWord) : s.words.GetWord(0, wordLength);
    if (word.empty()) return false;
    std::string hidden = word, shown(word.size(), '-');
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (!isCapital(word[i]) && word[i] != '[') hidden[i] = shown[i] = '*';  // a gap, never guessed
    }
    hangman::hiddenText(s.game) = hidden;
    hangman::shownText(s.game) = shown;
    finishBuild(s);
    return true;
}

bool buildProverbHangman(ProgramState& s, int nation) {
    const SystemPath path = s.programDir + proverbFile(nation);
    s.gameWordList = readTextLines(path).value_or(std::vector<std::string>{});
    const int count = static_cast<int>(s.gameWordList.size());
    if (count == 0) debugLog(s, "Fichier " + path + " absent");
    const std::string proverb = readProverb(s.gameWordList, s.rng.below(count - 5));
    if (proverb.empty()) return false;
    // Letters are hidden ('-'); signs show as they are, anything else is a
    // blank between words.
    std::string hidden, shown;
    for (std::size_t i = 0; i + 1 < proverb.size() && hidden.size() < TextLimit; ++i) {
        const char c = proverb[i];
        const bool sign = static_cast<unsigned char>(c) > ' ' && !isProverbGap(c);
        hidden += isCapital(c) || sign ? c : ' ';
        shown += isCapital(c) ? '-' : sign ? c : ' ';
    }
    hangman::hiddenText(s.game) = hidden;
    hangman::shownText(s.game) = shown;
    finishBuild(s);
    return true;
}

// The proverb word by word from (1, 10). Blanks hold nothing to guess: they
// show as gaps, not as empty tiles. A letter still hidden shows as '_', so
// that a hyphen of the proverb reads as one.
void showProverb(ProgramState& s, std::string_view text) {
    const std::string_view hidden = hangman::hiddenText(s.game).view();
    const std::vector<ProverbCell> cells = layOutProverb(hidden, ProverbRowLength, ProverbRows);
    for (std::size_t i = 0; i < cells.size() && i < text.size(); ++i) {
        if (!cells[i].shown()) continue;
        const char c = text[i] == ' ' ? '*' : text[i] == '-' && isCapital(hidden[i]) ? '_' : text[i];
        s.game.letters[at(1 + cells[i].column)][at(ProverbFirstRow + cells[i].row)] = c;
    }
}

void showText(ProgramState& s, std::string_view text, bool proverb) {
    if (proverb)
        showProverb(s, text);
    else
        PutWord(AlphabetColumn, 10, text, Across, s.game.letters);
}

// Once the running letter has finished, the first waiting letter starts,
// unless the game is over. Anything but a capital (from a damaged saved
// game) is passed over.
void startWaitingLetter(ProgramState& s) {
    GameRecord& g = s.game;
    char& running = hangman::runningLetter(g);
    if (running != ' ' || hangman::waitingLetters(g).empty() || s.app.gameWon == 1 || s.app.gameLost == 1) return;
    std::string waiting = hangman::waitingLetters(g).str();
    while (!waiting.empty() && running == ' ') {
        if (isCapital(waiting.front())) running = waiting.front();
        waiting.erase(0, 1);
    }
    hangman::waitingLetters(g) = waiting;
    s.hangmanScan = 0;
}

// The chosen letter runs along the text; each position where it hides is
// uncovered in turn, and the scan starts again from the beginning.
void advanceScan(ProgramState& s, double speed) {
    GameRecord& g = s.game;
    startWaitingLetter(s);
    char& running = hangman::runningLetter(g);
    std::uint32_t& position = hangman::scanPosition(g);
    if (running != ' ') s.hangmanScan += speed;
    position = static_cast<std::uint32_t>(std::nearbyint(s.hangmanScan));
    const std::string hidden = hangman::hiddenText(g).str();
    if (position <= hidden.size()) {
        if (position >= 1 && hidden[position - 1] == running && hangman::shownText(g)[position - 1] == '-') {
            std::string shown = hangman::shownText(g).str();
            shown[position - 1] = running;
            hangman::shownText(g) = shown;
            playSound(s, LetterFound);
            s.hangmanScan = 0;
        }
        return;
    }
    if (hidden.find(running) == std::string::npos) {
        ++hangman::misses(g);
        playSound(s, Miss);
    }
    position = 0;
    s.hangmanScan = 0;
    running = ' ';
    checkSolved(s, hangmanSolved);
}

void playFrame(ProgramState& s, double speed, bool proverb) {
    GameRecord& g = s.game;
    showText(s, hangman::shownText(g).view(), proverb);
    if (s.flight.active) return;
    advanceScan(s, speed);
    if (hangman::misses(g) >= HangmanMaxMisses && s.app.gameLost == 0) {
        s.app.gameLost = 1;
        s.app.endTick = s.now();
    }
    if (s.app.gameLost == 1) showText(s, hangman::hiddenText(g).view(), proverb);
    drawBoard(s);
    const int misses = static_cast<int>(hangman::misses(g));
    if (misses >= 1) drawCard(s, 20, 150, misses);
}

}  // namespace

std::string proverbFile(int nation) {
    static const char* const files[] = {"panglais", "pfrancais", "pecossais", "pallemands",
                                        "pespagnols", "pflamands", "pindiens", "prusses"};
    if (nation < 1 || nation > 8) return {};
    return std::string("bin/") + files[nation - 1] + ".txt";
}

// A letter of the alphabet runs along the text, or waits its turn while
// another runs; either way it leaves the alphabet, so a second click on its
// cell (or a held key's repeat) takes nothing and never stops a letter.
void pickHangmanLetter(ProgramState& s, int c, int r) {
    char& cell = s.game.letters[at(c)][at(r)];
    if (s.game.clickable[at(c)][at(r)] != 1 || cell < 'A' || cell > 'Z') return;
    chooseHangmanLetter(s, cell);
    cell = ' ';
}


// Won when the hidden text is shown in full.
bool hangmanSolved(const ProgramState& s) { return hangman::hiddenText(s.game) == hangman::shownText(s.game); }

int hangmanMisses(const ProgramState& s) { return static_cast<int>(hangman::misses(s.game)); }

const GameRules HangmanRules = {
    .name = "LE PENDU",
    .play = playHangman,
    .rule = hangmanSolved,
    .pick = pickHangmanLetter,
    .keys = Keys::Alphabet,
    .hint = hintHangmanLetter,
    .misses = hangmanMisses,
};

const GameRules ProverbHangmanRules = {
    .name = "PROVERBES PENDUS",
    .play = playProverbHangman,
    .rule = hangmanSolved,
    .pick = pickHangmanLetter,
    .keys = Keys::Alphabet,
    .hint = hintHangmanLetter,
    .misses = hangmanMisses,
};

void chooseHangmanLetter(ProgramState& s, char letter) {
    GameRecord& g = s.game;
    if (!isCapital(letter) || letter == hangman::runningLetter(g)) return;
    const std::string waiting = hangman::waitingLetters(g).str();
    if (hangman::runningLetter(g) == ' ' && waiting.empty()) {
        hangman::runningLetter(g) = letter;
        s.hangmanScan = 0;
    } else if (waiting.find(letter) == std::string::npos) {
        hangman::waitingLetters(g) = waiting + letter;
    }
}

HintOutcome hintHangmanLetter(ProgramState& s) {
    GameRecord& g = s.game;
    const std::string_view hidden = hangman::hiddenText(g).view(), shown = hangman::shownText(g).view();
    const std::string_view waiting = hangman::waitingLetters(g).view();
    const char running = hangman::runningLetter(g);
    std::array<int, 26> stillHidden{};
    for (std::size_t i = 0; i < hidden.size() && i < shown.size(); ++i)
        if (isCapital(hidden[i]) && shown[i] == '-') ++stillHidden[at(hidden[i] - 'A')];
    int best = -1, open = 0;
    for (int k = 0; k < 26; ++k) {
        const char letter = static_cast<char>('A' + k);
        if (letter == running || waiting.find(letter) != std::string_view::npos || stillHidden[at(k)] == 0)
            continue;
        ++open;
        if (best < 0 || stillHidden[at(k)] > stillHidden[at(best)]) best = k;
    }
    const HintOutcome outcome = hintOutcomeFor(open);
    if (outcome != HintOutcome::Given) return outcome;
    const char letter = static_cast<char>('A' + best);
    // Its alphabet cell empties, as a chosen letter's does.
    const int c = AlphabetColumn + best % 13, r = best < 13 ? 2 : 3;
    if (g.letters[at(c)][at(r)] == letter) g.letters[at(c)][at(r)] = ' ';
    chooseHangmanLetter(s, letter);
    return outcome;
}

void playHangman(ProgramState& s, int wordLength, const char*) {
    if (s.game.built == 0 && !buildWordHangman(s, wordLength)) return;
    playFrame(s, WordScanSpeed, false);
}

void playProverbHangman(ProgramState& s, int nation, const char*) {
    if (s.game.built == 0 && !buildProverbHangman(s, nation)) return;
    playFrame(s, ProverbScanSpeed, true);
}

}  // namespace glossamo
