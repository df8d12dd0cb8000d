#include "shell/window_events.hpp"

#include "profile/scores.hpp"
#include "shell/frame_tick.hpp"
#include "shell/input_routing.hpp"
#include "shell/startup.hpp"
#include "state/program_state.hpp"

namespace glossamo {

void WindowEvents::onActivate() { FormActivate(s_); }
void WindowEvents::onFrame() { DXTimer1Timer(s_); }
void WindowEvents::onPlayClockTick() { clockTick(s_); }
void WindowEvents::onBlink() { s_.blinkOn = s_.blinkOn ? 0 : 1; }
void WindowEvents::onMouseDown(int button, int x, int y) { DXMouseDown(s_, button, x, y); }
void WindowEvents::onMouseMove(int x, int y) { DXMouseMove(s_, x, y); }
void WindowEvents::onMouseUp(int button, int x, int y) { DXMouseUp(s_, button, x, y); }
void WindowEvents::onMouseWheel(int notches) { DXMouseWheel(s_, notches); }
void WindowEvents::onKeyDown(int key, int shift) { FormKeyDown(s_, key, shift); }
void WindowEvents::onTextInput(const std::string& utf8) { FormKeyPress(s_, utf8); }
void WindowEvents::onClose() { FormClose(s_); }

}  // namespace glossamo
