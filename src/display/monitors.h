#pragma once
// The monitor enumeration over the platform's monitor functions: a grid scan
// of the virtual desktop that records each monitor it hits once.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/variables.h"
#include "platform/services.h"

namespace tabrino {

// The record of one monitor, in virtual-desktop pixels.
struct clsMonitor {
    bool IsPrimary = false;
    std::uint32_t Handle = 0;
    std::int32_t Height = 0;
    std::int32_t Width = 0;
    std::int32_t Left = 0, Right = 0, Top = 0, Bottom = 0;  // right and bottom exclusive
    std::int32_t WorkLeft = 0, WorkRight = 0, WorkTop = 0, WorkBottom = 0;
};

// A keyed collection in the order found; a key already present is refused.
class MonitorCollection {
public:
    bool Add(const clsMonitor& m, const std::string& key);
    bool Exists(const std::string& key) const;
    std::size_t Count() const { return items_.size(); }
    // 1-based, like the collection it stands for.
    const clsMonitor& Item(std::size_t index) const { return items_.at(index - 1).second; }
    void Clear() { items_.clear(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<std::pair<std::string, clsMonitor>> items_;
};

class clsMonitors {
public:
    // Runs Refresh unless the monitor count is already known to be above 1.
    clsMonitors(Variables& vars, MonitorApi& api);

    MonitorCollection Monitors;

    std::int32_t DesktopLeft();
    std::int32_t DesktopTop();
    std::int32_t DesktopWidth();
    std::int32_t DesktopHeight();
    // The monitor containing pixel (x, y); 0 when none does, -1 when the
    // system has no such function.
    std::uint32_t GetMonitorFromXYPoint(std::int32_t x, std::int32_t y, std::uint32_t dwFlags);
    void Refresh();

    // A scan stops at a repeated hit once this many hits were counted.
    static constexpr std::int16_t kHitLimit = 6;

private:
    std::int32_t MetricOrDefault(int index, std::int32_t fallback);
    bool ReadMonitorInfo(std::uint32_t handle, clsMonitor& monitor);
    std::int32_t primaryWidthPixels();
    std::int32_t primaryHeightPixels();

    Variables& vars_;
    MonitorApi& api_;
};

}  // namespace tabrino
