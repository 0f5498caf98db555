#pragma once
// The monitor functions over the screens Qt reports. Handles are 1-based
// indices into QGuiApplication::screens(); 0 is "no monitor".
#include "platform/services.h"

namespace tabrino::qt {

class QtMonitors : public MonitorApi {
public:
    static constexpr std::uint32_t kDefaultToNull = 0, kDefaultToPrimary = 1, kDefaultToNearest = 2;

    std::int32_t systemMetric(int index) override;
    std::optional<std::uint32_t> monitorFromRect(const PixelRect& r, std::uint32_t flags) override;
    bool monitorInfo(std::uint32_t handle, MonitorInfo& info) override;
    std::int32_t screenWidthTwips() override;
    std::int32_t screenHeightTwips() override;
};

}  // namespace tabrino::qt
