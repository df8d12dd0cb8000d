#include "fuzz_support.hpp"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "shell/frame_tick.hpp"
#include "shell/input_routing.hpp"
#include "shell/startup.hpp"

namespace glossamo::fuzz {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t StartTicks = 100000;
constexpr std::uint64_t Seed = 20;

struct ScratchFolder {
    std::string path;
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "glossamo-fuzz-XXXXXX").string();
        path = mkdtemp(pattern.data()) ? pattern + "/" : "";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path.empty()) fs::remove_all(path, ignored);
    }
};

// Folders mirrored, files linked. The backgrounds and the panel are left
// out: every game start and screen change decodes them again, which would
// take most of each input's time, and their loading is not what is fuzzed
// here (the picture targets read pictures).
void mirror(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        const fs::path target = to / entry.path().filename();
        const std::string name = entry.path().filename().string();
        if (entry.is_directory())
            mirror(entry.path(), target);
        else if (from.filename() != "background" && name != "fenetre.jpg")
            fs::create_symlink(entry.path(), target);
    }
}

}  // namespace

const std::string& scratchFolder() {
    static const ScratchFolder folder;
    return folder.path;
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct FuzzProgram::Snapshot {
    AppState app;
    GameRecord game;
    DragState drag;
    TileFlight flight;
    PlayClock clock;
    TravelState travel;
    std::array<ListBox, ListBoxCount + 1> listBoxes;
    std::array<CheckBox, CheckBoxCount + 1> checkBoxes;
    InfoPopup popup;
    Banner banner;
    std::vector<std::string> gameWordList;
    Point mousePos;
    ShortString<TypedTextLimit> typedText;
    std::uint8_t endSoundPlayed, blinkOn, firstActivationDone;
    double hangmanScan;
    std::array<std::string, HelpFileCount> helpFiles;
    SystemPath musicFileName;
};

FuzzProgram& FuzzProgram::get() {
    static FuzzProgram* program = new FuzzProgram;  // lives as long as the process
    return *program;
}

FuzzProgram::FuzzProgram() : state(std::make_unique<ProgramState>(platform)), s(*state) {
    const std::string programDir = scratchFolder() + "app/";
    mirror(GLOSSAMO_APP_DIR, programDir);
    setenv("HOME", (scratchFolder() + "home").c_str(), 1);
    platform.setTicks(StartTicks);
    platform.audioPresent = false;
    FormCreate(s, SystemPath::fromSystem(programDir));
    initialisation(s);
    FormActivate(s);
    s.app.titleShowing = 0;
    started_ = std::unique_ptr<Snapshot>(new Snapshot{s.app, s.game, s.drag, s.flight, s.clock, s.travel,
                                                      s.listBoxes, s.checkBoxes, s.popup, s.banner, s.gameWordList,
                                                      s.mousePos, s.typedText, s.endSoundPlayed, s.blinkOn,
                                                      s.firstActivationDone, s.hangmanScan, s.helpFiles,
                                                      s.musicFileName});
}

void FuzzProgram::replaceDataFile(const std::string& relative, std::string_view bytes) {
    const std::string path = (s.programDir + relative).bytes();
    std::error_code ignored;
    if (fs::is_symlink(path, ignored)) fs::remove(path, ignored);
    writeFile(path, bytes);
}

void FuzzProgram::restore() {
    const Snapshot& k = *started_;
    s.app = k.app;
    s.game = k.game;
    s.drag = k.drag;
    s.flight = k.flight;
    s.clock = k.clock;
    s.travel = k.travel;
    s.listBoxes = k.listBoxes;
    s.checkBoxes = k.checkBoxes;
    s.popup = k.popup;
    s.banner = k.banner;
    s.gameWordList = k.gameWordList;
    s.mousePos = k.mousePos;
    s.typedText = k.typedText;
    s.endSoundPlayed = k.endSoundPlayed;
    s.blinkOn = k.blinkOn;
    s.firstActivationDone = k.firstActivationDone;
    s.hangmanScan = k.hangmanScan;
    s.helpFiles = k.helpFiles;
    s.musicFileName = k.musicFileName;
    s.debugLines.clear();
    s.rng.seed(Seed);
    platform.journal.clear();
    platform.setTicks(StartTicks);
    platform.setPlayClockEnabled(false);
    platform.setFrameTimerEnabled(true);
}

void FuzzProgram::frames(int n) {
    for (int i = 0; i < n; ++i) {
        platform.advance(10);
        DXTimer1Timer(s);
    }
}

void FuzzProgram::click(int x, int y) {
    DXMouseMove(s, x, y);
    DXMouseDown(s, ButtonLeft, x, y);
    DXMouseUp(s, ButtonLeft, x, y);
}

}  // namespace glossamo::fuzz
