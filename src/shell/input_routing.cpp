#include "shell/input_routing.hpp"

#include <optional>
#include <string>

#include "base/text_encoding.hpp"
#include "games/game_reset.hpp"
#include "media/asset_loading.hpp"
#include "media/sound_services.hpp"
#include "menus/menu_screens.hpp"
#include "menus/search_tools.hpp"
#include "play/game_input.hpp"
#include "play/game_keys.hpp"
#include "play/game_start.hpp"
#include "play/game_undo.hpp"
#include "profile/scores.hpp"
#include "state/program_state.hpp"
#include "stats/game_watch.hpp"
#include "travel/travel_mode.hpp"
#include "widgets/widgets.hpp"
#include "words/word_store.hpp"

namespace glossamo {

namespace {

// A click or Escape after the end of a game: a won game is scored, and the
// game is left, or the travel moves on. A travel completed by this game is
// not moved on: its prize is not paid and the event ends it. Returns true
// when the travel used the event up.
bool leaveEndedGame(ProgramState& s) {
    AppState& a = s.app;
    if (a.gameWon == 1 && a.scoreRecorded == 0) {
        a.scoreRecorded = 1;
        s.platform.setPlayClockEnabled(false);
        recordScore(s);
        a.gameTitle.clear();
    }
    if (a.gameLost == 1 && !s.travel.underWay) a.gameTitle.clear();
    if (a.gameWon == 1 || a.gameLost == 1) {
        if (s.travel.underWay && !s.travel.completed) {
            continueTravel(s);
            return true;
        }
        leaveGame(s);
    }
    return false;
}

// After a failed or completed travel, ends it and returns to the menus.
void endTravelAndLeave(ProgramState& s) {
    s.app.gameTitle.clear();
    s.travel.underWay = 0;
    s.travel.failed = 0;
    leaveGame(s);
    resetGameRecord(s);
}

// A press over an ended game scores a won one and leaves it; on the bar's
// play-again button it then starts the same level anew, outside a travel.
void pressOverEndedGame(ProgramState& s) {
    const bool again = !s.travel.underWay && onPlayAgainButton(s, s.mousePos);
    const auto id = static_cast<int>(s.game.gameId);
    if (leaveEndedGame(s)) return;
    if (s.travel.failed || s.travel.completed)
        endTravelAndLeave(s);
    else if (again)
        startGame(s, id);
}

// Escape. Returns true when the key is used up.
bool escape(ProgramState& s) {
    AppState& a = s.app;
    if (a.screen > screens::Families) {
        a.screen = screens::None;
        return true;
    }
    if (a.screen == screens::Families) openScreen(s, Screen::QuitConfirmation);
    const bool ended = a.gameWon == 1 || a.gameLost == 1;
    if (ended && leaveEndedGame(s)) return true;
    if (s.travel.failed || s.travel.completed) {
        endTravelAndLeave(s);
        return true;
    }
    // On the travel map Escape asks, as the flag does, before the whole
    // travel is given up; while the pawn flies it waits, as clicks do.
    if (!ended && s.travel.mapShown) {
        if (!s.flight.active) askFirst(s, confirmations::EndTravel);
        return true;
    }
    if (!ended && s.gameRunning()) giveUp(s);
    return false;
}

// A typed character as the text-entry screens keep it: letters in capitals
// without their accents, digits, ':', the blank and '*'; 0 for anything else.
char typedCharacter(char32_t c) {
    if (c >= 256) return 0;
    const char plain = upperAscii(FoldAccents(std::string(1, static_cast<char>(c))))[0];
    if (plain == ' ' || plain == '*' || (plain >= '0' && plain <= ':') || (plain >= 'A' && plain <= 'Z'))
        return plain;
    return 0;
}

void typeKey(ProgramState& s, int key) {
    AppState& a = s.app;
    if (key == vk::Backspace) {
        if (!s.typedText.empty()) s.typedText = s.typedText.view().substr(0, s.typedText.size() - 1);
        if (a.screen == screens::Profile) a.playerName = s.typedText.view();
        return;
    }
    if (key == vk::Enter) {
        playSound(s, sounds::Enter);
        if (a.screen == screens::Profile) a.playerName = s.typedText.view();
        if (a.screen == screens::AnagramSearch) FindAnagramsTool(s);
        if (a.screen == screens::PatternSearch) FindPatternTool(s);
        if (a.screen == screens::OwnLists) renameChosenList(s);
        if (a.screen == screens::Challenge) goToTypedDay(s);
    }
}

bool isTextEntryScreen(int screen) {
    return screen == screens::Profile || screen == screens::AnagramSearch || screen == screens::PatternSearch ||
           screen == screens::OwnLists || screen == screens::Challenge;
}

// The game hears the keys only when nothing is over it: no panel, no
// message, no travel map or travel ending.
bool gameHasTheKeyboard(const ProgramState& s) {
    return s.app.screen == 0 && !s.messageBox.active && s.app.titleShowing == 0 && !s.travel.mapShown &&
           !s.travel.failed && !s.travel.completed && gameTakesKeys(s);
}

// What the player sees, as far as a click is concerned: the title, a
// message, a screen, a game under way or ended, the travel map.
std::uint32_t viewOf(const ProgramState& s) {
    const AppState& a = s.app;
    return static_cast<std::uint32_t>(a.screen & 0xFFFF) << 8 | (a.titleShowing ? 1u : 0u) |
           (s.messageBox.active ? 2u : 0u) | (s.gameRunning() ? 4u : 0u) | (a.gameWon || a.gameLost ? 8u : 0u) |
           (s.travel.mapShown ? 16u : 0u) | (s.travel.failed || s.travel.completed ? 32u : 0u);
}

// The second press of a double click, when the first one has changed the
// view (opened a level list, ended or left a game): it was meant for what
// the first one replaced, so it does nothing.
bool secondPressOnAChangedView(ProgramState& s) {
    const std::uint32_t view = viewOf(s);
    const bool second = s.platform.pressCount() >= 2 && view != s.lastPressView;
    s.lastPressView = view;
    return second;
}

}  // namespace

void DXMouseDown(ProgramState& s, int button, int, int) {
    AppState& a = s.app;
    if (s.flight.active) return;
    watchGame(s);
    if (secondPressOnAChangedView(s)) return;
    if (closeMessageBox(s)) return;
    if (a.titleShowing == 1) {
        a.titleShowing = 0;
        loadBackground(s, backgrounds::Menus);
        return;
    }
    // Over an ended game the buttons of its bar sleep: a click leaves it.
    const bool ended = a.gameWon == 1 || a.gameLost == 1;
    if (a.screen > 0 || (a.hoverFlag == 1 && (!ended || s.travel.mapShown))) {
        a.clickPending = 1;
        a.lastScrollTick = s.now();
        s.scrollPressStepped = 0;
        return;
    }
    if (s.travel.mapShown) {
        s.travel.mapClicked = 1;
        return;
    }
    // A press that ends or leaves the game is spent: nothing drawn in its
    // place on the next frame hears it.
    if (ended) {
        pressOverEndedGame(s);
        return;
    }
    if (s.travel.failed || s.travel.completed) {
        endTravelAndLeave(s);
        return;
    }
    a.clickPending = 0;
    noteGameInput(s);
    onGameMouseDown(s, button);
}

void DXMouseMove(ProgramState& s, int x, int y) {
    s.app.cursorShape = 0;
    if (s.flight.active) return;
    s.mousePos = {x, y};
    if (s.app.screen <= 0) {
        s.game.hoverCol = (x - s.game.boardLeft) / CellPixels;
        s.game.hoverRow = (y - s.game.boardTop) / CellPixels;
    }
}

void DXMouseUp(ProgramState& s, int button, int, int) {
    if (s.flight.active) return;
    onGameMouseUp(s, button);
    s.app.clickPending = 0;
}

void DXMouseWheel(ProgramState& s, int notches) {
    if (s.flight.active) return;
    s.wheelNotches += notches;
}

void FormKeyDown(ProgramState& s, int key, int modifiers) {
    // F11, on any screen: full screen or a window, the other way round.
    if (key == vk::F11) {
        s.platform.setWindowed(!s.platform.windowed());
        return;
    }
    watchGame(s);
    if ((key == vk::Escape || key == vk::Enter) && closeMessageBox(s)) return;
    if (key == vk::Escape && escape(s)) return;
    if (isTextEntryScreen(s.app.screen)) {
        typeKey(s, key);
        return;
    }
    if (!gameHasTheKeyboard(s)) return;
    noteGameInput(s);
    if (key == 'Z' && (modifiers & keymod::Ctrl) != 0)
        undoAsked(s);
    else
        onGameKey(s, key);
}

void FormKeyPress(ProgramState& s, std::string_view utf8) {
    const bool typing = isTextEntryScreen(s.app.screen);
    if (!typing && !gameHasTheKeyboard(s)) return;
    const std::optional<std::u32string> text = decodeUtf8(utf8);
    if (!text) return;
    for (const char32_t c : *text) {
        const char typed = typedCharacter(c);
        if (!typing) {
            noteGameInput(s);
            onGameLetter(s, typed);  // accents folded (é is E)
            continue;
        }
        if (typed != 0 && s.typedText.size() < TypedTextLimit) s.typedText = s.typedText.str() + typed;
    }
}

}  // namespace glossamo
