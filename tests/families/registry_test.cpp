// The registry of the families: every identifier in one place, and the
// menus offering exactly what it lists.
#include "families/registry.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/file_system.hpp"
#include "families/hidden_words/hidden_words.hpp"
#include "games/word_lists.hpp"
#include "support/headless_run.hpp"
#include "support/player_list.hpp"

namespace glossamo::testing {

TEST(Registry, EveryIdentifierIsOneLevelOfOneFamilyWithAllItsGameNeeds) {
    const SystemPath rulesFolder = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/aide/");
    std::map<int, int> seen;  // identifier -> family
    const std::vector<GameFamily>& families = GameFamilies();
    ASSERT_EQ(static_cast<int>(families.size()), FamilyCount + 1);
    std::set<std::string> names;
    for (int f = 1; f <= FamilyCount; ++f) {
        const GameFamily& family = families[static_cast<std::size_t>(f)];
        EXPECT_TRUE(names.insert(family.name).second) << family.name;
        int next = family.firstId;  // a family's identifiers follow one another
        for (const GameRun& run : family.runs) {
            EXPECT_EQ(run.firstId, next) << family.name;
            ASSERT_NE(run.rules, nullptr) << family.name;
            EXPECT_NE(run.rules->play, nullptr) << run.rules->name;
            // Only the hidden words decide for themselves that they are won.
            EXPECT_TRUE(run.rules->rule || run.rules == &HiddenWordsRules) << run.rules->name;
            EXPECT_TRUE(fileExists(rulesFolder + run.rulesFile)) << run.rulesFile;
            for (std::size_t k = 0; k < run.levels.size(); ++k, ++next) {
                EXPECT_TRUE(seen.emplace(next, f).second) << next << " is in two families";
                EXPECT_FALSE(run.levels[k].title.empty()) << next;
                const GameEntry entry = gameEntry(next);
                EXPECT_EQ(entry.family, f);
                EXPECT_EQ(entry.parameter(), run.levels[k].parameter) << next;
            }
        }
        EXPECT_GE(next - family.firstId, family.levels) << family.name << " lists levels it does not hold";
    }
    EXPECT_EQ(static_cast<int>(seen.size()), LastGameId);
    EXPECT_EQ(seen.begin()->first, FirstGameId);
    EXPECT_EQ(seen.rbegin()->first, LastGameId);
    for (const int outside : {FirstGameId - 1, LastGameId + 1}) EXPECT_EQ(rulesOf(outside), nullptr);
}

// Each family of the list opens its level list, and each level shown starts
// the identifier the registry gives it, under its title.
TEST(Registry, TheMenusOfferEachFamilyAndLevelTheRegistryLists) {
    HeadlessRun run;
    ProgramState& s = run.state();
    run.click({400, 300});  // past the title
    s.ownList = classList();  // a list with words enough for every game of a list
    for (int f = 1; f <= FamilyCount; ++f) {
        const GameFamily& family = GameFamilies()[static_cast<std::size_t>(f)];
        for (int level = 0; level < family.levels; ++level) {
            s.game.gameId = 0;
            s.app.screen = screens::Families;
            const int row = f <= 15 ? f : f - 15;
            run.click({(f <= 15 ? 55 : 420) + 40, 20 * row + 53 + 10});
            if (family.levels > 1) run.click({400, 20 * level + 91});
            const int id = family.firstId + level;
            const GameEntry entry = gameEntry(id);
            ASSERT_EQ(static_cast<int>(s.game.gameId), id) << family.name << ", level " << level + 1;
            const std::string listed = entry.run->levels[static_cast<std::size_t>(entry.level)].title;
            const bool ofTheList = entry.run->wordList == wordlists::PlayerList;
            EXPECT_EQ(s.app.gameTitle.view(), ofTheList ? listed + " / CE1 SEMAINE 3" : listed);
        }
    }
}

}  // namespace glossamo::testing
