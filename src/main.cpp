// glossamo: French letter and word games on one 800 x 600 surface, full
// screen or, with --windowed (F11 switches at any time), in a window.
#include <cstdio>
#include <memory>

#include "base/system_path.hpp"
#include "platform/sdl_platform.hpp"
#include "shell/command_line.hpp"
#include "shell/startup.hpp"
#include "shell/window_events.hpp"
#include "state/program_state.hpp"

int main(int argc, char** argv) {
    using namespace glossamo;
    // The command line is answered before anything of SDL starts, so that
    // --help and --version work without a display.
    const CommandLine line = readCommandLine(argc, argv);
    switch (line.action) {
        case CommandLine::Action::ShowHelp:
            std::fputs(helpText().c_str(), stdout);
            return 0;
        case CommandLine::Action::ShowVersion:
            std::fputs(versionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::RefuseOption:
            std::fputs(refusedOptionText(line.refusedOption).c_str(), stderr);
            return 2;
        case CommandLine::Action::Play:
            break;
    }

    SdlPlatform platform;
    platform.setWindowed(line.windowed);
    if (!platform.openSurface()) {
        std::fprintf(stderr, "glossamo: %s\n", platform.surfaceError().c_str());
        SdlPlatform::showStartError(SurfaceErrorMessage);
        return 1;
    }
    platform.openAudio();

    auto state = std::make_unique<ProgramState>(platform);
    // The program's folder is kept as the system names it, whatever its script.
    FormCreate(*state, dataFolderOf(SystemPath::fromSystem(SdlPlatform::programDir())));
    initialisation(*state);
    WindowEvents events(*state);
    platform.run(events);
    return 0;
}
