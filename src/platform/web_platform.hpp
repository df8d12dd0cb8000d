#pragma once
// The browser's platform: the SDL platform built to WebAssembly, with the
// message loop handed to the browser (one step per animation frame, never a
// blocking wait), the browser's own file chooser, clipboard, bell and full
// screen, the music pre-rendered to Ogg Vorbis, and a closed program shown
// as a page that says so. The page (web/glossamo.html and its script) keeps
// the player's folder in the browser's storage.
#include "platform/sdl_platform.hpp"

namespace glossamo {

class WebPlatform : public SdlPlatform {
public:
    // Where the page's data package puts the program's folder.
    static constexpr const char* ProgramFolder = "/glossamo/";
    // A browser paints at its own pace, usually 60 times a second: each step
    // runs the 10 ms frames it missed, up to this many.
    static constexpr int FramesPerStep = 4;

    // The page is the program's window.
    WebPlatform() { SdlPlatform::setWindowed(true); }

    static std::string programDir() { return ProgramFolder; }

    // Makes the program active and hands its loop to the browser. It does
    // not return: main's records live on for the browser's calls.
    void run(PlatformEvents& events);
    // Ends the loop and closes the program (onClose), once: when it asked
    // to close, or when its page goes away.
    void close();

    std::optional<std::string> choosePicture(const std::string& title, const std::string& filter,
                                             const std::string& folder) override;
    void beep() override;
    bool copyToClipboard(const std::string& utf8) override;
    void wait(std::uint32_t ms) override;
    // Full screen is the browser's: the page asks for it, or leaves it.
    void setWindowed(bool windowed) override;
    bool windowed() const override { return pageWindowed_; }

    // Every MIDI piece has its Ogg Vorbis rendering beside it.
    bool musicPrepare() override;
    bool musicOpen(const std::string& path) override;

private:
    static void step(void* platform);

    PlatformEvents* events_ = nullptr;
    bool pageWindowed_ = true;
    bool closed_ = false;
};

// The Ogg Vorbis rendering of a MIDI piece: the same path ending in ".ogg".
std::string oggRenderingOf(const std::string& midiPath);

}  // namespace glossamo
