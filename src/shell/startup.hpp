#pragma once
// Start-up and shut-down of the program.
#include <string>

#include "base/system_path.hpp"

namespace glossamo {

struct ProgramState;

// Shown when the drawing surface cannot start; the program then ends.
constexpr const char* SurfaceErrorMessage =
    "Erreur d'initialisation DirectX. Installez Dx 6 minimum et relancez votre ordinateur";

// The folder of the program's data, given the executable's folder: that
// folder itself when the data sits beside the executable (the build, an
// install by CMake), else <prefix>/share/games/glossamo/ beside an executable
// in <prefix>/games/ (the Debian package, which keeps the data that does not
// depend on the processor under share/), else the executable's folder still,
// whose missing folders the start-up then logs.
SystemPath dataFolderOf(const SystemPath& executableFolder);
// The main window exists: remember the program's folder.
void FormCreate(ProgramState& s, const SystemPath& programDir);
// Brings every process-wide record into its starting state and loads what
// must be there before the first picture.
void initialisation(ProgramState& s);
// The window became the active application (the first time, and after every
// switch back to the program).
void FormActivate(ProgramState& s);
void Lancejeu(ProgramState& s);
// The main window closes: the player's data is written.
void FormClose(ProgramState& s);

}  // namespace glossamo
