// Saved games kept under tests/data/saves/, each a game a move or two under
// way: loaded into a fresh player's folder they show the board they were
// saved with, save again to the same bytes, and play on to a win through
// the mouse. DISABLED_WriteSaveFixtures writes them again (run it with
// --gtest_also_run_disabled_tests), with boards.txt, the digest of each
// board as it was saved.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "aids/game_aids.hpp"
#include "base/file_system.hpp"
#include "challenge/daily_challenge.hpp"
#include "play/game_start.hpp"
#include "profile/save_blocks.hpp"
#include "profile/saved_games.hpp"
#include "support/headless_run.hpp"
#include "sweep/game_solvers.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo::testing {

namespace {

const std::filesystem::path SavesFolder = std::filesystem::path(GLOSSAMO_TEST_DATA_DIR) / "saves";
const std::filesystem::path DigestsFile = SavesFolder / "boards.txt";
constexpr const char* Player = "LEA";
constexpr int MostBuildFrames = 200;
constexpr int MovesBeforeSaving = 2;
constexpr Point Aside{795, 300};  // the pointer, over nothing that answers it
const char* const Endings[] = {".sa1", ".sa2", ".sa3"};

// A kept save: its name, the game it holds (0: today's first challenge
// puzzle) and the hints taken before its moves.
struct KeptSave {
    const char* name;
    int gameId;
    int hints = 0;
};
constexpr KeptSave KeptSaves[] = {
    {"motuce", 51},          {"pendu", 8},           {"mots_codes", 2, 1},
    {"mots_coupes", 26},     {"grille_deconstituee", 43}, {"sommes_de_lettres", 62, 2},
    {"mots_caches", 35},     {"theme_arbres_pendu", 112}, {"defi_motuce", 0},
};

// What the player sees of a game in play: the board's letters, marks,
// colours, styles and numbers, and the game's word list (where a word found
// is marked), as a digest written in hexadecimal.
std::string positionDigest(const ProgramState& s) {
    std::uint64_t h = 14695981039346656037ull;
    const auto add = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
    const GameRecord& g = s.game;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            const auto i = static_cast<std::size_t>(c), j = static_cast<std::size_t>(r);
            for (const std::uint64_t v : {std::uint64_t(static_cast<unsigned char>(g.letters[i][j])), std::uint64_t(g.movable[i][j]),
                                          std::uint64_t(g.clickable[i][j]), std::uint64_t(g.colours[i][j]),
                                          std::uint64_t(g.tileStyles[i][j]), std::uint64_t(g.numbers[i][j])})
                add(v);
        }
    for (const std::string& line : s.gameWordList)
        for (const char c : line + "\n") add(static_cast<unsigned char>(c));
    std::ostringstream text;
    text << std::hex << h;
    return text.str();
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Empty when both are the same bytes; else where they part.
std::string firstDifference(const std::string& a, const std::string& b) {
    const auto [i, j] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (i == a.end() && j == b.end()) return "";
    return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size()) + ", first difference at byte " +
           std::to_string(i - a.begin());
}

std::filesystem::path saveFolder(ProgramState& s) { return std::filesystem::path(s.userDir.bytes()) / "SAVE"; }

// Past the title, as the player of the kept saves.
void pastTheTitle(HeadlessRun& run) {
    run.click({400, 300});
    run.state().app.playerName = Player;
    std::filesystem::create_directories(saveFolder(run.state()));
}

// Saves the running game as the save button does; the save's name.
std::string saveNow(ProgramState& s) {
    EXPECT_TRUE(saveGame(s, false));
    return s.listBox(9).entries[static_cast<std::size_t>(listCount(s, 9))];
}

struct MovesMade {};

// Plays the game until its board has changed `moves` times at rest (no
// tile held or flying), then lets what moves settle.
void makeMoves(HeadlessRun& run, int moves) {
    ProgramState& s = run.state();
    std::string last = positionDigest(s);
    int made = 0;
    run.afterStep = [&] {
        if (s.drag.active || s.flight.active || positionDigest(s) == last) return;
        last = positionDigest(s);
        if (++made == moves) throw MovesMade{};
    };
    try {
        winGame(run);
    } catch (const MovesMade&) {
    }
    run.afterStep = nullptr;
    run.moveTo(Aside);
    run.frames(100);
}

