// What menu buttons do besides opening a screen: playing a level again and
// quitting the program.
#include "menus/menu_panels.hpp"

#include <cstdint>
#include <string>
#include <string_view>

#include "games/game_reset.hpp"
#include "media/asset_loading.hpp"
#include "profile/profile_files.hpp"
#include "texts/comments_and_help.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::menus {

namespace {

constexpr std::uint32_t QuitPictureMs = 3000;

}  // namespace

void playAgain(ProgramState& s) {
    const std::uint32_t id = s.game.gameId;
    const ShortString<100> title = s.app.gameTitle;
    leaveGame(s);
    resetGameRecord(s);
    s.game.gameId = id;
    s.app.gameTitle = title;
    ChargeAide(s, static_cast<int>(id));
}

// Shows the quitting picture alone for three seconds, then closes the window.
// The profile is written first: when it cannot be, the picture says so.
void quitProgram(ProgramState& s) {
    const bool kept = saveProfile(s);
    s.profileWrittenForClose = kept ? 1 : 0;
    loadBackground(s, backgrounds::Quitting);
    drawBackground(s);
    if (!kept) {
        // Centred under the picture's farewell.
        const std::string_view text = s.app.comments[ProfileNotSaved].view();
        const int width = SmallAdvance * static_cast<int>(text.size());
        showPopup(s, (800 - width) / 2 - 40, 560, text);
        drawPopup(s);
    }
    s.platform.setPointerShape(PointerShape::Hidden);
    s.platform.showFrame();
    s.platform.wait(QuitPictureMs);
    s.platform.closeMainWindow();
}

}  // namespace glossamo::menus
