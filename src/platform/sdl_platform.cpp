#include "platform/sdl_platform.hpp"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/file_dialog.hpp"
#include "platform/page_printer.hpp"
#include "platform/sdl_keys.hpp"
#include "platform/x11_window.hpp"

namespace glossamo {

namespace {

// Longest sleep of the loop when no timer is due soon; it bounds how late a
// re-enabled timer or a close request can be noticed.
constexpr std::uint32_t LongestSleepMs = 100;
constexpr int MixChannels = 32;

int buttonOf(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_RIGHT: return ButtonRight;
        case SDL_BUTTON_MIDDLE: return ButtonMiddle;
        default: return ButtonLeft;
    }
}

}  // namespace

SdlPlatform::SdlPlatform() : canvas_(std::make_unique<Canvas>()) {
    // zenity picks its own size, often larger than the game's screen: once
    // its window shows, it is given a size that fits and centred.
    dialogRunner_ = [this](const std::vector<std::string>& arguments) {
        bool fitted = false;
        return runFileDialog(arguments, [this, &fitted](int pid) {
            if (!fitted) fitted = fitProcessWindow(window_, pid, DialogWidth, DialogHeight);
        });
    };
}

SdlPlatform::~SdlPlatform() {
    if (audioOpen_) {
        Mix_HaltChannel(-1);
        freeMusic();
        for (Mix_Chunk*& chunk : sounds_) {
            Mix_FreeChunk(chunk);
            chunk = nullptr;
        }
        Mix_CloseAudio();
    }
    if (midiReady_) Mix_Quit();
    for (SDL_Cursor* c : cursors_) SDL_FreeCursor(c);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) destroyWindowQuietly(window_);
    canvas_.reset();
    SDL_Quit();
}

std::string SdlPlatform::programDir() {
    char* base = SDL_GetBasePath();
    if (!base) return "./";
    std::string dir = base;
    SDL_free(base);
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

bool SdlPlatform::openSurface() {
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // SDL's own software renderer scales the back buffer: no OpenGL driver is
    // loaded, which (with a software rasteriser) held over half of the
    // program's memory, for the same look and the same processor time. The
    // environment's SDL_RENDER_DRIVER still chooses another renderer.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
#ifdef SDL_HINT_APP_NAME
    SDL_SetHint(SDL_HINT_APP_NAME, WindowTitle);
#endif
    installLostWindowErrorHandler();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        surfaceError_ = SDL_GetError();
        return false;
    }
    // The window is also given the screen's own size and place, because
    // without a window manager nobody honours the full-screen request.
    SDL_Rect screen{0, 0, SurfaceWidth, SurfaceHeight};
    SDL_GetDisplayBounds(0, &screen);
    window_ = windowed_ ? SDL_CreateWindow(WindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, SurfaceWidth,
                                           SurfaceHeight, SDL_WINDOW_RESIZABLE)
                        : SDL_CreateWindow(WindowTitle, screen.x, screen.y, screen.w, screen.h,
                                           SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
    if (window_) {
        watchForLostWindow();
        renderer_ = SDL_CreateRenderer(window_, -1, 0);
    }
    if (renderer_) {
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, SurfaceWidth,
                                     SurfaceHeight);
    }
    if (!texture_ || !canvas_->backBuffer()) {
        surfaceError_ = SDL_GetError();
        return false;
    }
    cursors_[0] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    cursors_[1] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    cursors_[2] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderPresent(renderer_);
    SDL_StartTextInput();
    return true;
}

bool SdlPlatform::openAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        audioError_ = SDL_GetError();
        return false;
    }
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        audioError_ = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(MixChannels);
    audioOpen_ = true;
    audioError_.clear();
    return true;
}

void SdlPlatform::showStartError(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, WindowTitle, message.c_str(), nullptr);
}

std::uint32_t SdlPlatform::ticks() const { return SDL_GetTicks(); }

LocalTime SdlPlatform::localTime() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::uint64_t SdlPlatform::clockSeed() const {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
           SDL_GetPerformanceCounter();
}

void SdlPlatform::showFrame() {
    canvas_->endFrame();
    SDL_Surface* back = canvas_->backBuffer();
    // Most frames repeat the one before (a menu waiting for the player):
    // those are not sent to the screen again, which keeps an idle program
    // from spending its time scaling identical pictures.
    const auto* pixels = static_cast<const std::uint8_t*>(back->pixels);
    const std::size_t bytes = static_cast<std::size_t>(back->pitch) * static_cast<std::size_t>(back->h);
    if (!mustPresent_ && shownFrame_.size() == bytes && std::memcmp(shownFrame_.data(), pixels, bytes) == 0) return;
    shownFrame_.assign(pixels, pixels + bytes);
    mustPresent_ = false;
    SDL_UpdateTexture(texture_, nullptr, back->pixels, back->pitch);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    const WindowArea area = surfaceArea(width, height);
    const SDL_Rect target{area.x, area.y, area.width, area.height};
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
}

