#include "display/scaling.h"

#include "app/procedures.h"
#include "display/screens.h"

namespace tabrino {

namespace {

constexpr double kCanvasWidthPx = 1280;
constexpr double kCanvasHeightPx = 720;

}  // namespace

bool tienealtura(Element& e) {
    // The drop-down's height follows its font; the toolkit does not let it be set.
    return e.kind() != Kind::ComboBox;
}

ScreenFactors screenFactors(const Program& p, const Window& w) {
    // The window's own size is the size of the screen it was maximised on.
    const double ownWidth = w.width() / kTwipsPerPixel;
    const double ownHeight = w.height() / kTwipsPerPixel;
    double width = ownWidth, height = ownHeight;
    // Operator windows follow the primary screen as recorded at start-up,
    // unless its size could not be found.
    if (!isPublicWindow(w)) {
        if (p.anchopantalla > 0) width = p.anchopantalla;
        if (p.altopantalla > 0) height = p.altopantalla;
    }
    return {static_cast<float>(width / kCanvasWidthPx), static_cast<float>(height / kCanvasHeightPx)};
}

void scaleElements(Window& w, ScreenFactors f) {
    for (const auto& owned : w.elements()) {
        Element& e = *owned;
        if (!tienealtura(e)) continue;
        const Rect g = e.geometry();
        const float width = g.width * f.ancho;
        const float height = g.height * f.alto;
        if (e.kind() == Kind::Button || e.kind() == Kind::TextBox) e.setFontSize(e.font().size * f.alto);
        e.setGeometry({g.left * f.ancho, g.top * f.alto, width, height});
    }
}

void Form1_Resize(Program& p) {
    Window* w = p.existing("Form1");
    if (!w || w->scaled()) return;
    const ScreenFactors f = screenFactors(p, *w);
    scaleElements(*w, f);
    if (Element* tramos = w->find("tramos")) tramos->setLeft(tramos->geometry().left * f.ancho);
    w->setScaled(true);
}

void scaledWindow_Resize(Program& p, const std::string& window) {
    Window* w = p.existing(window);
    if (!w) return;
    // Maximising raises a nested notification, which does the scaling.
    if (w->state() != WindowState::Maximized) maximizeWindow(p, *w);
    if (w->scaled()) return;
    scaleElements(*w, screenFactors(p, *w));
    w->setScaled(true);
}


void wireScaling(Program& p) {
    p.onWindow("Form1", WindowEvent::Resize, [&p] { Form1_Resize(p); });
    for (const char* name : {"clontabrino", "clonminuto", "clonfinpartido", "tenencia", "minuto", "finpartido",
                             "penales", "clonpenales"}) {
        std::string window = name;
        p.onWindow(window, WindowEvent::Resize, [&p, window] { scaledWindow_Resize(p, window); });
    }
}

}  // namespace tabrino
