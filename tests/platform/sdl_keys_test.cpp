#include "platform/sdl_keys.hpp"

#include <gtest/gtest.h>

#include "platform/platform.hpp"

namespace glossamo::testing {

namespace {
SDL_Keysym key(SDL_Keycode sym, SDL_Scancode code = SDL_SCANCODE_UNKNOWN) {
    SDL_Keysym k{};
    k.sym = sym;
    k.scancode = code;
    return k;
}
}  // namespace

TEST(VirtualKeys, LettersFollowTheLayoutAndDigitsTheDigitRow) {
    EXPECT_EQ(virtualKeyFor(key(SDLK_a, SDL_SCANCODE_Q)), 'A') << "AZERTY A sits on the Q key";
    EXPECT_EQ(virtualKeyFor(key(SDLK_z, SDL_SCANCODE_W)), 'Z');
    EXPECT_EQ(virtualKeyFor(key(SDLK_AMPERSAND, SDL_SCANCODE_1)), '1') << "AZERTY 1 without shift";
    EXPECT_EQ(virtualKeyFor(key(SDLK_0, SDL_SCANCODE_0)), '0');
}

TEST(VirtualKeys, SpecialKeysMapToTheirCodes) {
    EXPECT_EQ(virtualKeyFor(key(SDLK_ESCAPE)), vk::Escape);
    EXPECT_EQ(virtualKeyFor(key(SDLK_RETURN)), vk::Enter);
    EXPECT_EQ(virtualKeyFor(key(SDLK_KP_ENTER)), vk::Enter);
    EXPECT_EQ(virtualKeyFor(key(SDLK_BACKSPACE)), vk::Backspace);
    EXPECT_EQ(virtualKeyFor(key(SDLK_SPACE)), vk::Space);
    EXPECT_EQ(virtualKeyFor(key(SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY)), vk::NumpadMultiply);
    EXPECT_EQ(virtualKeyFor(key(SDLK_ASTERISK)), vk::Oem5);
    EXPECT_EQ(virtualKeyFor(key(SDLK_KP_1, SDL_SCANCODE_KP_1)), 97) << "pad digits are not typed digits";
    EXPECT_EQ(virtualKeyFor(key(SDLK_F11)), vk::F11);
    EXPECT_EQ(virtualKeyFor(key(SDLK_LEFT)), vk::Left);
    EXPECT_EQ(virtualKeyFor(key(SDLK_DOWN)), vk::Down);
    EXPECT_EQ(virtualKeyFor(key(SDLK_F1)), 0);
}

TEST(VirtualKeys, TextTypedWithCtrlOrAltIsACommand) {
    EXPECT_TRUE(isCommandChord(KMOD_LCTRL));
    EXPECT_TRUE(isCommandChord(KMOD_RCTRL | KMOD_LSHIFT));
    EXPECT_TRUE(isCommandChord(KMOD_LALT));
    EXPECT_FALSE(isCommandChord(KMOD_LSHIFT)) << "Shift+8 types '*' on an English keyboard";
    EXPECT_FALSE(isCommandChord(KMOD_CAPS | KMOD_NUM));
}

TEST(VirtualKeys, ModifierBits) {
    EXPECT_EQ(modifierBitsFor(KMOD_LSHIFT | KMOD_RCTRL), keymod::Shift | keymod::Ctrl);
    EXPECT_EQ(modifierBitsFor(KMOD_NONE), 0);
}

}  // namespace glossamo::testing
