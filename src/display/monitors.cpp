#include "display/monitors.h"

#include <algorithm>

namespace tabrino {

bool MonitorCollection::Add(const clsMonitor& m, const std::string& key) {
    if (Exists(key)) return false;
    items_.emplace_back(key, m);
    return true;
}

bool MonitorCollection::Exists(const std::string& key) const {
    return std::any_of(items_.begin(), items_.end(), [&](const auto& it) { return it.first == key; });
}

clsMonitors::clsMonitors(Variables& vars, MonitorApi& api) : vars_(vars), api_(api) {
    if (vars_.cantidadmonitores <= 1) Refresh();
}

std::int32_t clsMonitors::MetricOrDefault(int index, std::int32_t fallback) {
    return api_.systemMetric(MonitorApi::SM_CMONITORS) != 0 ? api_.systemMetric(index) : fallback;
}

std::int32_t clsMonitors::primaryWidthPixels() {
    std::int32_t perPixel = api_.twipsPerPixelX();
    return perPixel > 0 ? api_.screenWidthTwips() / perPixel : 0;
}

std::int32_t clsMonitors::primaryHeightPixels() {
    std::int32_t perPixel = api_.twipsPerPixelY();
    return perPixel > 0 ? api_.screenHeightTwips() / perPixel : 0;
}

std::int32_t clsMonitors::DesktopLeft() { return MetricOrDefault(MonitorApi::SM_XVIRTUALSCREEN, 0); }
std::int32_t clsMonitors::DesktopTop() { return MetricOrDefault(MonitorApi::SM_YVIRTUALSCREEN, 0); }
std::int32_t clsMonitors::DesktopWidth() {
    return MetricOrDefault(MonitorApi::SM_CXVIRTUALSCREEN, primaryWidthPixels());
}
std::int32_t clsMonitors::DesktopHeight() {
    return MetricOrDefault(MonitorApi::SM_CYVIRTUALSCREEN, primaryHeightPixels());
}

std::uint32_t clsMonitors::GetMonitorFromXYPoint(std::int32_t x, std::int32_t y, std::uint32_t dwFlags) {
    auto h = api_.monitorFromRect(PixelRect{x, y, x + 1, y + 1}, dwFlags);
    return h ? *h : static_cast<std::uint32_t>(-1);
}

bool clsMonitors::ReadMonitorInfo(std::uint32_t handle, clsMonitor& monitor) {
    MonitorInfo info;
    if (!api_.monitorInfo(handle, info)) return false;
    monitor.IsPrimary = (info.flags & 1u) != 0;
    monitor.Handle = handle;
    monitor.Left = info.monitor.left;
    monitor.Right = info.monitor.right;
    monitor.Top = info.monitor.top;
    monitor.Bottom = info.monitor.bottom;
    monitor.WorkLeft = info.work.left;
    monitor.WorkRight = info.work.right;
    monitor.WorkTop = info.work.top;
    monitor.WorkBottom = info.work.bottom;
    monitor.Height = monitor.Bottom - monitor.Top;
    monitor.Width = monitor.Right - monitor.Left;
    if (monitor.IsPrimary) {
        vars_.anchopantalla = static_cast<std::int16_t>(monitor.Width);
        vars_.altopantalla = static_cast<std::int16_t>(monitor.Height);
    } else {
        vars_.resolucion = std::to_string(monitor.Width) + "x" + std::to_string(monitor.Height);
    }
    return true;
}

void clsMonitors::Refresh() {
    Monitors.Clear();
    const std::int32_t n = api_.systemMetric(MonitorApi::SM_CMONITORS);
    if (vars_.cantidadmonitores == 0) vars_.cantidadmonitores = static_cast<std::int16_t>(n);

    if (n == 0) {
        // No multi-monitor support: the primary screen stands for the desktop.
        clsMonitor m;
        m.Right = primaryWidthPixels();
        m.Bottom = primaryHeightPixels();
        m.WorkRight = m.Right;
        m.WorkBottom = m.Bottom;
        m.Width = m.Right;
        m.Height = m.Bottom;
        Monitors.Add(m, "0");
        return;
    }

    const std::int32_t left = DesktopLeft(), top = DesktopTop();
    const std::int32_t width = DesktopWidth(), height = DesktopHeight();
    for (std::int32_t y = top; y <= height; y += 480) {
        for (std::int32_t x = left; x <= width; x += 640) {
            std::uint32_t h = GetMonitorFromXYPoint(x + 320, y + 240, 0);
            if (h == 0) continue;
            clsMonitor m;
            // A handle the system cannot describe ends the scan with what was found.
            if (!ReadMonitorInfo(h, m)) return;
            ++vars_.reintentosmonitor;
            if (Monitors.Add(m, std::to_string(h))) continue;
            // Repeats only cut the scan short once every monitor the system
            // counts is in: a wide primary screen alone can give six hits.
            if (vars_.reintentosmonitor >= kHitLimit && static_cast<std::int32_t>(Monitors.Count()) >= n) return;
        }
    }
}

}  // namespace tabrino
