// Key screens of the real program, rendered headless and compared pixel for
// pixel with the pictures kept under tests/data/screens/: the family list, a
// level list, the first level of every family at its build, the won and lost
// banners and every panel. Each screen starts a program of its own on a
// fresh player's folder, with the clock, the date and the seed fixed, so a
// screen never depends on the one before it.
//
// A picture keeps only what differs from its background (for a panel, the
// background with the empty panel at rest): its transparent pixels are the
// background's, which is drawn from the shipped pictures and checked against
// the digest kept in backgrounds.txt. GLOSSAMO_WRITE_SCREENS=1 writes the
// pictures and digests again from this build; otherwise a screen that
// differs is written to build/shots/ and named with the count and the box
// of its differing pixels.
#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "menus/menu_screens.hpp"
#include "platform/canvas.hpp"
#include "profile/saved_games.hpp"
#include "stats/statistics.hpp"
#include "support/headless_run.hpp"
#include "support/player_list.hpp"
#include "sweep/game_solvers.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::testing {

namespace {

const std::filesystem::path ScreensFolder = std::filesystem::path(GLOSSAMO_TEST_DATA_DIR) / "screens";
const std::filesystem::path BackgroundsFile = ScreensFolder / "backgrounds.txt";
constexpr Point Aside{795, 300};  // the pointer, over nothing that answers it
constexpr int PanelFrames = 60;   // a panel slides to its resting place
constexpr int MostBuildFrames = 200;

bool writing() {
    const char* wanted = std::getenv("GLOSSAMO_WRITE_SCREENS");
    return wanted && std::string(wanted) == "1";
}

// A frame as 8-bit colours, 0xRRGGBB, converted as the shot writer does.
using Picture = std::vector<std::uint32_t>;
constexpr std::uint32_t Transparent = 0xFF000000u;  // no 8-bit colour has a bit there

Picture pictureOf(const Canvas& canvas) {
    Picture p(static_cast<std::size_t>(SurfaceWidth) * SurfaceHeight);
    for (int y = 0; y < SurfaceHeight; ++y)
        for (int x = 0; x < SurfaceWidth; ++x) {
            const std::uint16_t v = canvas.pixel(x, y);
            const std::uint32_t r = (v >> 11) * 255u / 31, g = ((v >> 5) & 63) * 255u / 63, b = (v & 31) * 255u / 31;
            p[static_cast<std::size_t>(y) * SurfaceWidth + x] = (r << 16) | (g << 8) | b;
        }
    return p;
}

void writePng(const Picture& p, const std::filesystem::path& path) {
    std::vector<std::uint32_t> argb(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) argb[i] = p[i] == Transparent ? 0u : 0xFF000000u | p[i];
    std::filesystem::create_directories(path.parent_path());
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(argb.data()), CAIRO_FORMAT_ARGB32, SurfaceWidth, SurfaceHeight, SurfaceWidth * 4);
    cairo_surface_write_to_png(surface, path.string().c_str());
    cairo_surface_destroy(surface);
}

// The picture kept at `path`; empty when there is none of the screen's size.
Picture readPng(const std::filesystem::path& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.string().c_str());
    Picture p;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && cairo_image_surface_get_width(surface) == SurfaceWidth &&
        cairo_image_surface_get_height(surface) == SurfaceHeight) {
        cairo_surface_flush(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < SurfaceHeight; ++y)
            for (int x = 0; x < SurfaceWidth; ++x) {
                const std::uint32_t v = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
                p.push_back((v >> 24) == 0 ? Transparent : v & 0xFFFFFFu);
            }
    }
    cairo_surface_destroy(surface);
    return p;
}

// A screen: its name, the background its picture is kept against, and how
// the program is brought to it.
struct Screen {
    std::string name;
    std::string background;
    std::function<void(HeadlessRun&)> show;
};

// Past the title, on the family list, the pointer aside.
void pastTheTitle(HeadlessRun& run) {
    run.click({400, 300});
    run.moveTo(Aside);
    run.frames(3);
}

// Starts a game as the level list does, with the seed fixed, and runs
// frames until it is built and a few more.
void startAndBuild(HeadlessRun& run, int id) {
    pastTheTitle(run);
    run.platform().setClockSeed(1);
    run.state().ownList = classList();  // what the games of a player's list play
    startGame(run.state(), id);
    for (int k = 0; k < MostBuildFrames && run.state().game.built == 0; ++k) run.step();
    run.frames(3);
    run.moveTo(Aside);
    run.step();
}

