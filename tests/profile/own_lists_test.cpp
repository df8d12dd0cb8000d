// The player's own word lists: a file read as the player is told, nothing
// kept from a file that holds no list, and a game of a list that outlives
// the list.
#include "profile/own_lists.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "families/registry.hpp"
#include "games/word_lists.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "profile/saved_games.hpp"
#include "state/program_state.hpp"
#include "support/headless_run.hpp"
#include "support/player_list.hpp"
#include "sweep/game_solvers.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo::testing {

namespace {

SystemPath writeFile(ProgramState& s, const std::string& name, const std::string& bytes) {
    const SystemPath path = s.userDir + name;
    std::ofstream(path.bytes(), std::ios::binary) << bytes;
    return path;
}

std::vector<std::string> leftOutAs(const WordFileReading& r, LeftOutReason reason) {
    std::vector<std::string> words;
    for (const LeftOutWord& w : r.leftOut)
        if (w.reason == reason) words.push_back(w.word);
    return words;
}

}  // namespace

// The same teacher's list in Latin-1 and in UTF-8 with its mark, CR LF and
// blank lines: what is kept, what is left out and why, what no dictionary
// knows; then kept without the unknown word, accents and all.
TEST(OwnLists, AListFileIsReadAndKeptAsThePlayerIsTold) {
    HeadlessRun run;
    ProgramState& s = run.state();
    const std::string latin1 =
        "\xE9" "cole\r\n\r\n  Maison \r\nmaison\r\nch\xE2teau\r\nxy\r\nabcdefghijklmnopqrst\r\n4x4\r\nzorglub\r\n"
        "\xEEle\r\n   \r\n";
    const std::string utf8 = "\xEF\xBB\xBF" + latin1ToUtf8(latin1);
    for (const auto& [file, bytes] : {std::pair{"ce1.txt", latin1}, std::pair{"ce1 utf8.txt", utf8}}) {
        SCOPED_TRACE(file);
        readListFile(s, writeFile(s, file, bytes));
        const WordFileReading& r = s.listImport;
        ASSERT_TRUE(r.readable);
        EXPECT_EQ(r.linesRead, 9);
        EXPECT_EQ(r.known, (std::vector<std::string>{"\xE9" "cole", "Maison", "ch\xE2teau", "\xEEle"}));
        EXPECT_EQ(r.unknown, std::vector<std::string>{"zorglub"});
        EXPECT_EQ(leftOutAs(r, LeftOutReason::Duplicate), std::vector<std::string>{"maison"});
        EXPECT_EQ(leftOutAs(r, LeftOutReason::TooShort), std::vector<std::string>{"xy"});
        EXPECT_EQ(leftOutAs(r, LeftOutReason::TooLong), std::vector<std::string>{"abcdefghijklmnopqrst"});
        EXPECT_EQ(leftOutAs(r, LeftOutReason::NotLetters), std::vector<std::string>{"4x4"});
        EXPECT_EQ(r.leftOut.size(), 4u);
    }
    EXPECT_EQ(s.listImportName, "CE1 UTF8");
    ASSERT_TRUE(keepImportedList(s, false));
    EXPECT_EQ(ownListNames(s), std::vector<std::string>{"CE1 UTF8"});
    s.ownList = {};
    ASSERT_TRUE(chooseOwnList(s, "CE1 UTF8"));
    EXPECT_EQ(s.ownList.words, (std::vector<std::string>{"\xE9" "cole", "Maison", "ch\xE2teau", "\xEEle"}));
}

// An empty file, a picture, a text in UTF-16: nothing to keep, and the lists
// and the chosen list stay as they were.
TEST(OwnLists, AFileWithoutAListKeepsNothing) {
    HeadlessRun run;
    ProgramState& s = run.state();
    s.ownList = classList();
    for (const std::string& bytes : {std::string(), std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                                    std::string("\xFF\xFE" "c\0h\0a\0t\0", 10), std::string("\n \n\t\n")}) {
        readListFile(s, writeFile(s, "dictee.txt", bytes));
        EXPECT_FALSE(s.listImport.readable);
        EXPECT_FALSE(keepImportedList(s, true));
    }
    EXPECT_TRUE(ownListNames(s).empty());
    EXPECT_EQ(s.ownList.name, classList().name);
}

// A hangman, a Motuce and a cut words of a list: saved, the list deleted,
// the program started again, the save loaded and won through the mouse.
TEST(OwnLists, AGameOfAListLoadsAndIsWonAfterTheListIsDeleted) {
    HeadlessRun run;
    run.click({400, 300});  // past the title
    std::filesystem::create_directories(std::filesystem::path(run.state().userDir.bytes()) / "SAVE");
    const int first = firstGameOnList(wordlists::PlayerList);
    for (const int id : {first, first + 1, first + 2}) {
        SCOPED_TRACE(id);
        ProgramState& s = run.state();
        s.listImport = {true, 0, classList().words, {}, {}};
        s.listImportName = "CE1";
        ASSERT_TRUE(keepImportedList(s, true));
        startGame(s, id);
        while (s.game.built == 0) run.step();
        const auto texts = s.game.texts;
        ASSERT_TRUE(saveGame(s, false));
        const std::string save = s.listBox(9).entries[static_cast<std::size_t>(listCount(s, 9))];
        ASSERT_TRUE(deleteOwnList(s, "CE1"));
        run.restart();
        run.click({400, 300});
        ProgramState& again = run.state();
        EXPECT_TRUE(again.ownList.name.empty()) << "the deleted list is chosen again";
        ASSERT_TRUE(loadGame(again, save));
        EXPECT_EQ(again.app.gameTitle.str(), gameName(again, id));
        EXPECT_NE(gameName(again, id).find(" / CE1"), std::string::npos);
        EXPECT_TRUE(again.game.texts == texts) << "another game than the one saved";
        EXPECT_TRUE(winGame(run)) << "not won after loading";
        run.click({400, 300});
    }
}

}  // namespace glossamo::testing