void SdlPlatform::setWindowed(bool windowed) {
    if (windowed == windowed_) return;
    windowed_ = windowed;
    if (window_) applyWindowMode();
}

void SdlPlatform::applyWindowMode() {
    if (windowed_) {
        SDL_SetWindowFullscreen(window_, 0);
        SDL_SetWindowBordered(window_, SDL_TRUE);
        SDL_SetWindowResizable(window_, SDL_TRUE);
        SDL_SetWindowSize(window_, SurfaceWidth, SurfaceHeight);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        // As at start-up: the screen's own size and place as well, for a
        // display with no window manager to honour the full-screen request.
        SDL_Rect screen{0, 0, SurfaceWidth, SurfaceHeight};
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window_), &screen);
        SDL_SetWindowResizable(window_, SDL_FALSE);
        SDL_SetWindowBordered(window_, SDL_FALSE);
        SDL_SetWindowPosition(window_, screen.x, screen.y);
        SDL_SetWindowSize(window_, screen.w, screen.h);
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    mustPresent_ = true;
}

SurfacePoint SdlPlatform::pointerOnSurface(int x, int y) const {
    int width = 0, height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    return windowToSurface(x, y, width, height);
}

void SdlPlatform::setPointerShape(PointerShape shape) {
    if (shape == shape_ || !window_) return;
    shape_ = shape;
    SDL_ShowCursor(shape == PointerShape::Hidden ? SDL_DISABLE : SDL_ENABLE);
    if (shape == PointerShape::Hidden) return;
    const int index = shape == PointerShape::Hand ? 1 : shape == PointerShape::Hourglass ? 2 : 0;
    if (cursors_[index]) SDL_SetCursor(cursors_[index]);
}

void SdlPlatform::wait(std::uint32_t ms) { SDL_Delay(ms); }

// The dialog is a window of its own: the program leaves full screen while
// it is open so the dialog shows above it. The program waits for it; keys
// and clicks meant for the dialog, or made while it was open, are dropped
// when it closes, and the program is active again at once.
std::optional<std::string> SdlPlatform::choosePicture(const std::string& title, const std::string& filter,
                                                      const std::string& folder) {
    if (window_ && !windowed_) SDL_SetWindowFullscreen(window_, 0);
    std::optional<std::string> chosen = dialogRunner_(fileDialogArguments(title, filter, folder));
    if (window_) {
        if (!windowed_) SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        // The keyboard comes back to the game, even with no window manager
        // to hand it over when the dialog closes.
        SDL_RaiseWindow(window_);
        SDL_SetWindowInputFocus(window_);
    }
    dropQueuedInput();
    active_ = true;
    mustPresent_ = true;
    return chosen;
}

void SdlPlatform::dropQueuedInput() {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);  // keyboard, text input and mouse
}

bool SdlPlatform::copyToClipboard(const std::string& utf8) { return SDL_SetClipboardText(utf8.c_str()) == 0; }

void SdlPlatform::beep() {
    if (window_) ringBell(window_);
}

PrintOutcome SdlPlatform::printPage(const std::string& title, const std::function<void(PageCanvas&)>& drawPage,
                                    const std::string& pdfIfNotPrinted) {
    const std::unique_ptr<PrintSystem> system = machinePrintSystem();
    std::optional<RecordedPage> drawn;
    return printThrough(*system, title, drawPage, pdfIfNotPrinted, drawn);
}

void SdlPlatform::setFrameTimerEnabled(bool enabled) {
    if (enabled && !frameEnabled_) frame_.start(ticks());
    if (!enabled) frame_.stop();
    frameEnabled_ = enabled;
}

void SdlPlatform::setPlayClockEnabled(bool enabled) {
    if (enabled && !playClock_.running()) playClock_.start(ticks());
    if (!enabled) playClock_.stop();
}

// --- message loop ---------------------------------------------------------

void SdlPlatform::run(PlatformEvents& events) {
    startLoop(events);
    while (!quitRequested_) runOnce(events, nextWait(), 1);
    events.onClose();
}

void SdlPlatform::startLoop(PlatformEvents& events) {
    blink_.start(ticks());
    // A window with nobody to give it the focus (Xvfb without a window
    // manager) is the active application from the start.
    becomeActive(events);
}

std::uint32_t SdlPlatform::nextWait() const {
    const std::uint32_t now = ticks();
    std::uint32_t wait = LongestSleepMs;
    if (active_) wait = frame_.waitFrom(now, wait);
    wait = playClock_.waitFrom(now, wait);
    return blink_.waitFrom(now, wait);
}