// A hangman saved, then won and scored: the scores and the saved games
// panels list it. Back on the family list once the message has gone.
void saveAndWinAGame(HeadlessRun& run) {
    startAndBuild(run, 8);
    saveGame(run.state(), false);
    winGame(run);
    run.frames(2);
    run.click({400, 300});
    run.moveTo(Aside);
    run.frames(500);
}

// Statistics kept for a hangman, a Motuce and a grid.
void keepStatistics(HeadlessRun& run) {
    ProgramState& s = run.state();
    std::filesystem::create_directories(s.userDir.bytes() + "CFG");
    for (const int misses : {3, 6}) {
        recordOutcome(s, GameOutcome{8, Outcome::Won, 3 * 3600 + 83, 0, misses, 12, 3});
        recordOutcome(s, GameOutcome{51, Outcome::Won, 83, misses, 0, 1, 0});
        recordOutcome(s, GameOutcome{1, Outcome::Won, 36000 + 83, 0, 0, 1234, 123});
    }
}

// A panel opened with the statistics kept, then the typed word as long as
// typing allows and the search results' list full.
void openPanel(HeadlessRun& run, int screen) {
    if (screen == screens::Scores || screen == screens::SavedGames)
        saveAndWinAGame(run);
    else
        pastTheTitle(run);
    keepStatistics(run);
    openScreen(run.state(), static_cast<glossamo::Screen>(screen));
    run.state().typedText = "ABCDEFGHIJKLMNOP";
    for (int i = 0; i < 30; ++i) listAdd(run.state(), 3, "ANTICONSTITUTIO");
    run.frames(PanelFrames);
}

std::vector<Screen> keyScreens() {
    std::vector<Screen> screens{
        {"families", "menus", pastTheTitle},
        {"levels_hangman", "menus",
         [](HeadlessRun& run) {
             pastTheTitle(run);
             run.click({60, 20 * 4 + 53 + 10});  // LE PENDU
             run.moveTo(Aside);
             run.frames(3);
         }},
    };
    for (int f = 1; f <= FamilyCount; ++f) {
        const int id = GameFamilies()[static_cast<std::size_t>(f)].firstId;
        screens.push_back({"game_" + std::to_string(id), "game", [id](HeadlessRun& run) { startAndBuild(run, id); }});
    }
    screens.push_back({"won_hangman", "game", [](HeadlessRun& run) {
                           startAndBuild(run, 8);
                           winGame(run);
                           run.moveTo(Aside);
                           run.frames(40);
                       }});
    screens.push_back({"lost_hangman", "game", [](HeadlessRun& run) {
                           startAndBuild(run, 8);
                           run.key(vk::Escape);
                           run.frames(40);
                       }});
    const std::pair<int, const char*> panels[] = {
        {screens::Options, "options"},         {screens::Scores, "scores"},
        {screens::Help, "rules"},              {screens::Profile, "profile"},
        {screens::SavedGames, "saved_games"},  {screens::AnagramSearch, "anagram_search"},
        {screens::PatternSearch, "pattern_search"}, {screens::Challenge, "challenge"}};
    for (const auto& [screen, name] : panels)
        screens.push_back({std::string("panel_") + name, "panel", [screen](HeadlessRun& run) { openPanel(run, screen); }});
    for (const int id : {8, 51, 1})
        screens.push_back({"panel_statistics_" + std::to_string(id), "panel", [id](HeadlessRun& run) {
                               openPanel(run, screens::Statistics);
                               run.state().statsFamily = familyOfGame(id);
                               run.state().statsLevel = 0;
                               run.frames(2);
                           }});
    screens.push_back({"panel_quit_question", "menus", [](HeadlessRun& run) { openPanel(run, screens::QuitConfirmation); }});
    for (const auto& [question, name] : {std::pair{confirmations::ClearScores, "clear_scores"},
                                         std::pair{confirmations::ClearStatistics, "clear_statistics"}})
        screens.push_back({std::string("panel_question_") + name, "menus", [question](HeadlessRun& run) {
                               pastTheTitle(run);
                               askFirst(run.state(), question);
                               run.frames(PanelFrames);
                           }});
    screens.push_back({"panel_question_restart", "game", [](HeadlessRun& run) {
                           startAndBuild(run, 8);
                           askFirst(run.state(), confirmations::Restart);
                           run.frames(PanelFrames);
                       }});
    return screens;
}

