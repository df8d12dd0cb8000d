// The picture dialog of the real platform, with the dialog program scripted:
// what was typed or clicked while it was open never reaches the game.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "platform/sdl_platform.hpp"

namespace glossamo::testing {

namespace {

void pushKey(SDL_Keycode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
    event.type = SDL_KEYUP;
    SDL_PushEvent(&event);
}

void pushText(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, text, sizeof event.text.text - 1);
    SDL_PushEvent(&event);
}

void pushClick() {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&event);
    event.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&event);
}

int queued(Uint32 first, Uint32 last) {
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, first, last);
}

}  // namespace

TEST(PictureDialog, InputQueuedWhileItWasOpenIsDropped) {
    SdlPlatform platform;
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    std::vector<std::string> asked;
    platform.setDialogRunner([&](const std::vector<std::string>& arguments) -> std::optional<std::string> {
        asked = arguments;
        // The player types a file name and clicks while the dialog is open.
        for (SDL_Keycode key : {SDLK_l, SDLK_e, SDLK_a, SDLK_RETURN}) pushKey(key);
        pushText("lea");
        pushClick();
        return "/tmp/portrait.jpg";
    });
    SDL_Event other{};
    other.type = SDL_USEREVENT;
    SDL_PushEvent(&other);

    EXPECT_EQ(platform.choosePicture("Import:", "Image JPEG (*.JPG)|*.JPG", "/tmp"),
              std::optional<std::string>("/tmp/portrait.jpg"));
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked[0], "zenity");
    EXPECT_EQ(queued(SDL_KEYDOWN, SDL_MOUSEWHEEL), 0) << "no key, text or click left for the game";
    EXPECT_EQ(queued(SDL_USEREVENT, SDL_USEREVENT), 1) << "other events stay";

    platform.setDialogRunner([](const std::vector<std::string>&) -> std::optional<std::string> {
        pushText("x");
        return std::nullopt;
    });
    EXPECT_EQ(platform.choosePicture("Import:", "", ""), std::nullopt) << "cancelled";
    EXPECT_EQ(queued(SDL_KEYDOWN, SDL_MOUSEWHEEL), 0);
}

}  // namespace glossamo::testing
