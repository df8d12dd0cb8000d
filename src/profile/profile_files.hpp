#pragma once
namespace glossamo {
struct ProgramState;
// Creates the player's folders when they are missing.
void Premierlancement(ProgramState& s);
// Reads the player's profile: name, pictures, switches and scores.
void ChargeFavoris(ProgramState& s);
// Writes the player's profile (in one step: a failed write leaves the one
// before whole); false when it could not be written, which is logged.
bool saveProfile(ProgramState& s);
// Writes the player's profile as the program closes.
void Quittelejeu(ProgramState& s);
}  // namespace glossamo
