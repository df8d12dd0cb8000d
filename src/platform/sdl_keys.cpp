#include "platform/sdl_keys.hpp"

#include "platform/platform.hpp"

namespace glossamo {

int virtualKeyFor(const SDL_Keysym& key) {
    const SDL_Keycode sym = key.sym;
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9)
        return '1' + (key.scancode - SDL_SCANCODE_1);
    if (key.scancode == SDL_SCANCODE_0) return '0';
    if (key.scancode >= SDL_SCANCODE_KP_1 && key.scancode <= SDL_SCANCODE_KP_9)
        return 97 + (key.scancode - SDL_SCANCODE_KP_1);  // numeric-pad digits 97..105
    switch (sym) {
        case SDLK_BACKSPACE: return vk::Backspace;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return vk::Enter;
        case SDLK_ESCAPE: return vk::Escape;
        case SDLK_SPACE: return vk::Space;
        case SDLK_KP_MULTIPLY: return vk::NumpadMultiply;
        case SDLK_ASTERISK:
        case SDLK_BACKSLASH: return vk::Oem5;
        case SDLK_KP_0: return 96;
        case SDLK_F11: return vk::F11;
        case SDLK_LEFT: return vk::Left;
        case SDLK_UP: return vk::Up;
        case SDLK_RIGHT: return vk::Right;
        case SDLK_DOWN: return vk::Down;
        default: return 0;
    }
}

bool isCommandChord(Uint16 sdlModifiers) { return (sdlModifiers & (KMOD_CTRL | KMOD_ALT)) != 0; }

int modifierBitsFor(Uint16 sdlModifiers) {
    int bits = 0;
    if (sdlModifiers & KMOD_SHIFT) bits |= keymod::Shift;
    if (sdlModifiers & KMOD_ALT) bits |= keymod::Alt;
    if (sdlModifiers & KMOD_CTRL) bits |= keymod::Ctrl;
    return bits;
}

}  // namespace glossamo
