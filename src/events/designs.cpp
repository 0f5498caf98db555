// Placeholder designs until the time-out and possession windows land.
#include "app/window_catalog.h"
#include "form/design_rows.h"
namespace tabrino {
namespace {
WindowDesign named(const char* n) {
    WindowDesign d;
    d.name = n;
    return d;
}
}  // namespace
const WindowDesign& minutoDesign() { static const WindowDesign d = named("minuto"); return d; }
const WindowDesign& clonminutoDesign() { static const WindowDesign d = named("clonminuto"); return d; }
const WindowDesign& tenenciaDesign() {
    static const WindowDesign d = [] {
        WindowDesign w = named("tenencia");
        w.publicWindow = true;
        w.elements = {
            rows::label("segunditos", {1440, -2520, 15495, 13500}, "DS-Digital", 800.25f, true, colors::white, "45",
                        Align::Center),
            rows::picture("finmiuto", {19680, 360, 480, 360}, "cross", true, true, "Cerrar Monito de Posesion"),
        };
        return w;
    }();
    return d;
}
}  // namespace tabrino