std::map<std::string, std::string> keptDigests() {
    std::map<std::string, std::string> digests;
    std::ifstream in(DigestsFile);
    std::string name, digest;
    while (in >> name >> digest) digests[name] = digest;
    return digests;
}

}  // namespace

TEST(SameSaves, DISABLED_WriteSaveFixtures) {
    std::ofstream digests(DigestsFile);
    for (const KeptSave& kept : KeptSaves) {
        SCOPED_TRACE(kept.name);
        HeadlessRun run;
        ProgramState& s = run.state();
        pastTheTitle(run);
        run.platform().setClockSeed(1);
        if (kept.gameId == 0)
            startChallengePuzzle(s, 0);
        else
            startGame(s, kept.gameId);
        for (int k = 0; k < MostBuildFrames && s.game.built == 0; ++k) run.step();
        run.frames(3);
        ASSERT_EQ(s.game.built, 1);
        for (int k = 0; k < kept.hints; ++k) {
            takeHint(s);
            run.frames(2);
        }
        const std::string built = positionDigest(s);
        makeMoves(run, MovesBeforeSaving);
        ASSERT_NE(positionDigest(s), built) << "no move made";
        ASSERT_EQ(s.app.gameWon + s.app.gameLost, 0) << "ended before it was saved";
        const std::string name = saveNow(s);
        for (const char* ending : Endings)
            std::filesystem::copy_file(saveFolder(s) / (name + ending), SavesFolder / (std::string(kept.name) + ending),
                                       std::filesystem::copy_options::overwrite_existing);
        digests << kept.name << ' ' << positionDigest(s) << '\n';
    }
}

// Every save carries the running program's comments table, which grows
// with each version's new texts: the kept file's own table is put back
// before saving again, so that every other byte can be compared.
void keepTheCommentsOf(ProgramState& s, const std::filesystem::path& kept) {
    const std::string bytes = bytesOf(kept);
    BlockReader r(bytes);
    auto game = std::make_unique<GameRecord>();
    auto app = std::make_unique<AppState>();
    readRecord(r, *game);
    readRecord(r, *app);
    ASSERT_TRUE(r.ok()) << kept;
    s.app.comments = app->comments;
}

// Each kept save, loaded, is the game it was, saves again to the same bytes,
// and is won through the mouse.
TEST(SameSaves, KeptSavesLoadSaveAgainUnchangedAndPlayOnToAWin) {
    const std::map<std::string, std::string> digests = keptDigests();
    for (const KeptSave& kept : KeptSaves) {
        SCOPED_TRACE(kept.name);
        HeadlessRun run;
        ProgramState& s = run.state();
        pastTheTitle(run);
        for (const char* ending : Endings)
            std::filesystem::copy_file(SavesFolder / (std::string(kept.name) + ending),
                                       saveFolder(s) / (std::string(kept.name) + ending));
        ASSERT_TRUE(loadGame(s, kept.name));
        ASSERT_TRUE(digests.count(kept.name)) << "no digest kept in " << DigestsFile;
        EXPECT_EQ(positionDigest(s), digests.at(kept.name)) << "the board is not the one saved";
        if (kept.gameId != 0) {
            EXPECT_EQ(s.game.gameId, static_cast<std::uint32_t>(kept.gameId));
        }
        run.moveTo(Aside);  // where the pointer was at the save: its shape is saved
        run.step();         // the frame that takes up the hints, checks and challenge the save carried
        if (kept.gameId == 0) {
            EXPECT_NE(s.watch.challengeSlot, 0) << "the challenge puzzle is lost";
        }
        keepTheCommentsOf(s, SavesFolder / (std::string(kept.name) + ".sa1"));
        const std::string again = saveNow(s);
        for (const char* ending : Endings)
            EXPECT_EQ(firstDifference(bytesOf(saveFolder(s) / (again + ending)),
                                      bytesOf(SavesFolder / (std::string(kept.name) + ending))),
                      "")
                << "saved again, " << ending << " differs";
        EXPECT_TRUE(winGame(run)) << "not won after loading";
    }
}

}  // namespace glossamo::testing
