#pragma once
// Routes the platform's events to the program's handlers.
#include "platform/platform.hpp"

namespace glossamo {

struct ProgramState;

class WindowEvents : public PlatformEvents {
public:
    explicit WindowEvents(ProgramState& s) : s_(s) {}

    void onActivate() override;
    void onFrame() override;
    void onPlayClockTick() override;
    void onBlink() override;
    void onMouseDown(int button, int x, int y) override;
    void onMouseMove(int x, int y) override;
    void onMouseUp(int button, int x, int y) override;
    void onMouseWheel(int notches) override;
    void onKeyDown(int key, int shift) override;
    void onTextInput(const std::string& utf8) override;
    void onClose() override;

private:
    ProgramState& s_;
};

}  // namespace glossamo
