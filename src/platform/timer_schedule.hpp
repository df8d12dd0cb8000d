#pragma once
// When each of the three program timers is due, and how long the message loop
// may sleep before the next one. Kept apart from SDL so it can be tested.
#include <algorithm>
#include <cstdint>

namespace glossamo {

constexpr std::uint32_t FrameIntervalMs = 10;
constexpr std::uint32_t PlayClockIntervalMs = 1000;
constexpr std::uint32_t BlinkIntervalMs = 150;

// One periodic timer. When the loop falls behind by more than a whole period
// it does not try to catch up with a burst of calls: it restarts from now.
class PeriodicTimer {
public:
    explicit PeriodicTimer(std::uint32_t interval) : interval_(interval) {}

    void start(std::uint32_t now) { due_ = now + interval_; running_ = true; }
    void stop() { running_ = false; }
    bool running() const { return running_; }

    // True when the timer fires at `now`; the next firing is then scheduled.
    bool fire(std::uint32_t now) { return fireCount(now, 1) == 1; }

    // How many firings are due at `now`, at most `limit`: a loop that can
    // only run at its own pace (a browser's) catches up with the periods it
    // missed, up to `limit`; beyond that it restarts from now.
    int fireCount(std::uint32_t now, int limit) {
        int count = 0;
        while (running_ && count < limit && static_cast<std::int32_t>(now - due_) >= 0) {
            due_ += interval_;
            ++count;
        }
        if (count > 0 && static_cast<std::int32_t>(now - due_) >= 0) due_ = now + interval_;
        return count;
    }

    // Milliseconds until the timer is due (0 when overdue); `limit` when stopped.
    std::uint32_t waitFrom(std::uint32_t now, std::uint32_t limit) const {
        if (!running_) return limit;
        const auto left = static_cast<std::int32_t>(due_ - now);
        return left <= 0 ? 0 : std::min(limit, static_cast<std::uint32_t>(left));
    }

private:
    std::uint32_t interval_;
    std::uint32_t due_ = 0;
    bool running_ = false;
};

}  // namespace glossamo