// Draws what the screen's picture is kept against: its background, and for
// a panel the empty panel where it rests. Gives the name it is kept under.
std::string drawBase(ProgramState& s, const std::string& background) {
    drawBackground(s);
    if (background != "panel") return background;
    drawPanel(s, s.app.panelX, s.app.panelY);
    return background + "_" + std::to_string(s.app.panelX) + "_" + std::to_string(s.app.panelY);
}

struct Difference {
    int count = 0;
    int left = SurfaceWidth, top = SurfaceHeight, right = -1, bottom = -1;
};

Difference compare(const Picture& actual, const Picture& expected) {
    Difference d;
    for (int y = 0; y < SurfaceHeight; ++y)
        for (int x = 0; x < SurfaceWidth; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * SurfaceWidth + x;
            if (actual[i] == expected[i]) continue;
            ++d.count;
            d.left = std::min(d.left, x);
            d.top = std::min(d.top, y);
            d.right = std::max(d.right, x);
            d.bottom = std::max(d.bottom, y);
        }
    return d;
}

// The frame's pixels that differ from the background, the others transparent.
Picture against(const Picture& frame, const Picture& background) {
    Picture kept(frame.size());
    for (std::size_t i = 0; i < frame.size(); ++i) kept[i] = frame[i] == background[i] ? Transparent : frame[i];
    return kept;
}

Picture laidOver(const Picture& kept, const Picture& background) {
    Picture whole(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) whole[i] = kept[i] == Transparent ? background[i] : kept[i];
    return whole;
}

// The backgrounds are the shipped pictures: they are kept as a digest of
// their pixels, one line per background in backgrounds.txt.
std::string digestOf(const Picture& p) {
    std::uint64_t h = 14695981039346656037ull;
    for (const std::uint32_t v : p) h = (h ^ v) * 1099511628211ull;
    std::ostringstream text;
    text << std::hex << h;
    return text.str();
}

std::map<std::string, std::string> keptDigests() {
    std::map<std::string, std::string> digests;
    std::ifstream in(BackgroundsFile);
    std::string name, digest;
    while (in >> name >> digest) digests[name] = digest;
    return digests;
}

std::string writeShot(const Picture& p, const std::string& name) {
    const std::filesystem::path shot =
        std::filesystem::path(GLOSSAMO_APP_DIR).parent_path() / "shots" / ("same_screens_" + name + ".png");
    writePng(p, shot);
    return shot.string();
}

}  // namespace

TEST(SameScreens, EveryKeyScreenAsKept) {
    const bool write = writing();
    std::map<std::string, std::string> digests = write ? std::map<std::string, std::string>{} : keptDigests();
    for (const Screen& screen : keyScreens()) {
        SCOPED_TRACE(screen.name);
        HeadlessRun run;
        screen.show(run);
        const Picture frame = pictureOf(run.platform().canvas());
        const std::string baseName = drawBase(run.state(), screen.background);
        const Picture base = pictureOf(run.platform().canvas());
        const std::filesystem::path file = ScreensFolder / (screen.name + ".png");
        if (write) {
            const auto [kept, fresh] = digests.emplace(baseName, digestOf(base));
            ASSERT_TRUE(fresh || kept->second == digestOf(base)) << "two backgrounds kept as " << baseName;
            writePng(against(frame, base), file);
            continue;
        }
        if (digests[baseName] != digestOf(base))
            ADD_FAILURE() << "background " << baseName << " differs; it is in " << writeShot(base, "background_" + baseName);
        const Picture kept = readPng(file);
        ASSERT_FALSE(kept.empty()) << "no picture kept at " << file;
        const Difference d = compare(frame, laidOver(kept, base));
        if (d.count > 0)
            ADD_FAILURE() << screen.name << ": " << d.count << " pixels differ, from (" << d.left << ", " << d.top
                          << ") to (" << d.right << ", " << d.bottom << "); the frame is in "
                          << writeShot(frame, screen.name);
    }
    if (write) {
        std::ofstream out(BackgroundsFile);
        for (const auto& [name, digest] : digests) out << name << ' ' << digest << '\n';
    }
}

}  // namespace glossamo::testing
