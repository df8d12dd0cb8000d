#include "play/catalogue.hpp"

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
    return s.listBoxes[2].entries[static_cast<std::size_t>(id)];
}

}  // namespace glossamo
