// Where the windows go: the public windows to the extra screens found at
// start-up, and every window maximised on the screen it lies on.
#include "app/procedures.h"
#include "display/monitors.h"
#include "display/screens.h"

namespace tabrino {

namespace {

const char* const kMirrorWindows[] = {"clontabrino", "clonminuto", "clonpenales", "clonfinpartido"};

// The pseudo monitor of a system without multi-monitor support is the
// primary screen itself, never an extra one.
bool isExtraScreen(const clsMonitor& m) { return !m.IsPrimary && m.Handle != 0; }

}  // namespace

void ubicaventanas(Program& p) {
    clsMonitors monitors(p, p.svc.monitors);

    p.monitoresencontrados.clear();
    for (const auto& [key, m] : monitors.Monitors)
        p.monitoresencontrados.push_back({m.Left, m.Top, m.Right, m.Bottom, m.IsPrimary});

    // The windows go to the real left and top of the first extra screen;
    // the second extra screen's left edge is kept for the possession window.
    int extra = 0;
    for (const auto& [key, m] : monitors.Monitors) {
        if (!isExtraScreen(m)) continue;
        ++extra;
        const double left = static_cast<double>(m.Left) * kTwipsPerPixel;
        if (extra == 2) {
            p.izquierdapantalla3 = left;
            continue;
        }
        if (extra > 2) continue;
        p.izquierdapantalla2 = left;
        for (const char* name : kMirrorWindows) p.win(name).setLeft(static_cast<float>(left));
        for (const char* name : kMirrorWindows) p.win(name).setTop(static_cast<float>(m.Top) * kTwipsPerPixel);
        if (p.resolucion == "1280x720") {
            for (const char* name : kMirrorWindows) p.win(name).setWidth(19200);
            for (const char* name : kMirrorWindows) p.win(name).setHeight(10795);
        }
    }
}

void maximizeWindow(Program& p, Window& w) {
    PixelRect r = screenOf(p, w);
    w.setBounds(static_cast<float>(r.left) * kTwipsPerPixel, static_cast<float>(r.top) * kTwipsPerPixel,
                static_cast<float>(r.right - r.left) * kTwipsPerPixel,
                static_cast<float>(r.bottom - r.top) * kTwipsPerPixel);
    w.setState(WindowState::Maximized);
}

}  // namespace tabrino
