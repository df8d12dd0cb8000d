#pragma once
// The player's own word lists: imported from a text file, kept in a folder
// of the player's own (LISTES/, one Latin-1 file a list, one word a line),
// renamed, deleted, and the one chosen last played by the "Mes listes" games.
#include <string>
#include <vector>

#include "base/system_path.hpp"

namespace glossamo {

struct ProgramState;
struct OwnList;

// The fewest words a game of a list needs (of the lengths it hides); cut
// words need as many six-letter words as the level has lines.
constexpr int FewestListWords = 5;
// List names are typed like every name of the program: capitals, digits, blanks.
constexpr std::size_t ListNameLimit = 20;

SystemPath ownListFolder(const ProgramState& s);
// The names of the lists kept, in name order.
std::vector<std::string> ownListNames(const ProgramState& s);

// Opens the file dialog and reads the chosen file into `s.listImport`, to be
// shown before anything is kept; false when nothing was chosen.
bool chooseListFile(ProgramState& s);
// Reads the bytes of a chosen file into `s.listImport`, named after the file.
void readListFile(ProgramState& s, const SystemPath& path);
// Keeps the words read, with or without those no dictionary knows, under
// the import's name (made free: "CE1", "CE1 2"...), and chooses the list;
// false when it could not be written.
bool keepImportedList(ProgramState& s, bool withUnknownWords);

// Makes a kept list the one the games play; false when it cannot be read.
bool chooseOwnList(ProgramState& s, const std::string& name);
bool renameOwnList(ProgramState& s, const std::string& name, const std::string& newName);
bool deleteOwnList(ProgramState& s, const std::string& name);

// A name as lists are named: the characters a player can type for a name,
// at most ListNameLimit of them; empty when none is left.
std::string listName(std::string_view text);
// The words of a list of a length from `shortest` to `longest`.
int wordsBetween(const OwnList& list, int shortest, int longest);
// True when game `id` is a game of a player's list that `list` holds enough
// words for.
bool ownListPlays(const OwnList& list, int id);

}  // namespace glossamo
