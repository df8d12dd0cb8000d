#include "play/catalogue.hpp"

#include "games/word_lists.hpp"
#include "state/program_state.hpp"

namespace glossamo {

void buildCatalogue(ProgramState& s) {
    for (const GameFamily& family : GameFamilies())
        for (const GameRun& run : family.runs)
            for (std::size_t k = 0; k < run.levels.size(); ++k) {
                const std::size_t id = static_cast<std::size_t>(run.firstId) + k;
                s.listBox(2).entries[id] = run.levels[k].title;
                s.helpFiles[id] = run.rulesFile;
            }
    s.helpFiles[StatisticsRules] = "STATISTIQUES.txt";
    s.helpFiles[ChallengeRules] = "DEFI DU JOUR.txt";
    s.listBox(2).width = 350;
}

std::string gameName(const ProgramState& s, int id) {
    if (id < FirstGameId || id > LastGameId) return {};
    const std::string& title = s.listBoxes[2].entries[static_cast<std::size_t>(id)];
    // A game of the player's list is named with its list, in its scores too.
    const GameEntry entry = gameEntry(id);
    if (entry.run->wordList == wordlists::PlayerList && !s.ownList.name.empty()) return title + " / " + s.ownList.name;
    return title;
}

}  // namespace glossamo
