#include "shell/frame_tick.hpp"

#include <utility>

#include "aids/game_aids.hpp"
#include "games/board_words.hpp"
#include "games/game_reset.hpp"
#include "media/asset_loading.hpp"
#include "media/sound_services.hpp"
#include "menus/menu_screens.hpp"
#include "play/game_keys.hpp"
#include "play/game_undo.hpp"
#include "profile/scores.hpp"
#include "shell/game_dispatcher.hpp"
#include "state/program_state.hpp"
#include "stats/game_watch.hpp"
#include "travel/travel_mode.hpp"
#include "widgets/tile_flight.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr const char* BuildingMessage = "Cr\xE9" "ation du jeu en cours ...";

bool onBoard(int column, int row) { return column >= 0 && row >= 0 && column < BoardSize && row < BoardSize; }

// The flight has reached its target: the carried tile goes back into the
// cell the drag started from.
void landTileFlight(ProgramState& s) {
    TileFlight& f = s.flight;
    f.active = 0;
    const int c = s.drag.fromCol;
    const int r = s.drag.fromRow;
    playSound(s, sounds::TileLanded);
    if (onBoard(c, r)) {
        const auto col = static_cast<std::size_t>(c);
        const auto row = static_cast<std::size_t>(r);
        switch (f.kind) {
            case 1:
                if (!f.text.empty()) s.game.letters[col][row] = f.text[0];
                break;
            case 2:
                PutWord(c, r, f.text.view(), Across, s.game.letters);
                break;
            case 3:
                s.game.letters[col][row] = '*';
                s.game.tileStyles[col][row] = 3;
                break;
            default:
                break;
        }
    }
    clearDrag(s);
    settleMove(s);
}

void drawTileFlight(ProgramState& s) {
    const TileFlight& f = s.flight;
    const Point at = flightPosition(f, s.now());
    if (f.kind == 3)
        drawBlackTile(s, at.x, at.y);
    else if (f.text.view() != " ")
        drawTileText(s, at.x, at.y, NormalInk, 0, f.text.view());
    if (at.x == f.targetX && at.y == f.targetY) landTileFlight(s);
}

void playEndSounds(ProgramState& s) {
    if (s.app.gameWon == 1 && s.endSoundPlayed == 0) {
        s.endSoundPlayed = 1;
        playSound(s, sounds::GameWon);
    }
    if (s.app.gameLost == 1 && s.endSoundPlayed == 0) {
        s.endSoundPlayed = 1;
        playSound(s, sounds::GameLost);
    }
}

void drawGameStatus(ProgramState& s) {
    // The travel note sits left of the bar's buttons, on two lines above
    // the clock when it is longer than their room.
    if (s.travel.underWay) {
        const std::string_view note = s.app.comments[60].view();
        const std::size_t cut = note.size() > 9 ? note.find(' ') : std::string_view::npos;
        if (cut == std::string_view::npos) {
            drawSmallText(s, 40, 563, NormalInk, note);
        } else {
            drawSmallText(s, 40, 547, NormalInk, note.substr(0, cut));
            drawSmallText(s, 40, 563, NormalInk, note.substr(cut + 1));
        }
    }
    drawCentredTileText(s, 5, s.app.gameTitle.view());
    // A won game shows its score beside its time, once the banner has gone.
    drawSmallText(s, 40, 580, NormalInk, s.app.gameWon == 1 ? wonResult(s) : s.clock.clockText.str());
    drawHead(s, {5, 555}, 40);
}

void drawTravelFrame(ProgramState& s) {
    drawTravel(s);
    drawMenus(s, s.app.screen);
    if (s.messageBox.active) drawMessageBox(s);
    if (s.app.hoverFlag == 1) s.app.cursorShape = static_cast<std::int16_t>(PointerShape::Hand);
    applyPointerShape(s);
    s.platform.showFrame();
    s.app.clickPending = 0;
}

void drawNormalFrame(ProgramState& s) {
    AppState& a = s.app;
    drawBackground(s);
    if (s.gameRunning()) {
        GameDispatcher(s);
        drawWrongMarks(s);
        drawKeyCursor(s);
    }
    if (s.drag.active) drawDrag(s);
    if (s.flight.active) drawTileFlight(s);
    // A failed travel keeps its picture on screen until the next click or key.
    if (a.screen == screens::None && !s.gameRunning() && !s.travel.failed) {
        loadBackground(s, backgrounds::Menus);
        a.screen = screens::Families;
        // A puzzle of the daily challenge, ended and left: its panel comes
        // back with the result in it.
        if (std::exchange(s.challengeEnded, 0) == 1) openScreen(s, Screen::Challenge);
    }
    if (a.gameLost == 1 && !s.travel.failed) drawLostBanner(s);
    if (a.gameWon == 1) {
        if (a.scoreRecorded == 0) a.score = scoreOf(s.clock);  // the clock stopped at the win
        if (s.travel.underWay && s.travel.onTarget()) s.travel.completed = 1;
        drawWinBanner(s);
    }
    if (s.travel.failed) drawTravelLostBanner(s);
    drawMenus(s, a.screen);
    if (s.popup.active) drawPopup(s);
    if (s.gameRunning()) drawGameStatus(s);
    playEndSounds(s);
    if (!s.musicFileName.empty() && s.platform.musicEnded()) lancemusique_aleatoire(s);
    if (s.game.built == 0 && s.gameRunning() && a.gameLost == 0) {
        a.cursorShape = static_cast<std::int16_t>(PointerShape::Hourglass);
        if (s.blinkOn) drawCentredTileText(s, 500, BuildingMessage);
    }
    if (s.messageBox.active) drawMessageBox(s);
    s.platform.showFrame();
    applyPointerShape(s);
}

}  // namespace

bool moreThanElapsed(std::uint32_t now, std::uint32_t since, std::uint32_t ms) {
    return static_cast<std::uint32_t>(now - since) > ms;
}

void applyPointerShape(ProgramState& s) {
    switch (s.app.cursorShape) {
        case static_cast<std::int16_t>(PointerShape::Hand): s.platform.setPointerShape(PointerShape::Hand); break;
        case static_cast<std::int16_t>(PointerShape::Hourglass):
            s.platform.setPointerShape(PointerShape::Hourglass);
            break;
        default: s.platform.setPointerShape(PointerShape::Arrow); break;
    }
}

namespace {

void drawFrame(ProgramState& s) {
    AppState& a = s.app;
    const std::uint32_t now = s.now();

    if (a.titleShowing == 1 && moreThanElapsed(now, a.titleTick, TitleMs)) {
        a.titleShowing = 0;
        loadBackground(s, backgrounds::Menus);
    }
    if (a.gameLost == 1 && moreThanElapsed(now, a.endTick, LostGameLeftAfterMs)) {
        if (s.travel.underWay) {
            continueTravel(s);
            return;
        }
        a.gameTitle.clear();
        leaveGame(s);
    }
    if (a.titleShowing == 1) {
        drawBackground(s);
        s.platform.showFrame();
        return;
    }
    if (s.travel.mapShown) {
        drawTravelFrame(s);
        return;
    }
    drawNormalFrame(s);
}

}  // namespace

void DXTimer1Timer(ProgramState& s) {
    drawFrame(s);
    watchGame(s);
    if (s.musicAwaited == 1) {
        s.musicAwaited = 0;
        lancemusique_aleatoire(s);
    }
}

}  // namespace glossamo
