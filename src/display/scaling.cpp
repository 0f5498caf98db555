#include "display/scaling.h"

#include <algorithm>

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

float labelFontFactor(ScreenFactors f) { return std::min(f.ancho, f.alto); }

void scaleElements(Window& w, ScreenFactors f) {
    const float labelFactor = labelFontFactor(f);
    for (const auto& owned : w.elements()) {
        Element& e = *owned;
        if (!tienealtura(e)) continue;
        const Rect g = e.geometry();
        const float width = g.width * f.ancho;
        const float height = g.height * f.alto;
        const bool followsHeight = e.kind() == Kind::Button || e.kind() == Kind::TextBox;
        e.setFontSize(e.font().size * (followsHeight ? f.alto : labelFactor));
        e.setGeometry({g.left * f.ancho, g.top * f.alto, width, height});
    }
}

namespace {

const ElementDesign* designRow(const Element& e) {
    for (const ElementDesign& d : e.window().design().elements)
        if (d.name == e.name()) return &d;
    return nullptr;
}

}  // namespace

float verticalSlack(const Element& e) {
    const ElementDesign* d = designRow(e);
    if (!d || d->height <= 0 || d->fontSize <= 0 || e.font().size <= 0) return 1;
    const float box = e.geometry().height / d->height;
    const float font = e.font().size / d->fontSize;
    return box > font ? box / font : 1;
}

void unscaleElements(Window& w) {
    for (const ElementDesign& d : w.design().elements) {
        Element* e = w.find(d.name);
        if (!e) continue;
        e->setFontSize(d.fontSize);
        e->setGeometry({d.left, d.top, d.width, d.height});
    }
    w.setScaled(false);
}

void rescaleWindow(Program& p, Window& w) {
    maximizeWindow(p, w);
    unscaleElements(w);
    if (w.name() == "Form1") {
        Form1_Resize(p);
        return;
    }
    scaleElements(w, screenFactors(p, w));
    w.setScaled(true);
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
