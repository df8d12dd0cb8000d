#pragma once
namespace glossamo {
struct ProgramState;
// Reads the comments table and the countries of the travel map.
void ChargeCommentaires(ProgramState& s);
void Chargepays(ProgramState& s);
// Loads the rules text of a game (0 = the general rules) into list box 6.
void ChargeAide(ProgramState& s, int gameId);
}  // namespace glossamo
