#pragma once
// A one-second timer scheduled from a monotonic anchor: the n-th tick after a
// start falls due at start + n seconds, however late the previous one ran, so
// the count never drifts. Ticks that fall due while the program is busy are
// run later, never lost (the owner asks for due ticks one at a time).
//
// A timer that keeps its phase (the game clock) remembers the part of a
// second it had run when stopped and resumes from there, so stoppages do not
// shorten the played time; dropPhase() forgets it.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/services.h"

namespace tabrino {

class OneSecondTimer {
public:
    static constexpr std::int64_t kIntervalMs = 1000;

    OneSecondTimer(std::string name, const MonotonicClock& clock, bool keepsPhase = false)
        : name_(std::move(name)), clock_(clock), keepsPhase_(keepsPhase) {}

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    void dropPhase() { carriedMs_ = 0; }
    std::int64_t carriedMs() const { return carriedMs_; }

    // When the next tick falls due, if the timer runs.
    std::optional<std::int64_t> nextDueMs() const;
    bool isDue(std::int64_t nowMs) const { return enabled_ && nowMs >= anchorMs_ + (ticks_ + 1) * kIntervalMs; }
    // Marks the next tick as taken; the owner then runs the handler.
    void takeTick() { ++ticks_; }

private:
    std::string name_;
    const MonotonicClock& clock_;
    bool keepsPhase_;
    bool enabled_ = false;
    std::int64_t anchorMs_ = 0;
    std::int64_t ticks_ = 0;
    std::int64_t carriedMs_ = 0;
};

}  // namespace tabrino
