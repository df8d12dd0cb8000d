// glossamo: French letter and word games on one 800 x 600 surface, full
// screen or, with --windowed (F11 switches at any time), in a window.
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/system_path.hpp"
#include "platform/sdl_platform.hpp"
#include "shell/startup.hpp"
#include "shell/window_events.hpp"
#include "state/program_state.hpp"

int main(int argc, char** argv) {
    using namespace glossamo;
    SdlPlatform platform;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windowed") == 0) {
            platform.setWindowed(true);
        } else {
            std::fprintf(stderr, "glossamo: unknown option %s\nusage: glossamo [--windowed]\n", argv[i]);
            return 2;
        }
    }
    if (!platform.openSurface()) {
        std::fprintf(stderr, "glossamo: %s\n", platform.surfaceError().c_str());
        SdlPlatform::showStartError(SurfaceErrorMessage);
        return 1;
    }
    platform.openAudio();

    auto state = std::make_unique<ProgramState>(platform);
    // The program's folder is kept as the system names it, whatever its script.
    FormCreate(*state, SystemPath::fromSystem(SdlPlatform::programDir()));
    initialisation(*state);
    WindowEvents events(*state);
    platform.run(events);
    return 0;
}
