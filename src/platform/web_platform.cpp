#include "platform/web_platform.hpp"

#include <emscripten.h>

#include <cstdlib>

#include "platform/file_dialog.hpp"

extern "C" {
// The page's side (web/glossamo_library.js).
char* glossamo_choose_file(const char* accept);
void glossamo_beep();
int glossamo_copy(const char* text);
void glossamo_full_screen(int full);
void glossamo_closed();
}

namespace glossamo {

namespace {

// The platform the page's own calls reach (there is one page, one program).
WebPlatform* pagePlatform = nullptr;

}  // namespace

std::string oggRenderingOf(const std::string& midiPath) {
    const std::size_t dot = midiPath.rfind('.');
    const std::size_t slash = midiPath.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return midiPath + ".ogg";
    return midiPath.substr(0, dot) + ".ogg";
}

void WebPlatform::run(PlatformEvents& events) {
    events_ = &events;
    pagePlatform = this;
    startLoop(events);
    // At the browser's painting pace. main does not return: its records
    // (this platform among them) live on for the browser's calls.
    emscripten_set_main_loop_arg(&WebPlatform::step, this, 0, 1);
}

void WebPlatform::step(void* platform) {
    WebPlatform& self = *static_cast<WebPlatform*>(platform);
    self.runOnce(*self.events_, 0, FramesPerStep);
    if (!self.quitRequested()) return;
    self.close();
    glossamo_closed();
}

void WebPlatform::close() {
    if (closed_) return;
    closed_ = true;
    emscripten_cancel_main_loop();
    events_->onClose();
}

std::optional<std::string> WebPlatform::choosePicture(const std::string&, const std::string& filter,
                                                     const std::string&) {
    char* chosen = glossamo_choose_file(acceptListFor(filter).c_str());
    // Clicks and keys made while the chooser was open were meant for it.
    dropQueuedInput();
    makeActive();
    if (!chosen) return std::nullopt;
    std::string path = chosen;
    std::free(chosen);
    return path;
}

void WebPlatform::beep() { glossamo_beep(); }

bool WebPlatform::copyToClipboard(const std::string& utf8) { return glossamo_copy(utf8.c_str()) != 0; }

void WebPlatform::wait(std::uint32_t ms) { emscripten_sleep(ms); }

void WebPlatform::setWindowed(bool windowed) {
    if (windowed == pageWindowed_) return;
    pageWindowed_ = windowed;
    glossamo_full_screen(windowed ? 0 : 1);
}

bool WebPlatform::musicPrepare() { return audioAvailable(); }

bool WebPlatform::musicOpen(const std::string& path) { return SdlPlatform::musicOpen(oggRenderingOf(path)); }

}  // namespace glossamo

// The page is going away (its tab closed or reloaded): the program closes at
// once, as when the desktop's window closes.
extern "C" EMSCRIPTEN_KEEPALIVE void glossamo_page_closing() {
    if (glossamo::pagePlatform) glossamo::pagePlatform->close();
}
