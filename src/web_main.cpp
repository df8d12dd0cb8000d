// glossamo in a browser: the same program on the page's 800 x 600 surface,
// its loop driven by the browser and its player's folder kept in the
// browser's storage by the page.
#include <memory>

#include "base/system_path.hpp"
#include "platform/web_platform.hpp"
#include "shell/startup.hpp"
#include "shell/window_events.hpp"
#include "state/program_state.hpp"

int main() {
    using namespace glossamo;
    static WebPlatform platform;
    if (!platform.openSurface()) {
        SdlPlatform::showStartError(SurfaceErrorMessage);
        return 1;
    }
    platform.openAudio();

    static const auto state = std::make_unique<ProgramState>(platform);
    FormCreate(*state, dataFolderOf(SystemPath::fromSystem(WebPlatform::programDir())));
    initialisation(*state);
    static WindowEvents events(*state);
    platform.run(events);
    return 0;
}
