#include "display/screens.h"

#include <cmath>
#include <string>

namespace tabrino {

namespace {

using Record = Variables::MonitorRecord;

PixelRect rectOf(const Record& m) { return {m.left, m.top, m.right, m.bottom}; }

const Record* primaryRecord(const Program& p) {
    for (const Record& m : p.monitoresencontrados)
        if (m.primary) return &m;
    // Without multi-monitor support the one record is the primary screen.
    return p.monitoresencontrados.empty() ? nullptr : &p.monitoresencontrados.front();
}

PixelRect primaryScreen(Program& p) {
    if (const Record* m = primaryRecord(p)) return rectOf(*m);
    // Nothing was found at start-up: the primary screen's size at the origin.
    MonitorApi& api = p.svc.monitors;
    std::int32_t px = api.twipsPerPixelX() > 0 ? api.twipsPerPixelX() : 15;
    std::int32_t py = api.twipsPerPixelY() > 0 ? api.twipsPerPixelY() : 15;
    return {0, 0, api.screenWidthTwips() / px, api.screenHeightTwips() / py};
}

}  // namespace

bool isPublicWindow(const Window& w) {
    const std::string& n = w.name();
    return w.design().publicWindow || n.rfind("clon", 0) == 0 || n == "tenencia";
}

PixelRect screenOf(Program& p, const Window& w) {
    if (!isPublicWindow(w)) return primaryScreen(p);
    const auto x = static_cast<std::int32_t>(std::floor(w.left() / kTwipsPerPixel));
    const auto y = static_cast<std::int32_t>(std::floor(w.top() / kTwipsPerPixel));
    for (const Record& m : p.monitoresencontrados)
        if (x >= m.left && x < m.right && y >= m.top && y < m.bottom) return rectOf(m);
    // A top edge off every screen still leaves the left edge to go by.
    for (const Record& m : p.monitoresencontrados)
        if (x >= m.left && x < m.right) return rectOf(m);
    return primaryScreen(p);
}

std::vector<const Record*> extraScreens(const Program& p) {
    std::vector<const Record*> out;
    const Record* primary = primaryRecord(p);
    for (const Record& m : p.monitoresencontrados)
        if (&m != primary && !m.primary) out.push_back(&m);
    return out;
}

bool onPrimaryScreen(Program& p, const Window& w) {
    const auto x = static_cast<std::int32_t>(std::floor(w.left() / kTwipsPerPixel));
    for (const Record* m : extraScreens(p))
        if (x >= m->left && x < m->right) return false;
    return true;
}

}  // namespace tabrino
