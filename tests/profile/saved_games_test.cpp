// Saved games: the records written in fixed blocks and read back whole, a
// damaged file refused before anything changes, and games saved mid-way
// played on to a win after loading.
#include "profile/saved_games.hpp"

#include <functional>
#include <random>

#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "families/hidden_words/hidden_words.hpp"
#include "games/board_services.hpp"
#include "games/letter_moves.hpp"
#include "games/proverb_layout.hpp"
#include "grid/grid_fixture.hpp"
#include "profile/save_blocks.hpp"
#include "shell/input_routing.hpp"
#include "shell/startup.hpp"
#include "support/full_disk.hpp"
#include "widgets/list_boxes.hpp"
#include "words/word_store.hpp"

namespace glossamo::testing {

namespace {

std::string recordsOf(const ProgramState& s) {
    BlockWriter w;
    writeRecord(w, s.game);
    writeRecord(w, s.app);
    writeRecord(w, s.travel);
    writeRecord(w, s.clock);
    return w.bytes();
}

}  // namespace

class SavedGames : public GridFixture {
public:
    // The moves of the games below are written outside the fixture.
    using GameFixture::start;

protected:
    TempDir user;
    void SetUp() override {
        GridFixture::SetUp();
        s.userDir = user.path();
        user.makeFolder("SAVE");
        s.app.userFoldersPresent = 1;
        s.app.playerName = "LEA";
        s.app.comments[60] = "Voyage en cours :";
        s.app.comments[61] = "Partie sauvegard\xE9" "e.";
        s.app.comments[62] = "Partie charg\xE9" "e";
        s.app.comments[63] = "La sauvegarde a \xE9" "chou\xE9" "e.";
        s.app.comments[98] = "Sauvegarde ab\xEEm\xE9" "e";
        writeUsualGrids();
        programFolder.write("bin/pjanvier.txt", ".\r\nNeige de janvier, fumier du grenier.\r\n.\r\nNeige de janvier, fumier du grenier.\r\n.\r\n");
        programFolder.write("bin/panglais.txt", ".\r\nPetit \xE0 petit,\r\n.\r\nPetit \xE0 petit,\r\n.\r\nPetit \xE0 petit,\r\n.\r\n");
    }
    SystemPath saveFile(const std::string& name, const char* extension = ".sa1") const {
        return user.path() + "SAVE/" + name + extension;
    }
    // Saves the running game as the player does, and gives the save's name.
    std::string save() {
        saveGame(s, false);
        const int n = listCount(s, 9);
        return n > 0 ? s.listBox(9).entries[static_cast<std::size_t>(n)] : "";
    }
    // Another game, so that loading has something to replace.
    void playSomethingElse() {
        start(9, {"CONSOLATIF"});
        frames(2);
    }
public:
    using GameFixture::fillHoles;
    using GameFixture::spellAnswer;
    using GameFixture::spellTry;
    using GameFixture::copyLetter;
    using GameFixture::spellHunt;
    // The French dictionary the program reads again when a game is loaded.
    void useFrenchWords(const std::string& lines) { programFolder.write("bin/DicoFrancais.txt", lines); }
    // Proverbes effacés: the blanks of the saying's first or second half,
    // each filled from the alphabet (rows 1 and 2 from column 4).
    // Mots empilés: puts `wanted` into row i of column 1 through the empty
    // cell of the column (rows 1..10).
    void moveColumnLetter(char wanted, int i) {
        if (letter(1, i) == wanted) return;
        int empty = 1, from = 1;
        while (empty <= 10 && letter(1, empty) != ' ') ++empty;
        drag(1, i, 1, empty);
        frames(1);
        while (from <= 10 && (from == i || letter(1, from) != wanted)) ++from;
        drag(1, from, 1, i);
        frames(1);
    }
    // Mots coupés: the halves of words first..last dragged onto their lines.
    void joinHalves(int first, int last) {
        for (int j = first; j <= last; ++j)
            for (const int part : {0, 1}) {
                const std::string half = s.game.texts[static_cast<std::size_t>(j)].str().substr(static_cast<std::size_t>(3 * part), 3);
                bool moved = false;
                for (const int column : {11, 15})
                    for (int row = 4; row <= 13 && !moved; ++row)
                        if (readBoardWord(s, column, row, 3, true) == half) {
                            drag(column, row, part ? 7 : 3, 3 + j);
                            frames(1);
                            moved = true;
                        }
            }
    }
    // Bourse aux consonnes: the consonants of word j from the bank.
    void consonantsOf(int j) {
        const std::string word = s.game.texts[static_cast<std::size_t>(j)].str();
        for (int k = 0; k < 10; ++k) {
            const char wanted = word[static_cast<std::size_t>(k)];
            if (IsVowel(wanted)) continue;
            bool moved = false;
            for (int row = 1; row <= 3 && !moved; ++row)
                for (int col = 1; col <= 20 && !moved; ++col)
                    if (letter(col, row) == wanted) {
                        drag(col, row, 7 + k, 6 + j);
                        frames(1);
                        moved = true;
                    }
        }
    }
    void fillFadedBlanks(bool firstHalf) {
        const std::string whole = s.game.texts[1].str();
        const std::size_t half = whole.size() / 2;
        const std::vector<ProverbCell> cells = layOutProverb(whole, 20, 5);
        for (std::size_t i = firstHalf ? 0 : half; i < (firstHalf ? half : whole.size()); ++i) {
            const int c = 1 + cells[i].column, r = 6 + cells[i].row;
            if (letter(c, r) != ' ') continue;
            const int k = whole[i] - 'A';
            drag(4 + k % 13, 1 + k / 13, c, r);
            frames(1);
        }
    }
    void choose(char letter) {
        const int k = letter - 'A';
        click(7 + k % 13, 2 + k / 13);
        frames(1);
        for (int i = 0; i < 2000 && s.game.pickedLetter != ' '; ++i) frames(1);
    }
    void findRuns(bool across) {
        for (int a = 0; a < 6; ++a)
            for (int b = 0; b < 6; ++b) {
                const int c = across ? b : a, r = across ? a : b;
                const int pc = across ? c - 1 : c, pr = across ? r : r - 1;
                if (cellOf(Grid6, 6, c, r) == '*' || (b > 0 && cellOf(Grid6, 6, pc, pr) != '*')) continue;
                int end = b;
                while (end + 1 < 6 && cellOf(Grid6, 6, across ? end + 1 : c, across ? r : end + 1) != '*') ++end;
                if (end > b) drag(c + 1, r + 1, across ? end + 1 : c + 1, across ? r + 1 : end + 1);
                frames(1);
            }
    }
};

// Each game family adds itself here: how it starts, its first moves before
// the save, and the rest of the way to its win after the load.
struct SavedPlay {
    const char* name;
    std::function<void(SavedGames&)> begin;
    std::function<void(SavedGames&)> finish;
};
void PrintTo(const SavedPlay& play, std::ostream* out) { *out << play.name; }

class SavedGamePlay : public SavedGames, public ::testing::WithParamInterface<SavedPlay> {};

TEST_P(SavedGamePlay, ASaveLoadedLaterPlaysOnToAWin) {
    const SavedPlay& play = GetParam();
    play.begin(*this);
    ASSERT_EQ(s.game.built, 1);
    ASSERT_EQ(s.app.gameWon, 0);
    const std::string before = recordsOf(s);
    const std::vector<std::string> words = s.gameWordList;
    const std::string name = save();
    ASSERT_TRUE(fileExists(saveFile(name))) << name;
    playSomethingElse();
    loadGame(s, name);
    EXPECT_EQ(recordsOf(s), before) << "every record comes back byte for byte";
    EXPECT_EQ(s.gameWordList, words);
    EXPECT_EQ(s.popup.text.view(), "Partie charg\xE9" "e");
    play.finish(*this);
    EXPECT_EQ(s.app.gameWon, 1) << play.name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryGame, SavedGamePlay,
    ::testing::Values(
        SavedPlay{"hangman",
                  [](SavedGames& t) {
                      t.start(10, {"ANNEXANT"});
                      t.frames(1);
                      t.choose('A');
                      t.choose('B');
                  },
                  [](SavedGames& t) {
                      for (char c : std::string("NEXT")) t.choose(c);
                  }},
        SavedPlay{"proverb hangman",
                  [](SavedGames& t) {
                      startGame(t.s, 68);
                      t.frames(1);
                      t.choose('P');
                  },
                  [](SavedGames& t) {
                      for (char c : std::string("ETIA")) t.choose(c);
                  }},
        SavedPlay{"word placement",
                  [](SavedGames& t) {
                      startGame(t.s, 32);
                      t.frames(1);
                      t.fillFromPalette(Grid6, 6, 8, 0, 2);
                  },
                  [](SavedGames& t) { t.fillFromPalette(Grid6, 6, 8, 3, 5); }},
        SavedPlay{"hidden words",
                  [](SavedGames& t) {
                      startGame(t.s, 36);
                      t.frames(1);
                      t.findRuns(true);
                  },
                  [](SavedGames& t) { t.findRuns(false); }},
        SavedPlay{"coded words",
                  [](SavedGames& t) {
                      startGame(t.s, 3);
                      t.frames(1);
                      t.fillFromPalette(Grid8, 8, 10, 0, 3);
                  },
                  [](SavedGames& t) { t.fillFromPalette(Grid8, 8, 10, 4, 7); }},
        SavedPlay{"mixed grid",
                  [](SavedGames& t) {
                      startGame(t.s, 38);
                      t.frames(1);
                      t.rebuildMixedRows(Grid6, 6, 0, 2);
                  },
                  [](SavedGames& t) { t.rebuildMixedRows(Grid6, 6, 3, 5); }},
        SavedPlay{"dismantled grid",
                  [](SavedGames& t) {
                      startGame(t.s, 45);
                      t.frames(1);
                      t.fillFromPalette(Grid6, 6, 8);
                  },
                  [](SavedGames& t) { t.placeBlackSquares(Grid6, 6, 8); }},
        SavedPlay{"letter sums",
                  [](SavedGames& t) {
                      startGame(t.s, 63);
                      t.frames(1);
                      t.fillFromPalette(Grid6, 6, 8, 0, 1);
                  },
                  [](SavedGames& t) { t.fillFromPalette(Grid6, 6, 8, 2, 5); }},
        SavedPlay{"faded letters",
                  [](SavedGames& t) {
                      startGame(t.s, 66);
                      t.frames(1);
                      t.fillFromPalette(std::string(144, 'A'), 12, 14, 0, 5);
                  },
                  [](SavedGames& t) { t.fillFromPalette(std::string(144, 'A'), 12, 14, 6, 11); }},
        SavedPlay{"faded proverbs",
                  [](SavedGames& t) {
                      startGame(t.s, 76);
                      t.frames(1);
                      t.fillFadedBlanks(true);
                  },
                  [](SavedGames& t) { t.fillFadedBlanks(false); }},
        SavedPlay{"stacked words",
                  [](SavedGames& t) {
                      std::vector<std::string> words = {"ABCDEFGHI"};
                      for (int i = 1; i <= 9; ++i)
                          for (const char tail : {'X', 'Y'})
                              words.push_back(static_cast<char>('A' + i - 1) + std::string(static_cast<std::size_t>(i), tail));
                      t.start(150, words);
                      t.build();
                      t.moveColumnLetter('A', 1);
                  },
                  [](SavedGames& t) {
                      for (int i = 2; i <= 9; ++i) t.moveColumnLetter(static_cast<char>('A' + i - 1), i);
                  }},
        SavedPlay{"cut words",
                  [](SavedGames& t) {
                      t.start(28, {"MAISON", "SAISON", "CHAISE", "PARTIR", "TOMATE", "LAPINS"});
                      t.frames(1);
                      t.joinHalves(1, 3);
                  },
                  [](SavedGames& t) { t.joinHalves(4, 6); }},
        SavedPlay{"consonant market",
                  [](SavedGames& t) {
                      t.start(41, {"CHOCOLATES"});
                      t.frames(1);
                      t.consonantsOf(1);
                  },
                  [](SavedGames& t) { t.consonantsOf(2); }},
        SavedPlay{"from one to the other",
                  [](SavedGames& t) {
                      t.start(24, ChainWords);
                      t.build();
                      for (int k = 0; k < 3; ++k) t.copyLetter("CAT"[k], 9 + k, 8);
                  },
                  [](SavedGames& t) {
                      t.copyLetter('C', 10, 7);
                      t.copyLetter('T', 10, 9);
                  }},
        SavedPlay{"third word",
                  [](SavedGames& t) {
                      t.start(25, ThirdWords);
                      t.build();
                      for (int k = 0; k < 3; ++k) t.copyLetter("TENIR"[k], 7 + k, 8);
                  },
                  [](SavedGames& t) {
                      for (int k = 3; k < 5; ++k) t.copyLetter("TENIR"[k], 7 + k, 8);
                  }},
        SavedPlay{"maxi words",
                  [](SavedGames& t) {
                      const std::string letters = nextHuntLetters(t);
                      std::string lines;
                      for (const std::size_t n : {3, 4})
                          for (const std::string& word : piecesOf(letters, n)) lines += word + "\r\n";
                      t.useFrenchWords(lines);  // also read again when the game is loaded
                      startGame(t.s, 46);
                      t.build();
                      for (const std::string& word : piecesOf(letters, 3)) t.spellHunt(word);
                  },
                  [](SavedGames& t) {
                      for (const std::string& word : piecesOf(t.s.game.texts[1].str(), 4)) t.spellHunt(word);
                  }},
        SavedPlay{"words starting with",
                  [](SavedGames& t) {
                      const std::string letters = nextHuntLetters(t);
                      std::string lines;
                      for (std::size_t n = 2; n <= 7; ++n) lines += letters.substr(0, n) + "\r\n";
                      t.useFrenchWords(lines);
                      startGame(t.s, 49);
                      t.build();
                      for (std::size_t n = 2; n <= 4; ++n) t.spellHunt(letters.substr(0, n));
                  },
                  [](SavedGames& t) {
                      for (std::size_t n = 5; n <= 7; ++n) t.spellHunt(t.s.game.texts[1].str().substr(0, n));
                  }},
        SavedPlay{"crossing words",
                  [](SavedGames& t) {
                      t.start(7, CrossWords);
                      t.build();
                      crossingRows(t, 7, 7);
                  },
                  [](SavedGames& t) { crossingRows(t, 8, 9); }},
        SavedPlay{"anagrams",
                  [](SavedGames& t) {
                      t.start(18, AnagramWords);
                      t.build();
                      anagramLetters(t, 0, 2);
                  },
                  [](SavedGames& t) { anagramLetters(t, 3, 5); }},
        SavedPlay{"extra letter",
                  [](SavedGames& t) {
                      t.start(21, ExtraWords);
                      t.build();
                      extraLines(t, 1, 1);
                  },
                  [](SavedGames& t) { extraLines(t, 2, 2); }},
        SavedPlay{"password",
                  [](SavedGames& t) {
                      t.start(13, PasswordWords);
                      t.build();
                      for (int i = 1; i <= 4; ++i) passwordRow(t, i);
                  },
                  [](SavedGames& t) {
                      for (int i = 5; i <= 8; ++i) passwordRow(t, i);
                  }},
        SavedPlay{"motuce",
                  [](SavedGames& t) {
                      t.useFrenchWords("BALLON\r\nBALLET\r\n");
                      startGame(t.s, 51);
                      t.frames(1);
                      t.spellTry(t.s.game.texts[1].view() == "BALLON" ? "BALLET" : "BALLON");
                  },
                  [](SavedGames& t) { t.spellTry(t.s.game.texts[1].str()); }},
        SavedPlay{"longest word",
                  [](SavedGames& t) {
                      t.start(4, {});
                      t.frames(1);  // shows the letters every start of this test draws
                      const std::string letters = t.s.game.texts[1].str();
                      t.start(4, {letters.substr(2, 5)});
                      t.frames(1);
                      t.spellAnswer(letters.substr(2, 3));
                  },
                  [](SavedGames& t) { t.spellAnswer(t.s.game.texts[1].str().substr(5, 2), 9); }},
        SavedPlay{"vowel market",
                  [](SavedGames& t) {
                      t.start(15, {"DEVELOPPER"});
                      t.frames(1);
                      t.fillHoles(7, 9);
                  },
                  [](SavedGames& t) { t.fillHoles(10, 12); }}),
    [](const ::testing::TestParamInfo<SavedPlay>& info) {
        std::string name;
        for (const char c : std::string(info.param.name)) name += c == ' ' ? '_' : c;
        return name;
    });

TEST_F(SavedGames, HiddenWordCoordinatesComeBackFromTheText) {
    startGame(s, 36);
    frames(1);
    std::string& entry = s.gameWordList.front();
    entry[0] = coordinateCode(10);
    entry[2] = coordinateCode(10);
    const std::vector<std::string> words = s.gameWordList;
    const std::string name = save();
    playSomethingElse();
    loadGame(s, name);
    EXPECT_EQ(s.gameWordList, words);
    EXPECT_EQ(coordinateOf(s.gameWordList.front()[0]), 10);
    const std::string text = *readWholeFile(saveFile(name, ".sa2"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(words.size())) << "one line per entry";
}

TEST_F(SavedGames, ALoadedGameKeepsWhoPlaysAndTheirSettings) {
    startGame(s, 36);
    frames(1);
    s.app.playerName = "ZO\xC9";
    s.app.backgroundIndex = 1;
    s.app.screen = screens::Confirmation;  // saved under a yes/no question
    const std::string name = save();
    s.app.playerName = "L\xC9" "A";
    s.app.backgroundIndex = 2;
    s.app.cardBackIndex = 3;
    playSomethingElse();
    ASSERT_TRUE(loadGame(s, name));
    EXPECT_EQ(s.game.gameId, 36u);
    EXPECT_EQ(s.app.playerName.view(), "L\xC9" "A");
    EXPECT_EQ(s.app.backgroundIndex, 2);
    EXPECT_EQ(s.app.cardBackIndex, 3);
    EXPECT_EQ(s.app.screen, screens::None) << "the question is not part of the game";
}

TEST_F(SavedGames, NamesCarryThePlayerTheTimeTheTravelAndTheTitle) {
    start(10, {"ANNEXANT"});
    frames(1);
    s.app.playerName = "L\xC9" "A/2";
    s.app.gameTitle = "PENDU: 8";
    EXPECT_EQ(save(), "L\xC9" "A-2 06-12-2026 23-37-41 PENDU- 8");
    EXPECT_EQ(s.popup.text.view(), "Partie sauvegard\xE9" "e.");
    s.travel.underWay = 1;
    EXPECT_EQ(save(), "L\xC9" "A-2 06-12-2026 23-37-41 Voyage en cours - PENDU- 8");
    s.travel.underWay = 0;
    s.app.playerName = std::string(100, 'N');
    s.app.gameTitle = std::string(100, 'T');
    const std::string longest = save();
    EXPECT_EQ(longest.size(), 120u) << "a name the file system accepts";
    EXPECT_TRUE(fileExists(saveFile(longest)));
}

// A player's folder under a Cyrillic name keeps the saves there, each named
// in UTF-8 from its Latin-1 title; they are listed and load again.
TEST_F(SavedGames, APlayersFolderNamedInCyrillicKeepsItsSaves) {
    const std::string folder = user.path().bytes() + "\u0438\u0432\u0430\u043d/";
    std::filesystem::create_directories(folder + "SAVE");
    s.userDir = SystemPath::fromSystem(folder);
    start(10, {"ANNEXANT"});
    frames(1);
    choose('N');
    s.app.playerName = "Zo\xE9";
    const std::string name = save();
    EXPECT_TRUE(std::filesystem::exists(folder + "SAVE/" + latin1ToUtf8(name) + ".sa1"));
    fillSavedGameList(s);
    ASSERT_EQ(listCount(s, 9), 1);
    EXPECT_EQ(s.listBox(9).entries[1], name);
    playSomethingElse();
    ASSERT_TRUE(loadGame(s, name));
    EXPECT_EQ(s.game.texts[2].view(), "-NN---N-");
}

TEST_F(SavedGames, TwoSavesInOneSecondShareTheirName) {
    start(10, {"ANNEXANT"});
    frames(1);
    const std::string first = save();
    const std::string second = save();
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.find("  "), std::string::npos) << first << ": the title's runs of blanks take room in the list";
    EXPECT_EQ(listCount(s, 9), 2) << "the list shows it twice";
    EXPECT_EQ(listFolder(user.path() + "SAVE", "*.sa1").size(), 1u);
    fillSavedGameList(s);
    EXPECT_EQ(listCount(s, 9), 1);
    EXPECT_EQ(s.listBox(9).rowsShown, 8);
    EXPECT_EQ(s.listBox(9).width, 480);
}

TEST_F(SavedGames, AGameLeftByClosingTheWindowIsResumedOnceAtTheNextStart) {
    start(10, {"ANNEXANT"});
    frames(1);
    choose('N');
    s.watch.hints = 2;  // help taken before leaving is still counted after
    s.watch.checks = 1;
    FormClose(s);  // kept as the quick exit keeps it
    EXPECT_TRUE(fileExists(saveFile("Sortie rapide")));
    EXPECT_TRUE(fileExists(saveFile("Sortie rapide", ".sa2")));

    HeadlessPlatform next;
    auto later = std::make_unique<ProgramState>(next);
    later->userDir = s.userDir;
    later->programDir = s.programDir;
    fillSavedGameList(*later);
    ASSERT_EQ(listCount(*later, 9), 1);
    resumeQuickExit(*later);
    EXPECT_EQ(later->game.texts[2].view(), "-NN---N-");
    EXPECT_TRUE(later->gameRunning());
    EXPECT_EQ(later->carriedAids.hints, 2u);
    EXPECT_EQ(later->carriedAids.checks, 1u);
    EXPECT_EQ(listCount(*later, 9), 0) << "no row is left for a pair that is gone";
    EXPECT_FALSE(fileExists(saveFile("Sortie rapide")));
    EXPECT_FALSE(fileExists(saveFile("Sortie rapide", ".sa2")));
    EXPECT_FALSE(fileExists(saveFile("Sortie rapide", ".sa3")));
    later->app.gameTitle.clear();
    resumeQuickExit(*later);
    EXPECT_FALSE(later->gameRunning()) << "resumed once only";

    // A quick exit of an earlier version, under its older name, is resumed too.
    saveGame(s, true);
    std::filesystem::rename(saveFile("Sortie rapide").bytes(), saveFile("Boss").bytes());
    std::filesystem::rename(saveFile("Sortie rapide", ".sa2").bytes(), saveFile("Boss", ".sa2").bytes());
    resumeQuickExit(*later);
    EXPECT_TRUE(later->gameRunning());
    EXPECT_FALSE(fileExists(saveFile("Boss")));
}

TEST_F(SavedGames, DamagedFilesAreRefusedAndTheRunningGameGoesOn) {
    start(10, {"ANNEXANT"});
    frames(1);
    const std::string good = *readWholeFile(saveFile(save()));
    choose('A');
    const std::string running = recordsOf(s);
    std::mt19937 random(11);
    std::string noise(good.size(), '\0');
    for (char& c : noise) c = static_cast<char>(random());
    std::string badRange = good;
    badRange[4] = 7;  // `built` of the game record can only be 0 or 1
    const std::pair<const char*, std::string> damaged[] = {
        {"truncated", good.substr(0, good.size() - 1)},
        {"too long", good + "x"},
        {"random bytes", noise},
        {"out of range", badRange},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : damaged) {
        user.write(std::string("SAVE/") + name + ".sa1", bytes);
        user.write(std::string("SAVE/") + name + ".sa2", "MOT\r\n");
        s.popup = InfoPopup{};
        loadGame(s, name);
        EXPECT_EQ(recordsOf(s), running) << name << ": nothing changed";
        EXPECT_EQ(s.popup.text.view(), "Sauvegarde ab\xEEm\xE9" "e") << name;
        EXPECT_NE(s.debugLines.back().find("refus\xE9" "e"), std::string::npos) << name;
    }
    loadGame(s, "absent");
    EXPECT_FALSE(s.gameRunning()) << "a missing file leaves the game, as before";
}

// Found by fuzzing the saved-game reader: a grid game's size is a counter
// the reader only bounds by a million; given up, the grid was shown past the
// board's last column and row.
TEST_F(SavedGames, AGridSizePastTheBoardStaysOnTheBoard) {
    startGame(s, 29);
    build();
    std::string records = *readWholeFile(saveFile(save()));
    const std::size_t counterB = gameRecordBlockSize() - 8;
    for (const std::uint32_t size : {22u, 1000000u}) {
        for (int i = 0; i < 4; ++i) records[counterB + static_cast<std::size_t>(i)] = static_cast<char>(size >> (8 * i));
        user.write("SAVE/large.sa1", records);
        loadGame(s, "large");
        ASSERT_EQ(s.game.counterB, size);
        frames(1);
        FormKeyDown(s, vk::Escape, 0);
        frames(2);
        EXPECT_EQ(s.app.gameLost, 1);
        EXPECT_EQ(letter(1, 1), static_cast<char>(s.game.numbers[1][1])) << "the solution is shown";
    }
}

TEST_F(SavedGames, AFailedSaveSaysSoAndKeepsThePreviousFile) {
    start(10, {"ANNEXANT"});
    frames(1);
    const std::string name = save();
    const std::string before = *readWholeFile(saveFile(name));
    choose('A');
    {
        FullDisk full;
        saveGame(s, false);
    }
    EXPECT_EQ(s.popup.text.view(), "La sauvegarde a \xE9" "chou\xE9" "e.");
    EXPECT_EQ(*readWholeFile(saveFile(name)), before) << "the earlier save is whole";
    EXPECT_EQ(listFolder(user.path() + "SAVE", "*").size(), 3u) << "no temporary file left";
    std::filesystem::remove_all(user.path().bytes() + "SAVE");
    saveGame(s, false);
    EXPECT_EQ(s.popup.text.view(), "La sauvegarde a \xE9" "chou\xE9" "e.") << "no folder to save in";
    user.write("SAVE", "not a folder");
    s.popup.text.clear();
    saveGame(s, false);
    EXPECT_EQ(s.popup.text.view(), "La sauvegarde a \xE9" "chou\xE9" "e.") << "SAVE is a file";
}

TEST_F(SavedGames, AQuickExitThatCannotSaveKeepsTheProgramAndTheGame) {
    start(10, {"ANNEXANT"});
    frames(1);
    choose('N');
    const std::string running = recordsOf(s);
    const auto quickExit = [this] {
        moveTo({754, 39});
        frames(1);
        press({754, 39});
        frames(1);
        release({754, 39});
    };
    std::filesystem::remove_all(user.path().bytes() + "SAVE");
    quickExit();
    EXPECT_FALSE(platform.closeRequested) << "the game would be lost";
    EXPECT_EQ(s.popup.text.view(), "La sauvegarde a \xE9" "chou\xE9" "e.");
    EXPECT_TRUE(s.gameRunning());
    EXPECT_EQ(s.game.texts[2].view(), "-NN---N-");
    user.makeFolder("SAVE");
    // The game is saved, but the profile cannot be: the program says so and stays.
    s.app.comments[105] = "Profil non enregistr\xE9";
    user.write("CFG", "not a folder");
    quickExit();
    EXPECT_FALSE(platform.closeRequested);
    EXPECT_EQ(s.popup.text.view(), "Profil non enregistr\xE9");
    std::filesystem::remove(user.path().bytes() + "CFG");
    user.makeFolder("CFG");
    quickExit();
    EXPECT_TRUE(platform.closeRequested);
    EXPECT_TRUE(fileExists(saveFile("Sortie rapide")));
    EXPECT_TRUE(fileExists(user.path() + "CFG/favoris.frd"));
}

// A refused save, at start-up or from the list, is renamed aside, out of
// the list, and a second one never replaces the first.
TEST_F(SavedGames, ARefusedSaveIsKeptAsideNeverDeleted) {
    const auto damage = [this](const std::string& name, const std::string& bytes) {
        user.write("SAVE/" + name + ".sa1", bytes);
        user.write("SAVE/" + name + ".sa2", "MOT\r\n");
    };
    damage("Boss", "older");
    fillSavedGameList(s);
    resumeQuickExit(s);
    damage("Boss", "newer");
    resumeQuickExit(s);
    EXPECT_FALSE(fileExists(saveFile("Boss")));
    EXPECT_EQ(readWholeFile(saveFile("Boss", ".sa1.abimee")).value_or(""), "older");
    EXPECT_EQ(readWholeFile(saveFile("Boss", ".sa1.abimee2")).value_or(""), "newer");
    EXPECT_EQ(readWholeFile(saveFile("Boss", ".sa2.abimee2")).value_or(""), "MOT\r\n");
    EXPECT_NE(s.debugLines.back().find(saveFile("Boss", ".sa1.abimee2").latin1()), std::string::npos);
    EXPECT_EQ(listCount(s, 9), 0) << "Boss left the list";

    damage("Vieille", "");
    fillSavedGameList(s);
    ASSERT_EQ(listCount(s, 9), 1);
    loadGame(s, "Vieille");
    EXPECT_TRUE(fileExists(saveFile("Vieille", ".sa1.abimee")));
    EXPECT_TRUE(fileExists(saveFile("Vieille", ".sa2.abimee")));
    EXPECT_EQ(listCount(s, 9), 0);
    fillSavedGameList(s);
    EXPECT_EQ(listCount(s, 9), 0) << "kept files are never listed";
}

TEST(SaveBlocks, EveryRecordHasOneFixedSize) {
    GameRecord game;
    game.texts[3] = std::string(100, 'Z');
    AppState app;
    app.gameTitle = "T";
    for (auto& comment : app.comments) comment = std::string(100, 'c');
    BlockWriter full, empty;
    writeRecord(full, game);
    writeRecord(full, app);
    writeRecord(empty, GameRecord{});
    writeRecord(empty, AppState{});
    EXPECT_EQ(full.bytes().size(), empty.bytes().size());
    EXPECT_EQ(clockBlockSize(), 31u);
    EXPECT_EQ(savedGameSize(), gameRecordBlockSize() + appStateBlockSize() + travelBlockSize() + 31u);
    const std::string tooLong("\x05" "ab", 3);
    BlockReader r(tooLong);
    ShortString<4> text;
    r.text(text);
    EXPECT_FALSE(r.ok()) << "a length past the capacity";
}

}  // namespace glossamo::testing
