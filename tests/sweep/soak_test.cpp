// The soak: the real program on the shipped data driven by random input for
// many frames: clicks and drags on the menus, panels, games and travel map,
// keys and Escape, saves and loads, games won, given up and left, quick
// exits and restarts. Each frame it checks that no game build lasts over
// two seconds, that the list boxes keep within their entries and the debug
// log within 101 lines; every thousand frames it samples the memory in use,
// which must stop growing.
//
// It runs GLOSSAMO_SOAK_FRAMES frames (a CMake option) from one seed; the
// environment variables GLOSSAMO_SOAK_FRAMES and GLOSSAMO_SOAK_SEED change
// them for one run. The same seed replays the same input.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

#include "base/text_encoding.hpp"
#include "play/catalogue.hpp"
#include "state/debug_log.hpp"
#include "sweep/game_solvers.hpp"
#include "travel/travel_mode.hpp"
#include "widgets/widgets.hpp"

#if defined(__SANITIZE_ADDRESS__)
#define GLOSSAMO_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLOSSAMO_SOAK_ASAN 1
#endif
#endif

#ifdef GLOSSAMO_SOAK_ASAN
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#ifndef GLOSSAMO_SOAK_FRAMES
#define GLOSSAMO_SOAK_FRAMES 100000
#endif

namespace glossamo::testing {

namespace {

constexpr int MostBuildFrames = 200;  // two seconds of the program's time
constexpr double MostBuildMs = 2000;  // and of the machine's
constexpr std::size_t MostDebugLines = DebugLogMaxLines + 1;
constexpr int SampleEvery = 1000;  // frames
constexpr std::size_t AllowedGrowth = 16u << 20;
constexpr std::uint64_t DefaultSeed = 20;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// The memory the program holds: its resident pages, or under
// AddressSanitizer (whose quarantine keeps freed blocks resident) the bytes
// allocated and not freed.
std::size_t memoryInUse() {
#ifdef GLOSSAMO_SOAK_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#endif
}

// Button images are 48 pixels: a click at their middle.
Point buttonAt(int x, int y) { return {x + ButtonSize / 2, y + ButtonSize / 2}; }

class SoakDriver {
public:
    SoakDriver(std::uint64_t seed, std::uint64_t frames) : rng_(seed), target_(frames) {
        run_.afterStep = [this] { watchFrame(); };
    }

    // Drives the program until the frames are run or an invariant breaks;
    // returns the first broken invariant, empty when none broke.
    std::string drive() {
        while (frames_ < target_ && broken_.empty()) {
            run_.platform().setClockSeed(rng_());
            act();
            if (run_.platform().closeRequested) {
                note("restart after the window closed");
                run_.restart();
            }
            wait();
        }
        return broken_;
    }

    const std::vector<std::size_t>& memorySamples() const { return samples_; }
    std::string lastActions() const {
        std::string text;
        for (const std::string& action : actions_) text += "  " + action + "\n";
        return text;
    }
    std::uint64_t frames() const { return frames_; }
    int gamesWon() const { return won_; }
    int gamesStarted() const { return started_; }
    int restarts() const { return restarts_; }
    double longestBuildMs() const { return longestBuildMs_; }
    int longestBuildFrames() const { return longestBuildFrames_; }
    // How often each pop-up message was shown: saves, loads, scores ...
    std::string popups() const {
        std::string text;
        for (const auto& [what, count] : popups_) text.append(what).append(" ").append(std::to_string(count)).append(", ");
        return text;
    }
    // How often each kind of input was given.
    std::string tally() const {
        std::string text;
        for (const auto& [what, count] : tally_) text.append(what).append(" ").append(std::to_string(count)).append(", ");
        return text;
    }

private:
    HeadlessRun run_;
    std::mt19937_64 rng_;
    std::uint64_t target_;
    std::uint64_t frames_ = 0;
    std::string broken_;
    std::deque<std::string> actions_;
    std::vector<std::size_t> samples_;
    int buildFrames_ = 0;
    std::chrono::steady_clock::time_point buildStart_;
    int won_ = 0, started_ = 0, restarts_ = 0;
    double longestBuildMs_ = 0;
    int longestBuildFrames_ = 0;
    std::map<std::string, int> tally_;
    std::map<std::string, int> popups_;
    std::uint32_t lastPopup_ = 0;
    bool wasWon_ = false;

