#pragma once
// The real program on the shipped program folder, run headless: the start-up
// of main(), and a message loop that fires the 10 ms frame, the one-second
// play clock and the 150 ms blink as the SDL loop does, on a clock the test
// moves. The player's folder lies under a temporary $HOME.
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/headless_platform.hpp"
#include "platform/timer_schedule.hpp"
#include "shell/startup.hpp"
#include "shell/window_events.hpp"
#include "state/program_state.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

// Points $HOME at a folder of its own while it lives.
class ScopedHome : public ScopedVariable {
public:
    explicit ScopedHome(const std::string& home) : ScopedVariable("HOME", home) {}
};

class HeadlessRun {
public:
    HeadlessRun() { launch(); }

    ProgramState& state() { return *state_; }
    HeadlessPlatform& platform() { return *platform_; }
    // Called after every step, for a test that watches each frame.
    std::function<void()> afterStep;

    // Play-clock seconds delivered since the clock was last switched on.
    int clockSeconds() const { return clockSeconds_; }

    // Ends the program as the window's closing does (the profile is
    // written), then starts it again on the same player's folder.
    void restart() {
        events_->onClose();
        launch();
    }

    // One 10 ms step of the message loop.
    void step() {
        HeadlessPlatform& p = *platform_;
        p.advance(FrameIntervalMs);
        const std::uint32_t now = p.ticks();
        if (p.frameTimerEnabled()) events_->onFrame();
        // The clock starts counting when the game switches it on.
        if (p.playClockEnabled() && !playClock_.running()) {
            playClock_.start(now);
            clockSeconds_ = 0;
        }
        if (!p.playClockEnabled()) playClock_.stop();
        if (playClock_.fire(now)) {
            events_->onPlayClockTick();
            ++clockSeconds_;
        }
        if (blink_.fire(now)) events_->onBlink();
        if (afterStep) afterStep();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) step();
    }

    void moveTo(Point p) { events_->onMouseMove(p.x, p.y); }
    void press(Point p, int button = ButtonLeft) {
        moveTo(p);
        events_->onMouseDown(button, p.x, p.y);
    }
    void release(Point p, int button = ButtonLeft) {
        moveTo(p);
        events_->onMouseUp(button, p.x, p.y);
    }
    // A click as the loop delivers it: the press, a frame, the release.
    void click(Point p, int button = ButtonLeft) {
        press(p, button);
        step();
        release(p, button);
        step();
    }
    void wheel(int notches) { events_->onMouseWheel(notches); }
    void key(int code) { events_->onKeyDown(code, 0); }
    void type(const std::string& utf8) { events_->onTextInput(utf8); }

    // The middle of a board cell, wherever the game put its board.
    Point pixelOf(int c, int r) const {
        return {state_->game.boardLeft + CellPixels * c + 12, state_->game.boardTop + CellPixels * r + 15};
    }
    char letter(int c, int r) const {
        if (c < 0 || r < 0 || c >= BoardSize || r >= BoardSize) return '*';
        return state_->game.letters[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
    }
    void clickCell(int c, int r) { click(pixelOf(c, r)); }
    // Drags from one cell to another; a frame runs while the tile is
    // carried and one after the drop.
    void drag(int fromC, int fromR, int toC, int toR) {
        press(pixelOf(fromC, fromR));
        step();
        release(pixelOf(toC, toR));
        step();
    }

private:
    TempDir home_;
    ScopedHome homeVariable_{home_.path().bytes()};
    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<WindowEvents> events_;
    PeriodicTimer playClock_{PlayClockIntervalMs};
    PeriodicTimer blink_{BlinkIntervalMs};
    int clockSeconds_ = 0;

    // What main() and the start of the message loop do.
    void launch() {
        events_.reset();
        state_.reset();
        platform_ = std::make_unique<HeadlessPlatform>();
        state_ = std::make_unique<ProgramState>(*platform_);
        events_ = std::make_unique<WindowEvents>(*state_);
        FormCreate(*state_, SystemPath::fromSystem(GLOSSAMO_APP_DIR "/"));
        initialisation(*state_);
        playClock_.stop();
        blink_.start(platform_->ticks());
        events_->onActivate();
    }
};

}  // namespace glossamo::testing
