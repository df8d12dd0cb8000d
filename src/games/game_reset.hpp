#pragma once
// Leaving a game and preparing the next one.
namespace glossamo {

struct ProgramState;

// Ends the running game: no game id, end flags cleared, the player's chosen
// background shown again and the rules text of list box 6 emptied.
void leaveGame(ProgramState& s);
// Puts the game record, the play clock and the per-game flags into the
// state a new game starts from, and reseeds the random generator.
void resetGameRecord(ProgramState& s);
// Drops whatever the pointer carries.
void clearDrag(ProgramState& s);

}  // namespace glossamo
