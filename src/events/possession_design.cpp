// The possession window: the count in huge digits for the public screen.
// The top is negative on purpose: the digits overflow the top edge and are
// clipped there.
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
        rows::label("segunditos", {1440, -2520, 15495, 13500}, "DS-Digital", 800.25f, true, colors::white, "45",
                    Align::Center),
        rows::picture("finmiuto", {19680, 360, 480, 360}, "cross", true, true, "Cerrar Monito de Posesion"),
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
