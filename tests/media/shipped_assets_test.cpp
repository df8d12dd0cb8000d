// Every picture, sound and music file the program loads exists in the
// program folder, with the size the drawing code relies on.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "platform/canvas.hpp"

namespace glossamo::testing {

namespace {

const SystemPath App = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");

struct Size {
    int w, h;
    bool operator==(const Size&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Size& size) { return out << size.w << "x" << size.h; }

Size pictureSize(const SystemPath& path) {
    Canvas canvas;
    if (!canvas.loadImage(ImageSet::Screen, 0, path.bytes(), ColourKey{})) return {0, 0};
    const SDL_Surface* s = canvas.image(ImageSet::Screen, 0);
    return {s->w, s->h};
}

std::string firstBytes(const SystemPath& path, std::size_t n) {
    std::ifstream in(path.bytes(), std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    return bytes.substr(0, static_cast<std::size_t>(in.gcount()));
}

Size interfaceSize(int n) {
    switch (n) {
        case 26: return {0, 0};  // a font sheet, checked with the others
        case 41:
        case 56: return {500, 260};  // the quit panel, and the question panel without its door
        case 45:
        case 46: return {20, 20};
        case 49:
        case 50:
        case 51:
        case 59: return {320, 200};
        case 60: return {8, 16};
        case 61: return {8, 10};
        default: return {48, 48};
    }
}

}  // namespace

TEST(ShippedAssets, NumberedPicturesHaveTheirSizes) {
    for (int n = 0; n <= LastInterfacePicture; ++n) {
        const Size size = pictureSize(App + "bitmaps/Interface/" + std::to_string(n) + ".bmp");
        if (n == 26) {
            EXPECT_GE(size.w, 13 * 24) << "small font sheet";
            EXPECT_GE(size.h, 17 * 9 + 20);
        } else {
            EXPECT_EQ(size, interfaceSize(n)) << "Interface " << n;
        }
    }
    for (int n = 0; n <= 53; ++n)
        EXPECT_EQ(pictureSize(App + "bitmaps/pendu/" + std::to_string(n) + ".bmp"), (Size{166, 206})) << "pendu " << n;
    for (int n : {2, 3, 4, 5, 6, 7, 8, 13, 14, 15})
        EXPECT_EQ(pictureSize(App + "bitmaps/Slots/" + std::to_string(n) + ".bmp"), (Size{30, 30})) << "slot " << n;
    for (int n : {9, 10})
        EXPECT_EQ(pictureSize(App + "bitmaps/Slots/" + std::to_string(n) + ".bmp"), (Size{30, 34})) << "slot " << n;
    for (int n : {0, 1}) {
        const Size size = pictureSize(App + "bitmaps/Slots/" + std::to_string(n) + ".bmp");
        EXPECT_TRUE(size.w >= 26 * 24 && size.h >= 34 * 9 + 39) << "tile font " << n << " " << size;
    }
    for (int n : {11, 12}) {
        const Size size = pictureSize(App + "bitmaps/Slots/" + std::to_string(n) + ".bmp");
        EXPECT_TRUE(size.w >= 20 * 24 - 5 && size.h >= 26 * 9 + 29) << "title font " << n << " " << size;
    }
}

TEST(ShippedAssets, BackgroundsPanelAndHeads) {
    for (const char* special : {"0000", "00000", "000000", "0000000"})
        EXPECT_EQ(pictureSize(App + "bitmaps/background/" + special + ".jpg"), (Size{800, 600})) << special;
    const std::vector<std::string> backgrounds = listFolder(App + "bitmaps/background/", "*.jpg");
    ASSERT_GE(backgrounds.size(), 4u + 8u) << "at least 8 to choose from";
    for (const std::string& name : backgrounds)
        EXPECT_EQ(pictureSize(App + "bitmaps/background/" + name), (Size{800, 600})) << name;
    EXPECT_EQ(pictureSize(App + "bitmaps/Fenetres/fenetre.jpg"), (Size{580, 420}));

    const std::vector<std::string> heads = listFolder(App + "bitmaps/tete/", "*.bmp");
    EXPECT_GE(heads.size(), 6u);
    const std::set<std::string> names(heads.begin(), heads.end());
    EXPECT_TRUE(names.count("Joueur.bmp")) << "the default player's picture";
    EXPECT_TRUE(names.count("Vimbo Trask.bmp"));
    for (const std::string& name : heads) EXPECT_EQ(pictureSize(App + "bitmaps/tete/" + name), (Size{80, 90})) << name;
}

TEST(ShippedAssets, SoundsAndMusic) {
    for (int n = 0; n <= 13; ++n) {
        const SystemPath path = App + "Sons/" + std::to_string(n) + ".wav";
        const std::string header = firstBytes(path, 12);
        EXPECT_EQ(header.substr(0, 4), "RIFF") << path;
        EXPECT_EQ(header.substr(8, 4), "WAVE") << path;
    }
    const std::vector<std::string> pieces = listFolder(App + "music/", "*.mid");
    EXPECT_GE(pieces.size(), 5u);
    for (const std::string& name : pieces) EXPECT_EQ(firstBytes(App + "music/" + name, 4), "MThd") << name;
}

TEST(ShippedAssets, CountriesFileHasEveryIndexOnTheMap) {
    std::ifstream in((App + "txt/voyage.dta").bytes(), std::ios::binary);
    ASSERT_TRUE(in) << "txt/voyage.dta";
    std::string line;
    std::set<std::string> keys;
    int names = 0;
    while (std::getline(in, line)) {
        ASSERT_FALSE(line.empty()) << "lines end with CR LF";
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        keys.insert(key);
        if (key.rfind("nom", 0) == 0) {
            ++names;
            EXPECT_LE(value.size(), 26u) << value;
        } else if (key[0] == 'x') {
            EXPECT_TRUE(std::stoi(value) >= 0 && std::stoi(value) <= 13) << line;
        } else if (key[0] == 'y') {
            EXPECT_TRUE(std::stoi(value) >= 0 && std::stoi(value) <= 7) << line;
        }
    }
    EXPECT_EQ(names, 113);
    for (int i = 0; i <= 112; ++i)
        for (const char* key : {"nom", "x", "y"}) EXPECT_TRUE(keys.count(key + std::to_string(i))) << key << i;
}

}  // namespace glossamo::testing
