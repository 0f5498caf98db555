// The end-of-match screens: `finpartido` for the operator, with its close
// picture, and its public twin `clonfinpartido`. Boxes are twips on the
// 19200 x 10800 canvas; the result fields start hidden.
#include "app/window_catalog.h"
#include "form/design_rows.h"

namespace tabrino {

namespace {
using namespace rows;
constexpr const char* kImpact = "Impact";
constexpr Align C = Align::Center;

// The heading runs to the right edge of the canvas: left-aligned, it starts
// where it was drawn, but a substitute for Impact a little wider than the
// real face must not push "FINALIZADO" onto a second, clipped line.
constexpr Box kHeading = {600, 600, 19200 - 600, 3495};

WindowDesign build(const char* name, Box ganador1, bool publicWindow) {
    WindowDesign w;
    w.name = name;
    w.title = "Partido finalizado";
    w.publicWindow = publicWindow;
    w.elements = {
        label("fin", kHeading, kImpact, 110.25f, bold, colors::green, "PARTIDO FINALIZADO", Align::Left),
        label("ganador1", ganador1, kImpact, 150, regular, colors::cyan, "GANADOR", C, {.visible = false}),
        label("ganador2", {2400, 6600, 14415, 3495}, kImpact, 150, regular, colors::yellow, "", C, {.visible = false}),
        label("empate", {3480, 6240, 12375, 4335}, kImpact, 150, bold, colors::yellow, "EMPATE", C, {.visible = false}),
    };
    w.frontToBack = {"ganador2", "empate", "ganador1", "fin"};
    if (!publicWindow) {
        w.elements.push_back(picture("finmiuto", {240, 120, 480, 360}, "cross", {.tooltip = "Cerrar"}));
        w.frontToBack.insert(w.frontToBack.begin(), "finmiuto");
        w.elements.push_back(control(Kind::Button, "informe", {14640, 120, 4320, 600}, "MS Sans Serif", 12, bold,
                                     "Informe del partido", "Ver, guardar en PDF o CSV el informe del partido"));
    }
    return w;
}
}  // namespace

const WindowDesign& finpartidoDesign() {
    static const WindowDesign d = build("finpartido", {3240, 2880, 12735, 3495}, false);
    return d;
}

const WindowDesign& clonfinpartidoDesign() {
    static const WindowDesign d = build("clonfinpartido", {2880, 2880, 13455, 3855}, true);
    return d;
}

}  // namespace tabrino
