// Where the windows go: the public windows to the extra screens found at
// start-up, and every window maximised on the screen it lies on.
#include "app/procedures.h"
#include "display/monitors.h"
#include "display/scaling.h"
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

namespace {

struct PublicUse {
    const char* window;
    bool inUse;        // the public should be seeing it now
    bool secondExtra;  // the possession window's own screen where there is one
};

bool shownWindow(const Program& p, const char* name) {
    const Window* w = p.existing(name);
    return w && w->shown();
}

// The screen a public window goes to in the layout just read; nullptr when
// it has none. The mirror and the twins take the first extra screen; the
// possession window takes the second, or shares the first only while the
// mirror is off (it would cover the board).
const Variables::MonitorRecord* screenFor(const Program& p, const PublicUse& use) {
    const auto extras = extraScreens(p);
    if (extras.empty()) return nullptr;
    if (!use.secondExtra) return extras[0];
    if (extras.size() >= 2) return extras[1];
    return p.clonactivo == "SI" ? nullptr : extras[0];
}

}  // namespace

void cambiapantallas(Program& p) {
    const std::int16_t oldWidth = p.anchopantalla, oldHeight = p.altopantalla;
    // Read as at start-up, from nothing: the count, the sizes and the left
    // edges all follow the screens as they are now.
    p.cantidadmonitores = 0;
    p.reintentosmonitor = 0;
    p.anchopantalla = 0;
    p.altopantalla = 0;
    p.resolucion.clear();
    p.izquierdapantalla2 = 0;
    p.izquierdapantalla3 = 0;
    ubicaventanas(p);

    // The operator window stays on the primary screen, filled and scaled for it.
    if (Window* f = p.existing("Form1"); f && f->state() == WindowState::Maximized) {
        if (f->scaled() && (p.anchopantalla != oldWidth || p.altopantalla != oldHeight))
            rescaleWindow(p, *f);
        else
            maximizeWindow(p, *f);
    }

    const bool twins = p.pantallaauxiliar == "SI";
    const PublicUse uses[] = {
        {"clontabrino", p.clonactivo == "SI", false},
        {"clonminuto", twins && shownWindow(p, "minuto"), false},
        {"clonpenales", twins && shownWindow(p, "penales"), false},
        {"clonfinpartido", twins && shownWindow(p, "finpartido"), false},
        {"tenencia", p.tenenciaauxiliar == "si", true},
    };
    for (const PublicUse& use : uses) {
        Window* w = p.existing(use.window);
        if (!w) continue;
        const Variables::MonitorRecord* screen = screenFor(p, use);
        if (!screen) {
            // Never moved onto the operator's screen: hidden until a screen returns.
            w->hide();
            continue;
        }
        w->setLeft(static_cast<float>(screen->left) * kTwipsPerPixel);
        w->setTop(static_cast<float>(screen->top) * kTwipsPerPixel);
        // A window scaled for the old screen is scaled again for this one;
        // one never shown is scaled when it is first shown.
        if (w->scaled()) rescaleWindow(p, *w);
        if (use.inUse) w->show();
    }

    if (Window* settings = p.existing("configuracion")) muestrapantallas(p, *settings);
}

bool mayShowPublicWindow(Program& p, Window& w) {
    if (!isPublicWindow(w)) return true;
    // With no extra screen, or placed on none, a public window would cover
    // the operator's window: it stays hidden until a screen comes.
    return !extraScreens(p).empty() && !onPrimaryScreen(p, w);
}

void wirePlacement(Program& p) {
    p.setShowGuard([&p](Window& w) { return mayShowPublicWindow(p, w); });
}

}  // namespace tabrino
