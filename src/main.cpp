// glossamo: French letter and word games on one full-screen 800 x 600 surface.
#include <cstdio>
#include <memory>

#include "platform/sdl_platform.hpp"
#include "shell/startup.hpp"
#include "shell/window_events.hpp"
#include "state/program_state.hpp"

int main() {
    using namespace glossamo;
    SdlPlatform platform;
    if (!platform.openSurface()) {
        std::fprintf(stderr, "glossamo: %s\n", platform.surfaceError().c_str());
        SdlPlatform::showStartError(SurfaceErrorMessage);
        return 1;
    }
    platform.openAudio();

    auto state = std::make_unique<ProgramState>(platform);
    FormCreate(*state, SdlPlatform::programDir());
    initialisation(*state);
    WindowEvents events(*state);
    platform.run(events);
    return 0;
}
