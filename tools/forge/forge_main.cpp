// forge <program folder> <data folder>: writes every picture, sound and
// music file of the program.
#include <exception>
#include <iostream>

#include "forge.hpp"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: forge <program folder> <data folder>\n";
        return 2;
    }
    forge::Paths paths{std::string(argv[1]) + "/", std::string(argv[2]) + "/"};
    try {
        forge::forgeFontSheets(paths);
        forge::forgeTiles(paths);
        forge::forgeInterface(paths);
        forge::forgeGallows(paths);
        forge::forgeBackgrounds(paths);
        forge::forgeHeads(paths);
        forge::forgeTravelMap(paths);
        forge::forgeSounds(paths);
        forge::forgeMusic(paths);
        forge::forgeIcons(paths);
    } catch (const std::exception& e) {
        std::cerr << "forge: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
