#pragma once
// The real platform: one full-screen-desktop SDL window showing the 800 x 600
// back buffer stretched and centred on black, SDL2_mixer for the wave sounds
// and for MIDI music through FluidSynth, and the message loop with its timers.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/file_dialog.hpp"
#include "platform/platform.hpp"
#include "platform/window_scaling.hpp"
#include "platform/timer_schedule.hpp"

struct SDL_Window;
struct SDL_Texture;
struct SDL_Cursor;
struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;
union SDL_Event;

namespace glossamo {

class SdlPlatform : public Platform {
public:
    static constexpr const char* WindowTitle = "GLOSSAMO";
    static constexpr const char* SoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

    SdlPlatform();
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    // Opens the window and its drawing surface. False when the program cannot
    // draw; `surfaceError` then says why.
    bool openSurface();
    const std::string& surfaceError() const { return surfaceError_; }
    // Opens the sound device. A machine without one plays no sound.
    bool openAudio();
    // Shows a start-up failure in a message box (and on standard error).
    static void showStartError(const std::string& message);
    // The program's folder, with a trailing separator.
    static std::string programDir();

    // Runs the message loop until the main window closes; the last event
    // delivered is onClose.
    void run(PlatformEvents& events);

    std::uint32_t ticks() const override;
    std::uint64_t clockSeed() const override;
    LocalTime localTime() const override;
    Canvas& canvas() override { return *canvas_; }
    void showFrame() override;
    void setPointerShape(PointerShape shape) override;

    void setFrameTimerEnabled(bool enabled) override;
    bool frameTimerEnabled() const override { return frameEnabled_; }
    void setPlayClockEnabled(bool enabled) override;
    bool playClockEnabled() const override { return playClock_.running(); }
    int pressCount() const override { return pressCount_; }
    std::optional<std::string> choosePicture(const std::string& title, const std::string& filter,
                                             const std::string& folder) override;
    void beep() override;
    bool copyToClipboard(const std::string& utf8) override;
    void wait(std::uint32_t ms) override;
    void closeMainWindow() override { quitRequested_ = true; }
    void setWindowed(bool windowed) override;
    bool windowed() const override { return windowed_; }

    // Sends the page to the CUPS default destination.
    PrintOutcome printPage(const std::string& title, const std::function<void(PageCanvas&)>& drawPage,
                           const std::string& pdfIfNotPrinted) override;

    bool audioAvailable() const override { return audioOpen_; }
    std::string audioError() const override { return audioError_; }
    bool loadSound(int slot, const std::string& path) override;
    bool playSound(int slot) override;

    bool musicPrepare() override;
    bool musicOpen(const std::string& path) override;
    bool musicRewind() override;
    bool musicPlay() override;
    void musicPause() override;
    bool musicEnded() const override;

    // Replaces the program that shows the picture dialog (tests script it).
    using DialogRunner = std::function<std::optional<std::string>(const std::vector<std::string>&)>;
    void setDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }

protected:
    // The message loop's steps, for a loop that the browser drives: the
    // first step makes the program active and starts the blink; each next
    // one delivers the waiting events (waiting up to `waitMs` for the first)
    // and fires the timers that are due, each at most `timerCatchUp` times.
    void startLoop(PlatformEvents& events);
    void runOnce(PlatformEvents& events, std::uint32_t waitMs, int timerCatchUp);
    // How long the loop may wait for an event before a timer is due.
    std::uint32_t nextWait() const;
    bool quitRequested() const { return quitRequested_; }
    // Empties the queue of the keys, text and clicks not yet delivered.
    void dropQueuedInput();
    void makeActive() { active_ = true; mustPresent_ = true; }

private:
    // Delivers one event; true for a mouse button press.
    bool handleEvent(const SDL_Event& event, PlatformEvents& events);
    void becomeActive(PlatformEvents& events);
    // Gives the window the current mode: the whole screen, or 800 x 600.
    void applyWindowMode();
    // The surface point under a point of the window.
    SurfacePoint pointerOnSurface(int x, int y) const;
    void freeMusic();

    std::unique_ptr<Canvas> canvas_;
    SDL_Window* window_ = nullptr;
    struct SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::array<SDL_Cursor*, 3> cursors_{};  // arrow, hand, hourglass
    PointerShape shape_ = PointerShape::Arrow;
    std::string surfaceError_;
    std::vector<std::uint8_t> shownFrame_;  // the back buffer as last presented
    bool mustPresent_ = true;
    bool windowed_ = false;
    int pressCount_ = 1;  // presses in a row of the last mouse press, as SDL counts them

    bool audioOpen_ = false;
    std::string audioError_ = "sound device not opened";
    std::array<Mix_Chunk*, SoundSlots> sounds_{};
    bool midiReady_ = false;
    Mix_Music* music_ = nullptr;
    bool musicStarted_ = false;
    bool musicPaused_ = false;

    PeriodicTimer frame_{FrameIntervalMs};
    PeriodicTimer playClock_{PlayClockIntervalMs};
    PeriodicTimer blink_{BlinkIntervalMs};
    bool frameEnabled_ = false;
    bool active_ = false;
    bool quitRequested_ = false;
    DialogRunner dialogRunner_;
};

}  // namespace glossamo