    ProgramState& s() { return run_.state(); }
    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    Point anywhere() { return {below(800), below(600)}; }

    void note(const std::string& action) {
        std::string line = "frame ";
        line.append(std::to_string(frames_)).append(": ").append(action);
        actions_.push_back(line);
        if (actions_.size() > 25) actions_.pop_front();
        if (action.starts_with("restart")) ++restarts_;
        ++tally_[action.substr(0, action.find(" at "))];
    }
    void breaks(const std::string& what) {
        if (broken_.empty()) broken_ = "frame " + std::to_string(frames_) + ": " + what;
    }

    // --- the invariants, after every frame -------------------------------------

    void watchFrame() {
        ++frames_;
        ProgramState& p = s();
        // The saved games are named after the clock: let it run with the ticks.
        const std::uint32_t seconds = run_.platform().ticks() / 1000;
        run_.platform().now = LocalTime{2026, 12, 6, static_cast<int>(seconds / 3600 % 24),
                                        static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};

        const bool building = p.gameRunning() && p.game.built == 0 && p.app.gameLost == 0 && !p.travel.mapShown;
        if (!building) {
            buildFrames_ = 0;
        } else if (++buildFrames_ == 1) {
            buildStart_ = std::chrono::steady_clock::now();
            ++started_;
        } else {
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - buildStart_).count();
            longestBuildMs_ = std::max(longestBuildMs_, ms);
            longestBuildFrames_ = std::max(longestBuildFrames_, buildFrames_);
            if (buildFrames_ > MostBuildFrames) breaks("game " + std::to_string(p.game.gameId) + " still building after two seconds");
            if (ms > MostBuildMs) breaks("game " + std::to_string(p.game.gameId) + " took " + std::to_string(ms) + " ms to build");
        }
        if (p.popup.active && p.popup.startTick != lastPopup_) {
            lastPopup_ = p.popup.startTick;
            ++popups_[latin1ToUtf8(p.popup.text.str().substr(0, 16))];
        }
        if (p.app.gameWon == 1 && !wasWon_) ++won_;
        wasWon_ = p.app.gameWon == 1;

        for (int n = 1; n <= ListBoxCount; ++n) {
            const ListBox& list = p.listBox(n);
            const int last = ListBoxEntries - 1;
            if (list.count < 0 || list.count > last || list.firstShown < 0 || list.firstShown > last ||
                list.selected < -1 || list.selected > last)
                breaks("list box " + std::to_string(n) + " out of its entries: count " + std::to_string(list.count) +
                       ", first shown " + std::to_string(list.firstShown) + ", selected " + std::to_string(list.selected));
        }
        if (p.debugLines.size() > MostDebugLines) breaks("the debug log holds " + std::to_string(p.debugLines.size()) + " lines");
        if (frames_ % SampleEvery == 0) samples_.push_back(memoryInUse());
    }

    // --- the input -------------------------------------------------------------

    void wait() {
        const int roll = below(100);
        run_.frames(roll < 70 ? 1 + below(5) : roll < 96 ? 5 + below(60) : 200 + below(900));
    }

    void click(Point p, const std::string& what) {
        note("click " + what + " at " + std::to_string(p.x) + "," + std::to_string(p.y));
        run_.click(p);
    }
    void key(int code, const std::string& what) {
        note("key " + what);
        run_.key(code);
        run_.step();
    }

    void act() {
        ProgramState& p = s();
        if (p.app.titleShowing == 1) return click(anywhere(), "the title");
        if (chance(1) && chance(10)) {
            note("restart: the window closed");
            run_.restart();
            return;
        }
        if (p.app.screen == screens::Families) return familyList();
        if (p.app.screen == screens::Levels) return levelList();
        if (p.app.screen >= screens::Options) return panel();
        if (p.travel.mapShown) return travelMap();
        if (p.gameRunning()) return game();
        click(anywhere(), "an empty screen");
    }

