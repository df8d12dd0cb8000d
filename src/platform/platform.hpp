#pragma once
// What the program needs of the machine: a millisecond clock, an 800 x 600
// 16-bit drawing surface with image slots, the pointer, wave sounds and one
// MIDI music at a time, and the timers that drive the program.
//
// Three implementations exist: SdlPlatform (a real full-screen window),
// WebPlatform (the SDL one in a browser page, whose loop the browser drives)
// and HeadlessPlatform (for tests: ticks advanced by hand, sound and music
// calls recorded, the printed page kept). All draw into the same software
// Canvas.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace glossamo {

class Canvas;

// Pointer shapes, with the numbers the program stores in `cursorShape`.
enum class PointerShape : std::int16_t { Arrow = 0, Hand = -21, Hourglass = -11, Hidden = -1 };

// Mouse buttons as the game code numbers them.
enum MouseButton : int { ButtonLeft = 0, ButtonRight = 1, ButtonMiddle = 2 };

// Virtual-key codes delivered to the key handler. Letter keys arrive as their
// upper-case letter, digit keys as '0'..'9'.
namespace vk {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int NumpadMultiply = 106;
constexpr int Oem5 = 220;  // the '*' key of a French keyboard
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int F11 = 122;
}  // namespace vk

// Modifier keys held with a key, as a bit set.
namespace keymod {
constexpr int Shift = 1;
constexpr int Alt = 2;
constexpr int Ctrl = 4;
}  // namespace keymod

// A moment of the local calendar and clock.
struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// One printed page, drawn in printer pixels from the top-left corner of the
// printable area. Everything is drawn in black on white paper.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    // The printable area, in printer pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;
    // The size of the following texts, in points.
    virtual void setFontSize(int points) = 0;
    // Latin-1 text whose line starts at (x, y): y is the top of the line.
    virtual void text(int x, int y, const std::string& latin1) = 0;
    // How far a text at the current font size reaches, in printer pixels.
    virtual int textWidth(const std::string& latin1) const = 0;
    // A white rectangle with a black frame, from (left, top) to (right,
    // bottom), the right and bottom edges excluded.
    virtual void frameRect(int left, int top, int right, int bottom) = 0;
    // Crossed diagonal hatching over the rectangle, without a frame.
    virtual void hatchRect(int left, int top, int right, int bottom) = 0;
};

// What became of a page sent to the printer.
struct PrintOutcome {
    bool printed = false;    // the print system accepted the page
    bool noPrinter = false;  // there is no print system or no default printer
    std::string problem;     // why the page was not printed
    std::string savedPdf;    // the PDF written instead; empty when that failed too
};

// The program's side of the message loop: the platform calls these.
class PlatformEvents {
public:
    virtual ~PlatformEvents() = default;
    virtual void onActivate() = 0;          // the window became the active application
    virtual void onFrame() = 0;             // 10 ms frame timer
    virtual void onPlayClockTick() = 0;     // one-second play clock, while enabled
    virtual void onBlink() = 0;             // 150 ms blink timer, always running
    virtual void onMouseDown(int button, int x, int y) = 0;
    virtual void onMouseMove(int x, int y) = 0;
    virtual void onMouseUp(int button, int x, int y) = 0;
    // The mouse wheel turned `notches` notches: positive away from the
    // player (scroll up), negative towards (scroll down).
    virtual void onMouseWheel(int notches) = 0;
    virtual void onKeyDown(int key, int shift) = 0;
    // Characters typed, as the keyboard layout writes them (UTF-8); keys
    // held with Ctrl or Alt type nothing.
    virtual void onTextInput(const std::string& utf8) = 0;
    virtual void onClose() = 0;             // the window is closing
};

class Platform {
public:
    virtual ~Platform() = default;

    // Milliseconds since an arbitrary start, wrapping like a 32-bit counter.
    virtual std::uint32_t ticks() const = 0;
    // A value to seed the random generator from "the clock".
    virtual std::uint64_t clockSeed() const = 0;
    // The local date and time (saved games are named after it).
    virtual LocalTime localTime() const = 0;

    // The back buffer and the image slots. Valid for the platform's lifetime.
    virtual Canvas& canvas() = 0;
    // Makes the back buffer visible.
    virtual void showFrame() = 0;
    virtual void setPointerShape(PointerShape shape) = 0;

    // Timers. The frame timer only runs while the window is active.
    virtual void setFrameTimerEnabled(bool enabled) = 0;
    virtual bool frameTimerEnabled() const = 0;
    virtual void setPlayClockEnabled(bool enabled) = 0;
    virtual bool playClockEnabled() const = 0;
    // The presses in a row the last mouse press makes, as the system counts
    // them: 2 for the second press of a double click.
    virtual int pressCount() const = 0;

    // Lets the player choose a picture file in a dialog titled `title`,
    // starting in `folder`; `filter` lists "name|pattern" pairs separated
    // by '|'. The chosen path, or nothing when the player cancels.
    virtual std::optional<std::string> choosePicture(const std::string& title, const std::string& filter,
                                                     const std::string& folder) = 0;
    // The system's warning beep.
    virtual void beep() = 0;
    // Puts a line of UTF-8 text on the system's clipboard; false when there
    // is no clipboard to put it on.
    virtual bool copyToClipboard(const std::string& utf8) = 0;
    // Blocks for `ms` milliseconds (the program is quitting and shows a
    // last picture meanwhile).
    virtual void wait(std::uint32_t ms) = 0;
    // Asks the message loop to close the main window; onClose follows.
    virtual void closeMainWindow() = 0;
    // Full screen, or an 800 x 600 window the player may resize (the
    // picture scaled with its proportions kept). Either may be asked for
    // before the window is open.
    virtual void setWindowed(bool windowed) = 0;
    virtual bool windowed() const = 0;

    // Prints one page, drawn by `drawPage`, on the default printer, as a
    // document named `title` (Latin-1). When
    // there is no printer or printing fails, the page is written as a PDF
    // file at `pdfIfNotPrinted` instead.
    virtual PrintOutcome printPage(const std::string& title, const std::function<void(PageCanvas&)>& drawPage,
                                   const std::string& pdfIfNotPrinted) = 0;

    // Wave sounds: 14 slots, each played without waiting, overlapping.
    static constexpr int SoundSlots = 14;
    // True when a sound device could be opened; `audioError` says why not.
    virtual bool audioAvailable() const = 0;
    virtual std::string audioError() const = 0;
    virtual bool loadSound(int slot, const std::string& path) = 0;
    virtual bool playSound(int slot) = 0;

    // One MIDI music at a time.
    virtual bool musicPrepare() = 0;                      // the player can play MIDI
    virtual bool musicOpen(const std::string& path) = 0;  // replaces the open piece
    virtual bool musicRewind() = 0;
    virtual bool musicPlay() = 0;                         // from the start, or resume after pause
    virtual void musicPause() = 0;
    // True once an open, started and not paused piece has played to its end.
    virtual bool musicEnded() const = 0;
};

}  // namespace glossamo