void SdlPlatform::runOnce(PlatformEvents& events, std::uint32_t waitMs, int timerCatchUp) {
    SDL_Event event;
    const bool arrived = waitMs == 0 ? SDL_PollEvent(&event) != 0
                                     : SDL_WaitEventTimeout(&event, static_cast<int>(waitMs)) != 0;
    if (arrived) {
        bool pressed = handleEvent(event, events);
        while (!pressed && !quitRequested_ && SDL_PollEvent(&event)) pressed = handleEvent(event, events);
        // The menus act on a press in the next frame, and the release
        // cancels it: a quick click must see a frame between the two.
        if (pressed && active_ && frameEnabled_ && !quitRequested_) {
            events.onFrame();
            frame_.start(ticks());
        }
    }
    if (quitRequested_) return;

    const std::uint32_t now = ticks();
    if (active_ && frameEnabled_) {
        for (int n = frame_.fireCount(now, timerCatchUp); n > 0 && !quitRequested_; --n) events.onFrame();
    }
    for (int n = playClock_.fireCount(now, timerCatchUp); n > 0 && !quitRequested_; --n) events.onPlayClockTick();
    if (blink_.fire(now)) events.onBlink();
}

void SdlPlatform::becomeActive(PlatformEvents& events) {
    if (active_) return;
    active_ = true;
    events.onActivate();
}

bool SdlPlatform::handleEvent(const SDL_Event& event, PlatformEvents& events) {
    if (isWindowDestroyedEvent(event, window_)) {
        quitRequested_ = true;
        return false;
    }
    switch (event.type) {
        case SDL_QUIT:
            quitRequested_ = true;
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE: quitRequested_ = true; break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                case SDL_WINDOWEVENT_RESTORED:
                    mustPresent_ = true;
                    becomeActive(events);
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                case SDL_WINDOWEVENT_MINIMIZED: active_ = false; break;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_SIZE_CHANGED: mustPresent_ = true; break;
                default: break;
            }
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            mustPresent_ = true;
            break;
        case SDL_MOUSEMOTION: {
            // Points on the black bars go to the nearest edge of the surface.
            const SurfacePoint p = pointerOnSurface(event.motion.x, event.motion.y);
            events.onMouseMove(p.x, p.y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN: {
            const SurfacePoint p = pointerOnSurface(event.button.x, event.button.y);
            pressCount_ = event.button.clicks;
            events.onMouseDown(buttonOf(event.button.button), p.x, p.y);
            return true;
        }
        case SDL_MOUSEBUTTONUP: {
            const SurfacePoint p = pointerOnSurface(event.button.x, event.button.y);
            events.onMouseUp(buttonOf(event.button.button), p.x, p.y);
            break;
        }
        case SDL_MOUSEWHEEL: {
            // A flipped wheel (natural scrolling) reports its notches the other way round.
            const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
            if (notches != 0) events.onMouseWheel(notches);
            break;
        }
        case SDL_KEYDOWN:
            if (const int key = virtualKeyFor(event.key.keysym); key != 0)
                events.onKeyDown(key, modifierBitsFor(event.key.keysym.mod));
            break;
        case SDL_TEXTINPUT:
            if (!isCommandChord(SDL_GetModState())) events.onTextInput(event.text.text);
            break;
        default:
            break;
    }
    return false;
}

// --- sounds and music -----------------------------------------------------

bool SdlPlatform::loadSound(int slot, const std::string& path) {
    if (!audioOpen_ || slot < 0 || slot >= SoundSlots) return false;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return false;
    Mix_FreeChunk(sounds_[static_cast<std::size_t>(slot)]);
    sounds_[static_cast<std::size_t>(slot)] = chunk;
    return true;
}

bool SdlPlatform::playSound(int slot) {
    if (!audioOpen_ || slot < 0 || slot >= SoundSlots) return false;
    Mix_Chunk* chunk = sounds_[static_cast<std::size_t>(slot)];
    return chunk && Mix_PlayChannel(-1, chunk, 0) != -1;
}

bool SdlPlatform::musicPrepare() {
    if (!audioOpen_) return false;
    if (!midiReady_) {
        Mix_SetSoundFonts(SoundFont);
        midiReady_ = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
    }
    return midiReady_;
}

void SdlPlatform::freeMusic() {
    if (music_) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    musicStarted_ = false;
    musicPaused_ = false;
}

bool SdlPlatform::musicOpen(const std::string& path) {
    freeMusic();
    if (!audioOpen_) return false;
    music_ = Mix_LoadMUS(path.c_str());
    return music_ != nullptr;
}

bool SdlPlatform::musicRewind() {
    if (!music_) return false;
    // FluidSynth cannot seek; stopping makes the next play start from the top.
    if (musicStarted_) Mix_HaltMusic();
    musicStarted_ = false;
    musicPaused_ = false;
    return true;
}

bool SdlPlatform::musicPlay() {
    if (!music_) return false;
    if (musicStarted_ && musicPaused_) {
        Mix_ResumeMusic();
        musicPaused_ = false;
        return true;
    }
    if (musicStarted_ && Mix_PlayingMusic()) return true;
    if (Mix_PlayMusic(music_, 0) != 0) return false;
    musicStarted_ = true;
    musicPaused_ = false;
    return true;
}

void SdlPlatform::musicPause() {
    if (!musicStarted_ || musicPaused_) return;
    Mix_PauseMusic();
    musicPaused_ = true;
}

bool SdlPlatform::musicEnded() const {
    return music_ && musicStarted_ && !musicPaused_ && !Mix_PlayingMusic();
}

}  // namespace glossamo
