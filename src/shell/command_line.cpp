#include "shell/command_line.hpp"

#include <string_view>

#include "base/text_encoding.hpp"

#ifndef GLOSSAMO_VERSION
#error "GLOSSAMO_VERSION is given by the build (the project's version)"
#endif

namespace glossamo {

CommandLine readCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--windowed") {
            line.windowed = true;
        } else if (option == "--help") {
            line.action = CommandLine::Action::ShowHelp;
            return line;
        } else if (option == "--version") {
            line.action = CommandLine::Action::ShowVersion;
            return line;
        } else {
            line.action = CommandLine::Action::RefuseOption;
            line.refusedOption = option;
            return line;
        }
    }
    return line;
}

// The texts are written in Latin-1, as every text of the program, and
// printed in UTF-8.
std::string helpText() {
    return latin1ToUtf8(
        "Usage : glossamo [OPTION]\n"
        "Jeux de lettres et de mots en fran\xE7" "ais, en plein \xE9" "cran sur une surface de 800 x 600.\n"
        "\n"
        "  --windowed   joue dans une fen\xEAtre de 800 x 600 (F11 passe de l'un \xE0 l'autre)\n"
        "  --help       affiche cette aide et s'arr\xEAte\n"
        "  --version    affiche la version et s'arr\xEAte\n"
        "\n"
        "Le profil, les parties enregistr\xE9" "es et les images du joueur sont dans\n"
        "~/.local/share/glossamo/.\n");
}

std::string versionText() { return "glossamo " GLOSSAMO_VERSION "\n"; }

// The option is printed with the bytes it was given in.
std::string refusedOptionText(const std::string& option) {
    return latin1ToUtf8("glossamo : option inconnue \xAB ") + option +
           latin1ToUtf8(" \xBB\nEssayez \xAB glossamo --help \xBB pour la liste des options.\n");
}

}  // namespace glossamo
