#include "platform/one_second_timer.h"

#include <algorithm>

namespace tabrino {

void OneSecondTimer::setEnabled(bool on) {
    if (on == enabled_) return;
    const std::int64_t now = clock_.nowMs();
    if (on) {
        anchorMs_ = now - (keepsPhase_ ? carriedMs_ : 0);
        ticks_ = 0;
    } else if (keepsPhase_) {
        // The part of the current second already run; ticks owed but not yet
        // taken (a busy loop) are not carried: they were never counted.
        std::int64_t lastTick = anchorMs_ + ticks_ * kIntervalMs;
        carriedMs_ = std::clamp<std::int64_t>(now - lastTick, 0, kIntervalMs - 1);
    }
    enabled_ = on;
}

std::optional<std::int64_t> OneSecondTimer::nextDueMs() const {
    if (!enabled_) return std::nullopt;
    return anchorMs_ + (ticks_ + 1) * kIntervalMs;
}

}  // namespace tabrino
