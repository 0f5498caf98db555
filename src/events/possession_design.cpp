// The possession window: the count in huge digits for the public screen.
// The top is negative on purpose: the digits overflow the top edge and are
// clipped there. The close icon sits inside the right edge, where the time-out
// window has its own; at 19680 it would lie off the window and could not be
// clicked.
#include "app/window_catalog.h"
#include "form/design_rows.h"

namespace tabrino {

namespace {
WindowDesign build() {
    WindowDesign w;
    w.name = "tenencia";
    w.title = "Posesion";
    w.publicWindow = true;
    w.elements = {
        rows::label("segunditos", {1440, -2520, 15495, 13500}, "DS-Digital", 800.25f, rows::bold, colors::white, "45",
                    Align::Center),
        rows::picture("finmiuto", {18480, 360, 480, 360}, "cross", {.tooltip = "Cerrar Monito de Posesion"}),
    };
    w.frontToBack = {"finmiuto"};
    return w;
}
}  // namespace

const WindowDesign& tenenciaDesign() {
    static const WindowDesign d = build();
    return d;
}

}  // namespace tabrino