    void familyList() {
        const int roll = below(100);
        if (roll < 60) {
            const int k = 1 + below(FamilyCount);
            const int x = k <= 15 ? 55 : 420, y = 20 * (k <= 15 ? k : k - 15) + 53;
            return click({x + 20, y + 10}, "a family");
        }
        if (roll < 85) {
            static const int bar[] = {200, 260, 320, 380, 440};
            static const char* names[] = {"profile", "travel", "saved games", "scores", "quit"};
            const int b = below(5);
            return click(buttonAt(bar[b], 540), names[b]);
        }
        if (roll < 92) return key(vk::Escape, "Escape on the family list");
        click(anywhere(), "anywhere on the family list");
    }

    void levelList() {
        int levels = 1;
        for (const GameFamily& family : GameFamilies())
            if (family.firstId == static_cast<int>(s().app.chosenFamily)) levels = std::max(family.levels, 1);
        const int r = chance(90) ? below(levels) : levels + 1;
        click({400, 20 * r + 91}, r < levels ? "a level" : "back to the families");
    }

    // The panels slide in from the right: their elements are where the
    // panel is now.
    void panel() {
        ProgramState& p = s();
        const int L = p.app.panelX, T = p.app.panelY, R = L + 500, B = T + 350;
        const int screen = p.app.screen;
        if (chance(8)) return key(vk::Escape, "Escape on panel " + std::to_string(screen));
        if ((screen == screens::Profile || screen == screens::AnagramSearch || screen == screens::PatternSearch) &&
            chance(40)) {
            const int roll = below(10);
            if (roll < 6) {
                static const std::string typed[] = {"A", "e", "\xC3\xA9", "*", "Z", "1", ":", " ", "?", "mot"};
                note("type a character");
                run_.type(typed[below(10)]);
                return;
            }
            return key(roll < 8 ? vk::Enter : vk::Backspace, roll < 8 ? "Enter" : "Backspace");
        }
        std::vector<Point> targets;
        auto rows = [&](int left, int top, int shown) {
            for (int r = 1; r <= shown; ++r) targets.push_back({left + 60, top + 20 * r + 10});
        };
        switch (screen) {
            case screens::Options:
                rows(L + 100, T + 120, 11);
                targets.insert(targets.end(), {buttonAt(L + 40, T + 100), buttonAt(L + 40, T + 200),
                                               {L + 70, T + 370}, {L + 70, T + 345}, buttonAt(R - 30, B - 20)});
                break;
            case screens::Scores:
                rows(L + 90, T + 90, 11);
                targets.insert(targets.end(), {buttonAt(L + 20, T + 90), buttonAt(L + 20, T + 290), buttonAt(R - 30, B - 20),
                                               buttonAt(R - 90, B - 20), buttonAt(R - 150, B - 20)});
                break;
            case screens::Help:
                targets.insert(targets.end(), {buttonAt(L + 45, T + 90), buttonAt(L + 45, T + 300), buttonAt(R - 30, B - 10)});
                break;
            case screens::Profile:
                rows(L + 100, T + 100, 4);
                // Now and then a picture is chosen in the import dialog.
                run_.platform().pictureChoice.reset();
                if (chance(30)) run_.platform().pictureChoice = GLOSSAMO_APP_DIR "/bitmaps/tete/Vimbo Trask.bmp";
                targets.insert(targets.end(), {buttonAt(L + 40, T + 100), buttonAt(L + 40, T + 180), buttonAt(R - 30, T + 180),
                                               buttonAt(L + 40, T + 300), buttonAt(L + 40, T + 355), buttonAt(R - 30, T + 355)});
                break;
            case screens::SavedGames:
                rows(L + 100, T + 100, 8);
                targets.insert(targets.end(), {buttonAt(L + 40, T + 100), buttonAt(L + 40, T + 250), buttonAt(R - 150, B - 20),
                                               buttonAt(R - 90, B - 20), buttonAt(R - 90, B - 20), buttonAt(R - 30, B - 20)});
                break;
            case screens::AnagramSearch:
            case screens::PatternSearch:
                rows(L + 100, T + 100, 11);
                targets.insert(targets.end(), {buttonAt(L + 40, T + 100), buttonAt(L + 40, T + 280), buttonAt(R - 30, T + 355)});
                break;
            case screens::QuitConfirmation:
            case screens::Confirmation:
                targets.insert(targets.end(), {buttonAt(L + 40, T + 140), buttonAt(L + 200, T + 140), buttonAt(L + 200, T + 140)});
                break;
            default:
                break;
        }
        if (targets.empty() || chance(10)) return click(anywhere(), "anywhere on panel " + std::to_string(screen));
        click(targets[static_cast<std::size_t>(below(static_cast<int>(targets.size())))], "panel " + std::to_string(screen));
    }

