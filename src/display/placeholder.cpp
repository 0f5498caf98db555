// Placeholder until monitors, scaling and the mirror land.
#include "app/procedures.h"
namespace tabrino {
void wireDisplay(Program&) {}
void refrescaclon(Program&) {}
void actualizaclon(Program&) {}
void ubicaventanas(Program&) {}
bool tienealtura(Element&) { return true; }
void maximizeWindow(Program&, Window& w) { w.setState(WindowState::Maximized); }
const WindowDesign& clontabrinoDesign() {
    static const WindowDesign d = [] { WindowDesign x; x.name = "clontabrino"; return x; }();
    return d;
}
}  // namespace tabrino
