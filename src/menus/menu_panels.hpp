#pragma once
// The panels and bars of the menus, each drawn and acted on in one pass.
#include "menus/menu_pass.hpp"
#include "menus/menu_screens.hpp"

namespace glossamo::menus {

// The game families (screen 1) and the levels of the chosen one (screen 2).
// `levelList` returns false when the pass must end here (the game was
// started or the list left), leaving `clickPending` as it is.
void familyList(Pass& pass);
bool levelList(Pass& pass);

void optionsScreen(Pass& p);
void scoresScreen(Pass& p);
// Empties the score list, its selection with it.
void clearScores(ProgramState& s);
void helpScreen(Pass& p);
// The rules of a panel beside the games, over it; closing them goes back to it.
void openPanelRules(ProgramState& s, int rules, int screen);
void statisticsScreen(Pass& p);
void challengeScreen(Pass& p);
// The player's own lists, and what an imported list file gave.
void ownListsScreen(Pass& p);
void listReportScreen(Pass& p);
void profileScreen(Pass& p);
void savedGamesScreen(Pass& p);
// The anagram search or the incomplete-word search.
void searchScreen(Pass& p, bool anagrams);
void quitScreen(Pass& p);
// The yes/no question asked by `askFirst`.
void confirmationScreen(Pass& p);

// The bar under a game or the travel map; false when the pass must end here.
bool inGameBar(Pass& p);
// The bar of the menus, with no game running.
void mainBar(Pass& p);

// Starts the running level again from its beginning.
void playAgain(ProgramState& s);
// Shows the quitting picture alone for three seconds, then closes the window.
void quitProgram(ProgramState& s);

}  // namespace glossamo::menus
