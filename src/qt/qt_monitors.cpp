#include "qt/qt_monitors.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <cstdlib>

namespace tabrino::qt {

namespace {

PixelRect toPixelRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

std::uint32_t handleOf(qsizetype index) { return static_cast<std::uint32_t>(index + 1); }

// Distance from a rectangle to a screen, 0 when they meet.
long long gap(const QRect& screen, const QRect& r) {
    const long long dx = std::max({0, screen.left() - (r.x() + r.width()), r.x() - (screen.x() + screen.width())});
    const long long dy = std::max({0, screen.top() - (r.y() + r.height()), r.y() - (screen.y() + screen.height())});
    return dx * dx + dy * dy;
}

}  // namespace

std::int32_t QtMonitors::systemMetric(int index) {
    const auto screens = QGuiApplication::screens();
    if (index == SM_CMONITORS) return static_cast<std::int32_t>(screens.size());
    if (screens.isEmpty()) return 0;
    QRect desktop;
    for (const QScreen* s : screens) desktop = desktop.united(s->geometry());
    switch (index) {
        case SM_XVIRTUALSCREEN: return desktop.x();
        case SM_YVIRTUALSCREEN: return desktop.y();
        case SM_CXVIRTUALSCREEN: return desktop.width();
        case SM_CYVIRTUALSCREEN: return desktop.height();
        default: return 0;
    }
}

std::optional<std::uint32_t> QtMonitors::monitorFromRect(const PixelRect& pr, std::uint32_t flags) {
    const auto screens = QGuiApplication::screens();
    const QRect r(pr.left, pr.top, std::max(1, pr.right - pr.left), std::max(1, pr.bottom - pr.top));
    // The screen sharing the largest area with the rectangle.
    qsizetype best = -1;
    long long bestArea = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QRect common = screens[i]->geometry().intersected(r);
        const long long area = common.isEmpty() ? 0 : 1LL * common.width() * common.height();
        if (area > bestArea) bestArea = area, best = i;
    }
    if (best >= 0) return handleOf(best);
    if (flags == kDefaultToPrimary) {
        const qsizetype i = screens.indexOf(QGuiApplication::primaryScreen());
        return i >= 0 ? handleOf(i) : 0u;
    }
    if (flags == kDefaultToNearest && !screens.isEmpty()) {
        qsizetype nearest = 0;
        for (qsizetype i = 1; i < screens.size(); ++i)
            if (gap(screens[i]->geometry(), r) < gap(screens[nearest]->geometry(), r)) nearest = i;
        return handleOf(nearest);
    }
    return 0u;
}

bool QtMonitors::monitorInfo(std::uint32_t handle, MonitorInfo& info) {
    const auto screens = QGuiApplication::screens();
    if (handle < 1 || handle > static_cast<std::uint32_t>(screens.size())) return false;
    const QScreen* s = screens[static_cast<qsizetype>(handle - 1)];
    info.monitor = toPixelRect(s->geometry());
    info.work = toPixelRect(s->availableGeometry());
    info.flags = s == QGuiApplication::primaryScreen() ? 1u : 0u;
    return true;
}

std::int32_t QtMonitors::screenWidthTwips() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() * twipsPerPixelX() : 0;
}

std::int32_t QtMonitors::screenHeightTwips() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() * twipsPerPixelY() : 0;
}

}  // namespace tabrino::qt
