#pragma once
// The program's command line: its options, and the texts it prints for
// --help and --version before any window opens.
#include <string>

namespace glossamo {

struct CommandLine {
    enum class Action { Play, ShowHelp, ShowVersion, RefuseOption };
    Action action = Action::Play;
    bool windowed = false;
    std::string refusedOption;  // the first option not understood
};

// Reads the arguments after the program's name. --help and --version win
// over the options before them; the first unknown option ends the reading.
CommandLine readCommandLine(int argc, const char* const* argv);

// The texts, in UTF-8 for the terminal, each ending with a new line.
std::string helpText();
std::string versionText();
std::string refusedOptionText(const std::string& option);

}  // namespace glossamo
