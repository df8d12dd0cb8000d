#pragma once
// A platform without a window, for tests: the same software canvas, a clock
// the test advances by hand, sound and music calls written to a journal, and
// the last printed page kept.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/page_printer.hpp"
#include "platform/platform.hpp"

namespace glossamo {

class HeadlessPlatform : public Platform {
public:
    // What the program asked of the sound and music services, in order:
    // "sound 11", "music open <path>", "music play", "music pause" ...
    std::vector<std::string> journal;
    // How many frames were shown, and the pointer shape of the last one.
    int framesShown = 0;
    PointerShape pointer = PointerShape::Arrow;
    bool closeRequested = false;

    // Test switches: whether a sound device exists, whether the open music
    // has ended, whether music files open.
    bool audioPresent = true;
    bool musicHasEnded = false;
    bool musicFilesOpen = true;

    // The count the next presses report: 2 makes them second presses of a
    // double click.
    int presses = 1;
    int pressCount() const override { return presses; }

    void advance(std::uint32_t ms) { now_ += ms; }
    void setTicks(std::uint32_t now) { now_ = now; }
    void setClockSeed(std::uint64_t seed) { seed_ = seed; }
    // Number of journal lines equal to `line`.
    int count(const std::string& line) const;

    std::uint32_t ticks() const override { return now_; }
    std::uint64_t clockSeed() const override { return seed_; }
    // The date and time the program reads; tests set it.
    LocalTime now{2026, 12, 6, 23, 37, 41};
    LocalTime localTime() const override { return now; }
    Canvas& canvas() override { return canvas_; }
    void showFrame() override {
        ++framesShown;
        canvas_.endFrame();
    }
    void setPointerShape(PointerShape shape) override { pointer = shape; }

    void setFrameTimerEnabled(bool enabled) override { frameEnabled_ = enabled; }
    bool frameTimerEnabled() const override { return frameEnabled_; }
    void setPlayClockEnabled(bool enabled) override { playClock_ = enabled; }
    bool playClockEnabled() const override { return playClock_; }
    void beep() override { journal.push_back("beep"); }
    bool copyToClipboard(const std::string& utf8) override {
        journal.push_back("clipboard " + utf8);
        return true;
    }
    // The answer of the next picture dialog: a path, or nothing (cancelled).
    std::optional<std::string> pictureChoice;
    std::optional<std::string> choosePicture(const std::string& title, const std::string& filter,
                                             const std::string& folder) override {
        journal.push_back("dialog " + title + " " + filter + " " + folder);
        return pictureChoice;
    }
    void wait(std::uint32_t ms) override { now_ += ms; }
    void closeMainWindow() override { closeRequested = true; }
    void setWindowed(bool windowed) override { windowed_ = windowed; }
    bool windowed() const override { return windowed_; }

    // Printing: whether there is a default printer, whether it refuses the
    // page, its paper; the page drawn last, sent or not ("print <title>" in
    // the journal when it was sent).
    bool printerPresent = true;
    bool printerRefuses = false;
    PageGeometry printerPaper = PageGeometry::a4();
    std::optional<RecordedPage> printedPage;
    PrintOutcome printPage(const std::string& title, const std::function<void(PageCanvas&)>& drawPage,
                           const std::string& pdfIfNotPrinted) override;

    bool audioAvailable() const override { return audioPresent; }
    std::string audioError() const override { return audioPresent ? "" : "no sound device"; }
    bool loadSound(int slot, const std::string& path) override;
    bool playSound(int slot) override;

    bool musicPrepare() override;
    bool musicOpen(const std::string& path) override;
    bool musicRewind() override;
    bool musicPlay() override;
    void musicPause() override;
    bool musicEnded() const override { return musicOpen_ && musicHasEnded; }

private:
    Canvas canvas_;
    std::uint32_t now_ = 1000;
    std::uint64_t seed_ = 12345;
    bool frameEnabled_ = false;
    bool playClock_ = false;
    bool musicOpen_ = false;
    bool windowed_ = false;
};

}  // namespace glossamo
