#pragma once
namespace glossamo {
struct ProgramState;
// Creates the player's folders when they are missing.
void Premierlancement(ProgramState& s);
// Reads the player's profile: name, pictures, switches and scores.
void ChargeFavoris(ProgramState& s);
// Writes the player's profile.
void Quittelejeu(ProgramState& s);
}  // namespace glossamo