    void inGameBar() {
        static const int bar[] = {140, 200, 260, 320, 380, 440, 500, 560, 620, 680, 740};
        static const char* names[] = {"undo",           "check",           "hint", "print",   "play again", "save",
                                      "anagram search", "pattern search", "help", "options", "give up"};
        const int b = below(11);
        click(buttonAt(bar[b], 540), names[b]);
    }

    Point randomCell() { return run_.pixelOf(below(BoardSize), below(16)); }

    void game() {
        ProgramState& p = s();
        const bool ended = p.app.gameWon == 1 || p.app.gameLost == 1;
        const int roll = below(100);
        if (p.game.built == 0 || ended) {
            if (roll < 40) return click(randomCell(), ended ? "an ended game" : "a building game");
            if (roll < 50) return key(vk::Escape, ended ? "Escape on an ended game" : "Escape on a building game");
            if (roll < 55) return inGameBar();
            return;
        }
        if (roll < 10) {
            note("solve " + familyName(static_cast<int>(p.game.gameId)));
            winGame(run_);
            return;
        }
        if (roll < 45) {
            const Point from = randomCell(), to = chance(90) ? randomCell() : anywhere();
            note("drag in a game");
            run_.press(from);
            run_.step();
            if (chance(10)) run_.press(from, ButtonRight);  // turns a carried word
            run_.moveTo(to);
            run_.step();
            run_.release(to);
            return;
        }
        if (roll < 65) return click(randomCell(), "a cell");
        if (roll < 80) return inGameBar();
        if (roll < 81) return click(buttonAt(730, 15), "quick exit");
        if (roll < 86) return key(vk::Escape, "Escape in a game");
    }

    void travelMap() {
        const TravelState& t = s().travel;
        const int roll = below(100);
        if (roll < 55) {
            static const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            const int d = below(4);
            const int c = t.curCol + steps[d][0], r = t.curRow + steps[d][1];
            return click({travelSquareX(c) + 25, travelSquareY(r) + 25}, "a travel square");
        }
        if (roll < 70) return click({50 + below(700), 100 + below(400)}, "the map");
        if (roll < 78) return key(vk::Escape, "Escape on the map");
        if (roll < 90) return inGameBar();
    }
};

}  // namespace

TEST(Soak, RandomInputKeepsTheProgramWithinItsBounds) {
    const std::uint64_t seed = fromEnvironment("GLOSSAMO_SOAK_SEED", DefaultSeed);
    const std::uint64_t frames = fromEnvironment("GLOSSAMO_SOAK_FRAMES", GLOSSAMO_SOAK_FRAMES);
    std::cout << "soak: seed " << seed << ", " << frames << " frames" << std::endl;
    SoakDriver driver(seed, frames);
    const std::string broken = driver.drive();
    ASSERT_TRUE(broken.empty()) << broken << " (seed " << seed << ")\nlast input:\n" << driver.lastActions();

    // The memory in use stops growing: after the first fifth of the run, no
    // sample exceeds the highest of that fifth by more than the allowance.
    const std::vector<std::size_t>& samples = driver.memorySamples();
    const std::size_t warm = samples.size() / 5;
    const std::size_t warmPeak = samples.empty() ? 0 : *std::max_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(warm + 1));
    const std::size_t peak = samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
    std::cout << "soak: " << driver.gamesStarted() << " games built, " << driver.gamesWon() << " won, " << driver.restarts()
              << " restarts; memory " << (warmPeak >> 20) << " MB after the first fifth, peak " << (peak >> 20) << " MB"
              << std::endl;
    std::cout << "soak: longest build " << driver.longestBuildFrames() << " frames, " << driver.longestBuildMs() << " ms"
              << std::endl;
    std::cout << "soak: input given: " << driver.tally() << std::endl;
    std::cout << "soak: messages shown: " << driver.popups() << std::endl;
    EXPECT_LE(peak, warmPeak + AllowedGrowth) << "the memory in use keeps growing (seed " << seed << ")";
}

}  // namespace glossamo::testing
